#include "pagepane.h"
#include "pagepaneloader.h"
#include "trainerstart.h"

#include <QtTest>
#include <QtWidgets>

// The loader of the web-engine page pane, in a process set up as the
// program sets itself up.
class tst_PagePaneLoader : public QObject
{
    Q_OBJECT
private slots:
    // The module loads in the background, before anyone asks for a pane;
    // the pane it makes is the engine's view.
    void readiesTheEngineInTheBackground()
    {
        PagePaneLoader loader(qEnvironmentVariable("ORVANI_APP_DIR"));
        QSignalSpy ready(&loader, &PagePaneLoader::ready);
        loader.preload();
        QVERIFY(ready.wait(30000) && loader.isReady());
        QWidget window;
        PagePane *pane = loader.create(&window);
        QVERIFY(pane && pane->widget()->inherits("QWebEngineView"));
    }

    // Without the module there is no pane, and a warning says why.
    void tellsWhyThereIsNoPane()
    {
        QTemporaryDir empty;
        PagePaneLoader loader(empty.path());
        QSignalSpy ready(&loader, &PagePaneLoader::ready);
        loader.preload();
        QVERIFY(ready.wait());
        QWidget window;
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression("web page pane cannot be loaded from .*/orvani-webpane: .+"));
        QCOMPARE(loader.create(&window), nullptr);
    }
};

int main(int argc, char *argv[])
{
    TrainerStart::prepareProcess();
    QApplication application(argc, argv);
    tst_PagePaneLoader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagepaneloader.moc"
