#include "applicationlifetime.h"
#include "fakeplatform.h"
#include "frnabout.h"
#include "onscreenplacement.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The About window; its command: tst_form1, its names and roles: screenreader.py.
class TestFrnAbout : public QObject
{
    Q_OBJECT
private slots:
    void click_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("opener"); // there is one to call
        for (const char *link : {"Image1", "Label9"})
            for (bool opener : {true, false})
                QTest::addRow("%s, %s", link, opener ? "opener" : "no opener") << link << opener;
    }

    // The picture and the address open the maker's site, then close the window
    // unless there is no opener at all (the failure goes no further).
    void click()
    {
        QFETCH(QString, control);
        QFETCH(bool, opener);
        FakePlatform platform;
        platform.openerMissing = !opener;
        QPointer<frnAbout> about = new frnAbout(platform);
        about->show();
        if (!opener)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(control + "_Click stopped: no opener"));
        QTest::mouseClick(about->findChild<QWidget *>(control), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(platform.opened.join(' '), opener ? "http://www.quillfen.example/" : "");
        QCOMPARE(about.isNull(), opener);
        delete about;
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
