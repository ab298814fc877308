#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// Installs the build tree into a staging prefix with `cmake --install`, looks
// at what landed there, and starts the installed program with the desktop
// entry's command from another working directory.
class tst_Install : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void laysOutOneFolderLinkedFromBin();
    void installedBinariesCarryNoRpath_data();
    void installedBinariesCarryNoRpath();
    void installsIconsAtTheirSizes();
    void menuCommandShowsTheInstalledIntro();

private:
    QString staged(const QString &path) const { return m_prefix + '/' + path; }
    static int pixelsOf(QRgb colour);

    QTemporaryDir m_root;
    QString m_prefix;
};

namespace {

const QString kAppId = qEnvironmentVariable("ORVANI_APP_ID");
const QString kAppFolder = QStringLiteral("lib/orvani-parlevo");

bool writePage(const QString &path, const QString &colour)
{
    QFile page(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !page.open(QIODevice::WriteOnly))
        return false;
    page.write(QStringLiteral("<!DOCTYPE html><html><body style=\"background:%1\"></body></html>")
                   .arg(colour).toUtf8());
    return true;
}

// The value of a key in the installed desktop entry.
QString desktopEntryValue(const QString &path, const QString &key)
{
    QFile entry(path);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    for (const QString &line : lines)
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

int tst_Install::pixelsOf(QRgb colour)
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < screen.height(); y += 4) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); x += 4)
            count += (line[x] & 0xffffff) == (colour & 0xffffff);
    }
    return count;
}

void tst_Install::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_prefix = m_root.filePath("staged prefix");
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    install.start(qEnvironmentVariable("ORVANI_CMAKE"),
                  {"--install", qEnvironmentVariable("ORVANI_BUILD_DIR"), "--prefix", m_prefix});
    QVERIFY2(install.waitForFinished(120000), qPrintable(install.errorString()));
    QCOMPARE(install.exitStatus(), QProcess::NormalExit);
    QCOMPARE(install.exitCode(), 0);
}

void tst_Install::laysOutOneFolderLinkedFromBin()
{
    char target[4096] = {};
    const QByteArray link = QFile::encodeName(staged("bin/orvani-parlevo"));
    QVERIFY2(readlink(link.constData(), target, sizeof target - 1) > 0, "bin/orvani-parlevo is no link");
    QCOMPARE(QString::fromLocal8Bit(target), "../" + kAppFolder + "/orvani-parlevo");

    QVERIFY(QFileInfo(staged(kAppFolder + "/orvani-parlevo")).isExecutable());
    QVERIFY(QFileInfo::exists(staged(kAppFolder + "/orvani-webpane.so")));
    QVERIFY(QFileInfo(staged(kAppFolder + "/HTML/ss.exe")).isExecutable());

    // Every content file, in its subfolder.
    const QDir source(qEnvironmentVariable("ORVANI_SOURCE_DIR") + "/HTML");
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QString relative = source.relativeFilePath(file.filePath());
        const QFileInfo installed(staged(kAppFolder + "/HTML/" + relative));
        QVERIFY2(relative == "CMakeLists.txt" || installed.size() == file.size(), qPrintable(relative));
    }
}

void tst_Install::installedBinariesCarryNoRpath_data()
{
    QTest::addColumn<QString>("binary");
    QTest::newRow("program") << kAppFolder + "/orvani-parlevo";
    QTest::newRow("page-pane module") << kAppFolder + "/orvani-webpane.so";
    QTest::newRow("screen saver") << kAppFolder + "/HTML/ss.exe";
}

void tst_Install::installedBinariesCarryNoRpath()
{
    QFETCH(QString, binary);
    QProcess readelf;
    readelf.start("readelf", {"--dynamic", staged(binary)});
    QVERIFY2(readelf.waitForFinished(), qPrintable(readelf.errorString()));
    QCOMPARE(readelf.exitCode(), 0);
    const QByteArray dynamic = readelf.readAllStandardOutput();
    QVERIFY(dynamic.contains("(NEEDED)"));
    QVERIFY2(!dynamic.contains("(RPATH)") && !dynamic.contains("(RUNPATH)"), dynamic.constData());
}

void tst_Install::installsIconsAtTheirSizes()
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString icon = QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
        QCOMPARE(QImage(staged(icon)).size(), QSize(size, size));
    }
    QVERIFY(QFileInfo::exists(staged("share/icons/hicolor/scalable/apps/" + kAppId + ".svg")));
}

void tst_Install::menuCommandShowsTheInstalledIntro()
{
    const QString colour = "#2a7fb8";
    QVERIFY(writePage(staged(kAppFolder + "/HTML/intro.html"), colour));
    // A decoy intro page in the working directory must not be shown.
    const QString elsewhere = m_root.filePath("elsewhere");
    QVERIFY(writePage(elsewhere + "/HTML/intro.html", "#c0306a"));

    const QString command = desktopEntryValue(staged("share/applications/" + kAppId + ".desktop"), "Exec");
    QVERIFY(!command.isEmpty());

    // As the desktop menu does: the command, found on PATH.
    QProcess trainer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", staged("bin") + ':' + environment.value("PATH"));
    trainer.setProcessEnvironment(environment);
    trainer.setWorkingDirectory(elsewhere);
    trainer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    trainer.start("/bin/sh", {"-c", "exec " + command});
    QVERIFY2(trainer.waitForStarted(), qPrintable(trainer.errorString()));

    QTRY_VERIFY_WITH_TIMEOUT(pixelsOf(QColor(colour).rgb()) > 5000, 30000);
    QCOMPARE(pixelsOf(QColor("#c0306a").rgb()), 0);
    // The page pane is the installed web-engine module, not a stand-in.
    QFile maps(QStringLiteral("/proc/%1/maps").arg(trainer.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QString module = QFileInfo(staged(kAppFolder + "/orvani-webpane.so")).canonicalFilePath();
    QVERIFY(maps.readAll().contains(QFile::encodeName(module)));

    trainer.terminate();
    QVERIFY(trainer.waitForFinished(10000));
}

QTEST_MAIN(tst_Install)
#include "tst_install.moc"
