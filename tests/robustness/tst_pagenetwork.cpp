#include "pagepane.h"
#include "pagepanefactory.h"

#include <QPluginLoader>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

// The program's own page pane, loaded from the module it ships, shows
// local pages that try every way there is to reach a server on this
// machine. None may reach it.
class tst_PageNetwork : public QObject
{
    Q_OBJECT
private slots:
    void localPagesReachNoServer_data();
    void localPagesReachNoServer();
};

namespace {

// Sub-resources, script requests, a socket, a beacon, a form and, last, a
// navigation of the whole page.
const char *const kPage = R"(<!DOCTYPE html>
<html><head>
<link rel="stylesheet" href="http://127.0.0.1:%1/style.css">
<script src="http://127.0.0.1:%1/script.js"></script>
<style>body { background: url(http://127.0.0.1:%1/background.png); }</style>
</head><body>
<img src="http://127.0.0.1:%1/picture.png">
<audio src="http://127.0.0.1:%1/sound.ogg" preload="auto"></audio>
<iframe src="http://127.0.0.1:%1/frame.html"></iframe>
<form id="form" action="http://127.0.0.1:%1/form" method="post" target="sink"><input name="a"></form>
<iframe name="sink"></iframe>
<script>
fetch('http://127.0.0.1:%1/fetch').catch(() => {});
fetch('http://127.0.0.1:%1/no-cors', {mode: 'no-cors'}).catch(() => {});
const request = new XMLHttpRequest();
request.open('GET', 'http://127.0.0.1:%1/xhr');
try { request.send(); } catch (e) {}
try { new WebSocket('ws://127.0.0.1:%1/socket'); } catch (e) {}
try { navigator.sendBeacon('http://127.0.0.1:%1/beacon', 'x'); } catch (e) {}
try { document.getElementById('form').submit(); } catch (e) {}
setTimeout(() => { location.href = 'http://127.0.0.1:%1/away'; }, 500);
document.title = 'tried';
</script>
</body></html>
)";

} // namespace

void tst_PageNetwork::localPagesReachNoServer_data()
{
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<bool>("remoteAllowed");
    QTest::addColumn<bool>("reaches");
    QTest::newRow("as the program sets it up") << true << false << false;
    // The controls show that the page would reach the server otherwise:
    // without the pane's request filter its WebSocket gets through.
    QTest::newRow("control: no request filter") << false << false << true;
    QTest::newRow("control: neither protection") << false << true << true;
}

void tst_PageNetwork::localPagesReachNoServer()
{
    QFETCH(bool, filtered);
    QFETCH(bool, remoteAllowed);
    QFETCH(bool, reaches);

    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    // What arrived: the first line of each request, or a bare connection.
    QStringList arrived;
    connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            const qsizetype index = arrived.size();
            arrived << QStringLiteral("a connection");
            connect(socket, &QTcpSocket::readyRead, socket, [&arrived, index, socket] {
                if (!socket->canReadLine())
                    return;
                arrived[index] = QString::fromLatin1(socket->readLine()).trimmed();
                socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
            });
        }
    });
    QTemporaryDir folder;
    QFile page(folder.filePath("page.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(QString::fromLatin1(kPage).arg(server.serverPort()).toUtf8());
    page.close();

    QPluginLoader module(qEnvironmentVariable("ORVANI_APP_DIR") + "/orvani-webpane");
    auto *factory = qobject_cast<PagePaneFactory *>(module.instance());
    QVERIFY2(factory, qPrintable(module.errorString()));
    QWidget window;
    window.resize(465, 313);
    std::unique_ptr<PagePane> pane(factory->createPagePane(&window));
    auto *view = qobject_cast<QWebEngineView *>(pane->widget());
    QVERIFY(view);
    view->resize(window.size());
    if (!filtered)
        view->page()->profile()->setUrlRequestInterceptor(nullptr);
    view->page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                           remoteAllowed);
    window.show();

    pane->Navigate(page.fileName());
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("tried"), 30000);
    QTest::qWait(2000); // the navigation away starts after half a second
    QVERIFY2(arrived.isEmpty() != reaches, qPrintable(arrived.join(", ")));
}

QTEST_MAIN(tst_PageNetwork)
#include "tst_pagenetwork.moc"
