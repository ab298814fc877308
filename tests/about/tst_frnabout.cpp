#include "applicationlifetime.h"
#include "fakeplatform.h"
#include "frnabout.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPointer>
#include <QTest>
#include <QTimer>

// The About window; its command: tst_form1, its names and roles: screenreader.py.
class TestFrnAbout : public QObject
{
    Q_OBJECT
private slots:
    void click_data()
    {
        QTest::addColumn<QString>("control"); // "" for the window itself
        QTest::addColumn<int>("opener");      // 0 opens, 1 reports failure, 2 is missing
        QTest::addColumn<bool>("opens");
        const char *answers[] = {"opened", "opener fails", "no opener"};
        for (const char *link : {"Image1", "Label9"})
            for (int opener : {0, 1, 2})
                QTest::addRow("%s, %s", link, answers[opener]) << link << opener << true;
        for (const char *other : {"", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                                  "Label7", "Label8"})
            QTest::addRow("%s", *other ? other : "window") << other << 0 << false;
    }

    // The picture and the address open the maker's site, then close the window
    // unless there is no opener at all (the failure goes no further). Other clicks do nothing.
    void click()
    {
        QFETCH(QString, control);
        QFETCH(int, opener);
        QFETCH(bool, opens);
        FakePlatform platform;
        platform.openerFails = opener == 1;
        platform.openerMissing = opener == 2;
        QPointer<frnAbout> about = new frnAbout(platform);
        about->show();
        QTest::mouseClick(control.isEmpty() ? about : about->findChild<QWidget *>(control),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool opened = opens && opener != 2;
        QCOMPARE(platform.opened.join(' '), opened ? "http://www.quillfen.example/" : "");
        QCOMPARE(about.isNull(), opened);
        delete about;
    }

    // 300 x 288, one image, 16 colours of which white is transparent, interlaced.
    void pictureIsStoredAsDrawn()
    {
        QImageReader reader(":/about/about-picture.gif");
        QVERIFY(reader.imageCount() == 1 && reader.size() == QSize(300, 288));
        QFile file(reader.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray gif = file.readAll();
        QCOMPARE(gif.left(6), "GIF89a");
        QCOMPARE(gif[10] & 0x87, 0x83); // a colour table of 16 entries, then
        const int control = 13 + 16 * 3; // the graphic control block
        QCOMPARE(gif.mid(control, 3), "\x21\xf9\x04");
        QVERIFY(gif[control + 3] & 1);
        QCOMPARE(gif.mid(13 + 3 * quint8(gif[control + 6]), 3), "\xff\xff\xff");
        QCOMPARE(gif[control + 8], ','); // the image, interlaced, without a table of its own
        QCOMPARE(gif[control + 17] & 0xC0, 0x40);
    }

    void iconsHoldTheirImages_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("images"); // width x height : bits per pixel, in stored order
        QTest::newRow("application") << ORVANI_ICONS_DIR "/orvani-parlevo.ico"
                                     << "32x32:1 32x32:4 32x32:8 16x16:1 16x16:4 16x16:8";
        QTest::newRow("About window") << ":/about/about-icon.ico" << "32x32:24";
    }

    // An icon, not a cursor, whose images Qt can read.
    void iconsHoldTheirImages()
    {
        QFETCH(QString, path);
        QFETCH(QString, images);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QCOMPARE(ico.left(4), QByteArray("\0\0\1\0", 4));
        QStringList stored;
        for (int at = 6; at < 6 + 16 * ico[4]; at += 16)
            stored << QString("%1x%2:%3").arg(quint8(ico[at])).arg(quint8(ico[at + 1]))
                          .arg(int(ico[at + 6]));
        QCOMPARE(stored.join(' '), images);
        QCOMPARE(QImageReader(path).imageCount(), stored.size());
    }

    // The program goes on while either window is left, whichever closes
    // first, and ends with the last. Last: the rule then stays in force.
    void programEndsWithItsLastWindow()
    {
        quitWhenNoWindowIsLeft(*qApp);
        FakePlatform platform;
        for (bool aboutFirst : {false, true}) {
            QWidget mainWindow;
            QWidget *windows[] = {&mainWindow, new frnAbout(platform)};
            for (QWidget *window : windows)
                window->show();
            if (aboutFirst)
                std::swap(windows[0], windows[1]);
            bool goesOn = false;
            QTimer::singleShot(0, windows[0], &QWidget::close);
            QTimer::singleShot(200, windows[1], [&] {
                goesOn = true;
                windows[1]->close();
            });
            QObject watchdog;
            QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY2(goesOn, aboutFirst ? "About closed first" : "main window closed first");
        }
    }
};

QTEST_MAIN(TestFrnAbout)
#include "tst_frnabout.moc"
