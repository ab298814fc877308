#include "deferredpagepane.h"
#include "recordingpane.h"
#include "textbrowserpane.h"

#include <QSignalSpy>
#include <QtTest>

class tst_DeferredPagePane : public QObject
{
    Q_OBJECT
private slots:
    void keepsRequestsUntilTheRealPaneExists();
    void fallsBackToThePlainPane_data();
    void fallsBackToThePlainPane();
};

void tst_DeferredPagePane::keepsRequestsUntilTheRealPaneExists()
{
    RecordingPane *real = nullptr;
    DeferredPagePane pane([&](QWidget *parent) {
        real = new RecordingPane;
        real->setParent(parent);
        return real;
    });
    pane.Navigate("/a/HTML/intro.html");
    pane.Navigate("/a/HTML/p1.html");
    QVERIFY(!real);

    QSignalSpy ready(&pane, &DeferredPagePane::realPaneReady);
    pane.resize(465, 313);
    pane.show();
    QVERIFY(ready.wait());
    QCOMPARE(real->addresses, (QStringList{"/a/HTML/intro.html", "/a/HTML/p1.html"}));
    QCOMPARE(real->geometry(), pane.rect());
    pane.Navigate("/a/HTML/p2.html");
    QCOMPARE(real->addresses.last(), QStringLiteral("/a/HTML/p2.html"));
}

void tst_DeferredPagePane::fallsBackToThePlainPane_data()
{
    QTest::addColumn<bool>("throws");
    QTest::newRow("factory yields nothing") << false;
    QTest::newRow("factory throws") << true;
}

void tst_DeferredPagePane::fallsBackToThePlainPane()
{
    QFETCH(bool, throws);
    DeferredPagePane pane([throws](QWidget *) -> PagePane * {
        if (throws)
            throw std::runtime_error("no engine");
        return nullptr;
    });
    QSignalSpy ready(&pane, &DeferredPagePane::realPaneReady);
    pane.show();
    QVERIFY(ready.wait());
    QVERIFY(dynamic_cast<TextBrowserPane *>(pane.realPane()));
}

QTEST_MAIN(tst_DeferredPagePane)
#include "tst_deferredpagepane.moc"
