#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// Starts the real program, copied into folders with awkward names, from
// another working directory, and looks at the screen for its intro page.
class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void showsTheIntroOfItsOwnFolder_data();
    void showsTheIntroOfItsOwnFolder();

private:
    static int pixelsOf(QRgb colour);
};

namespace {

const QString kBuiltFolder = qEnvironmentVariable("ORVANI_APP_DIR");

// A copy of the program whose intro page turns one flat colour.
bool installCopy(const QString &folder, const QString &colour)
{
    if (!QDir().mkpath(folder + "/HTML"))
        return false;
    const QStringList files = QDir(kBuiltFolder).entryList(QDir::Files);
    for (const QString &file : files)
        if (!QFile::copy(kBuiltFolder + '/' + file, folder + '/' + file))
            return false;
    QFile intro(folder + "/HTML/intro.html");
    if (!intro.open(QIODevice::WriteOnly))
        return false;
    // Only the web engine runs the script: the plain fallback pane would
    // leave the page white.
    intro.write(QStringLiteral("<!DOCTYPE html><html><body><script>"
                               "document.body.style.background = '%1';</script></body></html>")
                    .arg(colour).toUtf8());
    return true;
}

} // namespace

int tst_Startup::pixelsOf(QRgb colour)
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

void tst_Startup::showsTheIntroOfItsOwnFolder_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("plain") << "plain" << false;
    QTest::newRow("spaces, # and %") << "a folder #2 %41 with spaces" << false;
    QTest::newRow("non-ASCII and ?") << QString::fromUtf8("Übungen für Anfänger?") << false;
    QTest::newRow("long path") << QString("deep/").repeated(45) + "end" << false;
    QTest::newRow("symbolic link") << "linked" << true;
}

void tst_Startup::showsTheIntroOfItsOwnFolder()
{
    QFETCH(QString, folderName);
    QFETCH(bool, throughLink);
    QVERIFY2(!kBuiltFolder.isEmpty(), "ORVANI_APP_DIR is not set");

    QTemporaryDir root;
    const QString folder = root.filePath(folderName);
    const QString colour = "#1f8a5b";
    QVERIFY(installCopy(folder, colour));
    // A decoy intro page in the working directory must not be shown.
    QVERIFY(installCopy(root.filePath("elsewhere"), "#c0306a"));

    QString program = folder + "/orvani-parlevo";
    if (throughLink) {
        QVERIFY(QDir().mkpath(root.filePath("bin")));
        QVERIFY(QFile::link(program, root.filePath("bin/orvani-parlevo")));
        program = root.filePath("bin/orvani-parlevo");
    }
    QProcess trainer;
    trainer.setWorkingDirectory(root.filePath("elsewhere"));
    trainer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    trainer.start(program, {});
    QVERIFY2(trainer.waitForStarted(), qPrintable(trainer.errorString()));

    // The page pane is 465 x 313; sampling every fourth pixel sees thousands.
    QTRY_VERIFY_WITH_TIMEOUT(pixelsOf(QColor(colour).rgb()) > 5000, 30000);
    QCOMPARE(pixelsOf(QColor("#c0306a").rgb()), 0);

    trainer.terminate();
    QVERIFY(trainer.waitForFinished(10000));
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
