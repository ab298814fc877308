#include "applicationlifetime.h"
#include "classicfonts.h"
#include "fakeplatform.h"
#include "frnabout.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QtEndian>

namespace {

// What the main window's About command does.
void aboutCommand(QPointer<frnAbout> &about, Platform &platform)
{
    if (!about)
        about = new frnAbout(platform);
    about->show();
    about->raise();
    about->activateWindow();
}

int visibleAboutWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
        [](QWidget *window) { return qobject_cast<frnAbout *>(window) && window->isVisible(); }));
}

void processDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int word(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

// Every label but the address, one row each.
void addLabelRows()
{
    QTest::addColumn<QString>("control");
    for (const char *name :
        {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

const QString picture = QStringLiteral(":/about/about-picture.gif");

} // namespace

class TestFrnAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerClassicFonts(); }
    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            delete qobject_cast<frnAbout *>(window);
    }

    void aboutCommandKeepsOneWindow()
    {
        FakePlatform platform;
        QPointer<frnAbout> about;
        aboutCommand(about, platform);
        const frnAbout *first = about;
        aboutCommand(about, platform);
        QCOMPARE(about.data(), first);
        QCOMPARE(visibleAboutWindows(), 1);

        about->close();
        processDeletions();
        QVERIFY(!about);
        aboutCommand(about, platform);
        QVERIFY(about && about->isVisible());
        QCOMPARE(visibleAboutWindows(), 1);
    }

    void clickOpensMakerSite_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("openerFails");
        QTest::addColumn<bool>("openerMissing");
        QTest::newRow("picture, opened") << "Image1" << false << false;
        QTest::newRow("picture, opener fails") << "Image1" << true << false;
        QTest::newRow("picture, no opener") << "Image1" << false << true;
        QTest::newRow("address, opened") << "Label9" << false << false;
        QTest::newRow("address, opener fails") << "Label9" << true << false;
        QTest::newRow("address, no opener") << "Label9" << false << true;
    }

    // Any answer of the opener closes the window; no opener at all leaves
    // it open, and the exception goes no further.
    void clickOpensMakerSite()
    {
        QFETCH(QString, control);
        FakePlatform platform;
        QFETCH(bool, openerFails);
        QFETCH(bool, openerMissing);
        platform.openerFails = openerFails;
        platform.openerMissing = openerMissing;
        QPointer<frnAbout> about;
        aboutCommand(about, platform);

        QTest::mouseClick(about->findChild<QLabel *>(control), Qt::LeftButton);
        processDeletions();

        if (!openerMissing)
            QCOMPARE(platform.opened, QStringList {"http://www.quillfen.example/"});
        QCOMPARE(!about.isNull(), openerMissing);
    }

    void otherLabelsIgnoreClicks_data() { addLabelRows(); }
    void otherLabelsIgnoreClicks()
    {
        QFETCH(QString, control);
        FakePlatform platform;
        QPointer<frnAbout> about;
        aboutCommand(about, platform);
        QTest::mouseClick(about->findChild<QLabel *>(control), Qt::LeftButton);
        QTest::mouseClick(about, Qt::LeftButton);
        processDeletions();
        QVERIFY(platform.opened.isEmpty());
        QVERIFY(about && about->isVisible());
    }

    // Each text fits its label, wrapped at the label's width.
    void textsFitTheirLabels_data() { addLabelRows(); }
    void textsFitTheirLabels()
    {
        QFETCH(QString, control);
        FakePlatform platform;
        frnAbout about(platform);
        const auto *label = about.findChild<QLabel *>(control);
        if (label->fontInfo().family() != QLatin1String("MS Sans Serif"))
            QSKIP("the layout's font is not installed");
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->height(),
            qPrintable(
                QStringLiteral("needs %1 px of %2").arg(needed.height()).arg(label->height())));
    }

    void pictureIsStoredAsDrawn()
    {
        const QByteArray gif = contents(picture);
        QCOMPARE(gif.left(6), "GIF89a");
        QCOMPARE(QImageReader(picture).imageCount(), 1);
        QCOMPARE(QSize(word(gif, 6), word(gif, 8)), QSize(300, 288));
        QCOMPARE(gif[10] & 0x87, 0x83); // a colour table of 16 entries
        const int control = 13 + 16 * 3; // the graphic control block follows the table
        QCOMPARE(gif.mid(control, 3), "\x21\xf9\x04");
        QVERIFY(gif[control + 3] & 1); // one colour is transparent ...
        QCOMPARE(gif.mid(13 + 3 * quint8(gif[control + 6]), 3), "\xff\xff\xff"); // ... white
        const int image = control + 8;
        QCOMPARE(gif[image], ',');
        QCOMPARE(gif[image + 9] & 0xC0, 0x40); // interlaced, no table of its own
    }

    void iconsHoldTheirImages_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<QList<int>>("bitCounts");
        const QSize large(32, 32), small(16, 16);
        QTest::newRow("application") << QStringLiteral(ORVANI_ICONS_DIR "/orvani-parlevo.ico")
                                     << QList<QSize> {large, large, large, small, small, small}
                                     << QList<int> {1, 4, 8, 1, 4, 8};
        QTest::newRow("About window")
            << QStringLiteral(":/about/about-icon.ico") << QList<QSize> {large} << QList<int> {24};
    }

    void iconsHoldTheirImages()
    {
        QFETCH(QString, path);
        QFETCH(QList<QSize>, sizes);
        QFETCH(QList<int>, bitCounts);
        const QByteArray ico = contents(path);
        QCOMPARE(ico.left(4), QByteArray("\0\0\1\0", 4)); // an icon, not a cursor
        QCOMPARE(word(ico, 4), sizes.size());
        for (int i = 0; i < sizes.size(); ++i) {
            const int entry = 6 + 16 * i;
            QCOMPARE(QSize(quint8(ico[entry]), quint8(ico[entry + 1])), sizes[i]);
            QCOMPARE(word(ico, entry + 6), bitCounts[i]);
        }
        QCOMPARE(QImageReader(path).imageCount(), sizes.size());
    }

    void programEndsWithItsLastWindow_data()
    {
        QTest::addColumn<bool>("aboutFirst");
        QTest::newRow("main window closed first") << false;
        QTest::newRow("About window closed first") << true;
    }

    // Last: the rule stays in force for the rest of the run.
    void programEndsWithItsLastWindow()
    {
        QFETCH(bool, aboutFirst);
        static const bool ruled = (quitWhenNoWindowIsLeft(*qApp), true);
        Q_UNUSED(ruled);
        FakePlatform platform;
        QWidget mainWindow;
        mainWindow.show();
        QPointer<frnAbout> about;
        aboutCommand(about, platform);
        QWidget *first = aboutFirst ? static_cast<QWidget *>(about) : &mainWindow;
        QWidget *second = aboutFirst ? &mainWindow : static_cast<QWidget *>(about);

        bool survivedFirst = false;
        QTimer::singleShot(0, first, &QWidget::close);
        QTimer::singleShot(200, second, [&survivedFirst, second] {
            survivedFirst = true;
            second->close();
        });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);

        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(survivedFirst);
        QCOMPARE(quitting.count(), 1);
    }
};

QTEST_MAIN(TestFrnAbout)
#include "tst_frnabout.moc"
