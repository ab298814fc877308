#include "pagepane.h"
#include "pagepanefactory.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWebEngineWidgets>

// The program's own page pane, loaded from the module it ships, shows a
// local page that tries every way there is to reach a server on this
// machine: none may reach it.
class tst_PageNetwork : public QObject
{
    Q_OBJECT
private slots:
    void localPagesReachNoServer_data();
    void localPagesReachNoServer();
};

// Sub-resources, script requests, a socket, a beacon, a form and, last, a
// navigation of the whole page, all to the server at %1.
static const char kPage[] = R"(<!DOCTYPE html><html><head>
<link rel="stylesheet" href="%1/style.css"><script src="%1/script.js"></script>
<style>body { background: url(%1/background.png); }</style>
</head><body>
<img src="%1/picture.png"><audio src="%1/sound.ogg" preload="auto"></audio><iframe src="%1/frame.html"></iframe>
<form id="form" action="%1/form" method="post" target="sink"><input name="a"></form><iframe name="sink"></iframe>
<script>
fetch('%1/fetch').catch(() => {}), fetch('%1/no-cors', {mode: 'no-cors'}).catch(() => {});
try { const request = new XMLHttpRequest(); request.open('GET', '%1/xhr'); request.send(); } catch (e) {}
try { new WebSocket('%1/socket'.replace('http', 'ws')); } catch (e) {}
try { navigator.sendBeacon('%1/beacon', 'x'); } catch (e) {}
try { document.getElementById('form').submit(); } catch (e) {}
setTimeout(() => { location.href = '%1/away'; }, 500);
document.title = 'tried';
</script></body></html>)";

void tst_PageNetwork::localPagesReachNoServer_data()
{
    QTest::addColumn<bool>("filtered");
    QTest::newRow("as the program sets it up") << true;
    // Without the pane's request filter the page's WebSocket gets through:
    // the test sees a page that reaches the server.
    QTest::newRow("control: no request filter") << false;
}

void tst_PageNetwork::localPagesReachNoServer()
{
    QFETCH(bool, filtered);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QStringList arrived; // connections and the lines of their requests
    connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            arrived << QStringLiteral("a connection");
            connect(socket, &QTcpSocket::readyRead, [&arrived, socket] { arrived << socket->readAll(); });
        }
    });
    QTemporaryDir folder;
    QFile page(folder.filePath("page.html"));
    QVERIFY(page.open(QIODevice::WriteOnly)
            && page.write(QString::fromLatin1(kPage).arg("http://127.0.0.1:" + QString::number(server.serverPort())).toUtf8()));
    page.close();

    QPluginLoader module(qEnvironmentVariable("ORVANI_APP_DIR") + "/orvani-webpane");
    auto *factory = qobject_cast<PagePaneFactory *>(module.instance());
    QVERIFY2(factory, qPrintable(module.errorString()));
    QWidget window;
    PagePane *pane = factory->createPagePane(&window); // the window's child
    auto *view = qobject_cast<QWebEngineView *>(pane->widget());
    QVERIFY(view);
    if (!filtered)
        view->page()->profile()->setUrlRequestInterceptor(nullptr);
    window.show();

    pane->Navigate(page.fileName());
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("tried"), 30000);
    QTest::qWait(2000); // the navigation away starts after half a second
    QVERIFY2(arrived.isEmpty() == filtered, qPrintable(arrived.join(", ")));
}

QTEST_MAIN(tst_PageNetwork)
#include "tst_pagenetwork.moc"
