#include "applicationlifetime.h"
#include "fakeplatform.h"
#include "frnabout.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
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
