#include "applicationlifetime.h"
#include "fakeplatform.h"
#include "frnabout.h"
#include "messagerecorder.h"
#include "onscreenplacement.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>

// Counts the requests to end the program (QCoreApplication::quit() sends
// the application a Quit event).
class QuitCounter : public QObject
{
public:
    QuitCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += watched == qApp && event->type() == QEvent::Quit;
        return false;
    }
    int count = 0;
};

// The About window; its command: tst_form1, its names and roles: tst_accessibility.
class TestFrnAbout : public QObject
{
    Q_OBJECT
private slots:
    void click_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("opener"); // there is one to call
        QTest::addColumn<bool>("releasedOutside"); // pressed on it, released beside it
        for (const char *link : {"Image1", "Label9"})
            for (bool opener : {true, false})
                QTest::addRow("%s, %s", link, opener ? "opener" : "no opener")
                    << link << opener << false;
        QTest::newRow("Label9, released outside") << "Label9" << true << true;
    }

    // The picture and the address open the maker's site, then close the window
    // unless there is no opener at all: the failure goes no further than a
    // warning under orvani.handler. A press that ends outside is no click.
    void click()
    {
        QFETCH(QString, control);
        QFETCH(bool, opener);
        QFETCH(bool, releasedOutside);
        FakePlatform platform;
        platform.openerMissing = !opener;
        QPointer<frnAbout> about = new frnAbout(platform);
        const auto closeIt = qScopeGuard([&] { delete about; });
        about->show();
        auto *link = about->findChild<QWidget *>(control);
        MessageRecorder log;
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {},
                            releasedOutside ? QPoint(link->width() + 4, link->height() / 2)
                                            : QPoint());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool clicked = !releasedOutside;
        QCOMPARE(platform.opened.join(' '),
                 clicked && opener ? "http://www.quillfen.example/" : "");
        QCOMPARE(about.isNull(), clicked && opener);
        QCOMPARE(log.warnings(),
                 clicked && !opener ? "orvani.handler: " + control + "_Click stopped: no opener"
                                    : "");
    }

    void positionWhollyInside_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("position");
        const QRect screen(0, 0, 1600, 1170); // above a panel
        const QSize about(427, 382);
        QTest::newRow("inside") << QRect({300, 200}, about) << screen << QPoint(300, 200);
        QTest::newRow("in the corner") << QRect({1173, 788}, about) << screen << QPoint(1173, 788);
        QTest::newRow("19 px past the bottom")
            << QRect({300, 807}, about) << screen << QPoint(300, 788);
        QTest::newRow("past left and top") << QRect({-30, -5}, about) << screen << QPoint(0, 0);
        QTest::newRow("second screen, past its left")
            << QRect({1590, 100}, about) << QRect(1600, 0, 1280, 1024) << QPoint(1600, 100);
        QTest::newRow("taller than the area")
            << QRect({300, 100}, about) << QRect(0, 0, 1600, 300) << QPoint(300, 0);
    }

    // Moved just enough to lie wholly inside, and only where it does not.
    void positionWhollyInside()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, area);
        QFETCH(QPoint, position);
        QCOMPARE(::positionWhollyInside(frame, area), position);
    }

    // Placed partly below the screen's available area, as a window manager
    // may place it, the window moves up just enough once it shows.
    void opensWhollyOnScreen()
    {
        FakePlatform platform;
        QPointer<frnAbout> about = new frnAbout(platform);
        const auto deleteAbout = qScopeGuard([&] { delete about; });
        const QRect area = about->screen()->availableGeometry();
        about->move(area.left() + 40, area.bottom() - 100);
        about->show();
        QTRY_COMPARE(about->frameGeometry().bottom(), area.bottom());
        QCOMPARE(about->frameGeometry().left(), area.left() + 40);
    }

    // What the window says of its maker is what product.json, the maker's
    // one source, says.
    void showsTheMakerOfTheProductFile()
    {
        QFile file(QStringLiteral(ORVANI_PRODUCT_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject product = QJsonDocument::fromJson(file.readAll()).object();
        FakePlatform platform;
        frnAbout about(platform);
        auto text
            = [&about](const char *label) { return about.findChild<QLabel *>(label)->text(); };
        QCOMPARE(text("Label6"), product["company"].toString());
        QCOMPARE(text("Label7"),
                 "Based in " + product["place"].toString() + ", since "
                     + product["since"].toString());
        QCOMPARE(text("Label8"), product["slogan"].toString());
        QCOMPARE(text("Label9"), QUrl(product["webAddress"].toString()).host());
    }

    // The program goes on while either window is left, whichever closes
    // first, and ends with the last. Last: the rule then stays in force.
    void programEndsWithItsLastWindow()
    {
        quitWhenNoWindowIsLeft(*qApp);
        QuitCounter quits;
        FakePlatform platform;
        for (bool aboutFirst : {false, true}) {
            QWidget mainWindow;
            QWidget *windows[] = {&mainWindow, new frnAbout(platform)};
            for (QWidget *window : windows)
                window->show();
            if (aboutFirst)
                std::swap(windows[0], windows[1]);
            // What is left is looked at in a call queued when a window hides;
            // a call queued after the close runs after it.
            bool goesOn = false;
            const auto queued
                = [](auto step) { QMetaObject::invokeMethod(qApp, step, Qt::QueuedConnection); };
            queued([&] {
                windows[0]->close();
                queued([&] {
                    goesOn = quits.count == 0;
                    windows[1]->close();
                    queued([&] { QCoreApplication::exit(quits.count == 1 ? 0 : 1); });
                });
            });
            quits.count = 0;
            QCOMPARE(QApplication::exec(), 0);
            QCoreApplication::sendPostedEvents(); // a last step the end came before
            QVERIFY2(goesOn, aboutFirst ? "About closed first" : "main window closed first");
        }
    }
};

QTEST_MAIN(TestFrnAbout)
#include "tst_frnabout.moc"
