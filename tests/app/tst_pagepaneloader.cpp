#include "pagepane.h"
#include "pagepaneloader.h"

#include <QOpenGLContext>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The loader readies the engine on worker threads and makes the OpenGL
// context the engine shares itself, after the QApplication exists. These
// cases load the real module into this process.
class tst_PagePaneLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void makesAWorkingViewOnASharedContext();
    void missingModuleYieldsNothing_data();
    void missingModuleYieldsNothing();

private:
    static void recordWarning(QtMsgType type, const QMessageLogContext &, const QString &text);
    static QStringList s_warnings;
    QtMessageHandler m_previousHandler = nullptr;
};

QStringList tst_PagePaneLoader::s_warnings;

void tst_PagePaneLoader::recordWarning(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        s_warnings.append(text);
}

void tst_PagePaneLoader::initTestCase()
{
    QVERIFY2(!qEnvironmentVariable("ORVANI_APP_DIR").isEmpty(), "ORVANI_APP_DIR is not set");
    // What the engine says when it finds no context to share.
    m_previousHandler = qInstallMessageHandler(recordWarning);
}

void tst_PagePaneLoader::cleanupTestCase()
{
    qInstallMessageHandler(m_previousHandler);
}

void tst_PagePaneLoader::makesAWorkingViewOnASharedContext()
{
    QVERIFY(!QOpenGLContext::globalShareContext());
    const QString folder = qEnvironmentVariable("ORVANI_APP_DIR");
    PagePaneLoader loader(folder);
    loader.preload();
    loader.preload(); // a second call starts nothing more

    QWidget window;
    window.resize(465, 313);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PagePane *pane = loader.create(&window);
    QVERIFY(pane);
    QVERIFY(pane->widget()->inherits("QWebEngineView"));
    QVERIFY(QOpenGLContext::globalShareContext());
    QVERIFY(QOpenGLContext::globalShareContext()->isValid());

    QSignalSpy loaded(pane->widget(), SIGNAL(loadFinished(bool)));
    pane->widget()->resize(window.size());
    pane->widget()->show();
    pane->Navigate(folder + QStringLiteral("/HTML/intro.html"));
    QVERIFY(loaded.wait(30000));
    QCOMPARE(loaded.first().first().toBool(), true);
    const QStringList engineWarnings = s_warnings.filter(QStringLiteral("OpenGL"));
    QVERIFY2(engineWarnings.isEmpty(), qPrintable(engineWarnings.join('\n')));
    delete pane->widget();
}

void tst_PagePaneLoader::missingModuleYieldsNothing_data()
{
    QTest::addColumn<bool>("preloaded");
    QTest::newRow("after preload") << true;
    QTest::newRow("without preload") << false;
}

void tst_PagePaneLoader::missingModuleYieldsNothing()
{
    QFETCH(bool, preloaded);
    QTemporaryDir empty;
    PagePaneLoader loader(empty.path());
    if (preloaded)
        loader.preload();
    QWidget parent;
    QCOMPARE(loader.create(&parent), nullptr);
    QVERIFY(parent.children().isEmpty());
}

QTEST_MAIN(tst_PagePaneLoader)
#include "tst_pagepaneloader.moc"
