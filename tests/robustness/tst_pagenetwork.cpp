#include "form1layout.h"
#include "pagepane.h"
#include "pagepanefactory.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWebEngineWidgets>

// The program's own page pane, loaded from the module it ships: the pages
// its addresses name and its context menu, and a page that tries to reach a
// file beside its folder and a server on this machine.
class tst_PageNetwork : public QObject
{
    Q_OBJECT
    PagePaneFactory *m_factory = nullptr;
    const QString m_content = qEnvironmentVariable("ORVANI_APP_DIR") + "/HTML/";

    // A pane in `window`, as its web view.
    QWebEngineView *createPane(QWidget &window, PagePane **pane)
    {
        *pane = m_factory->createPagePane(&window); // the window's child
        window.resize(form1layout::kPagePane.size());
        (*pane)->widget()->resize(window.size());
        window.show();
        return qobject_cast<QWebEngineView *>((*pane)->widget());
    }

private slots:
    void initTestCase();
    void pagesAndTheirMenu();
    void noFlashBeforeThePage();
    void pagesReachNothingOutsideTheirFolder_data();
    void pagesReachNothingOutsideTheirFolder();
};

// A page's script reads the file `%1.txt` as data, shows the pictures `%1.svg`
// beside its folder and `audio/inside.svg` in it and opens a socket to the
// server at %2 (a navigation, a frame or any other request is seen as these
// are); the title says what each got.
static const char kReader[] = R"(<!DOCTYPE html><html><body><script>
const got = {};
const done = (way, text) => { got[way] = text.trim();
    if (Object.keys(got).length === 4) document.title =
        `fetch:${got.fetch} picture:${got.picture} socket:${got.socket} inside:${got.inside}`; };
const socket = new WebSocket('%2');
socket.onopen = () => done('socket', 'open');
socket.onerror = () => done('socket', '');
fetch('%1.txt').then(r => r.text()).then(t => done('fetch', t), () => done('fetch', ''));
const show = (way, address) => { const picture = new Image();
    picture.onload = () => done(way, 'shown'); picture.onerror = () => done(way, '');
    picture.src = address; };
show('picture', '%1.svg');
show('inside', 'audio/inside.svg');
</script></body></html>)";

void tst_PageNetwork::initTestCase()
{
    static QPluginLoader module(qEnvironmentVariable("ORVANI_APP_DIR") + "/orvani-webpane");
    m_factory = qobject_cast<PagePaneFactory *>(module.instance());
    QVERIFY2(m_factory, qPrintable(module.errorString()));
}

// The addresses of a folder at the root (two leading separators) and with
// a doubled one inside load their pages. Every command the page's menu offers
// does what it says: it is tried, and its effect seen. The menu is opened
// afresh before each.
void tst_PageNetwork::pagesAndTheirMenu()
{
    QWidget window;
    PagePane *pane = nullptr;
    QWebEngineView *view = createPane(window, &pane);
    QSignalSpy loads(view, &QWebEngineView::loadFinished);
    const std::pair<QString, const char *> pages[]
        = {{"/" + m_content, "intro.html"}, {m_content + "/", "syntax.htm"}};
    for (const auto &[folder, file] : pages) {
        pane->Navigate(folder + file);
        QVERIFY(loads.wait(30000) && loads.last().first().toBool());
        QCOMPARE(view->url(), QUrl::fromLocalFile(m_content + file));
    }
    const auto on = [view](const char *file) { return view->url().fileName() == file; };
    const struct {
        const char *offered; // disabled in brackets
        const char *command;
        std::function<bool()> worked;
    } steps[] = {
        {"Back (Forward) Reload Select all", "Back", [&] { return on("intro.html"); }},
        {"(Back) Forward Reload Select all", "Forward", [&] { return on("syntax.htm"); }},
        {"Back (Forward) Reload Select all", "Reload", [&] { return !loads.isEmpty(); }},
        {"Back (Forward) Reload Select all", "Select all", [&] { return view->hasSelection(); }},
        {"Back (Forward) Reload Copy Select all", "Copy",
         [&] { // buttons hold no text to copy
             return QGuiApplication::clipboard()->text()
                 == view->selectedText().remove(QChar::ObjectReplacementCharacter);
         }},
    };
    for (const auto &step : steps) {
        while (QWidget *late = QApplication::activePopupWidget()) // asked for twice
            late->close();
        // The engine asks for the menu; a page that is not yet taking input
        // drops the click, so it is made again until the menu shows.
        QVERIFY(QTest::qWaitFor(
            [&] {
                QTest::mouseClick(view->focusProxy(), Qt::RightButton);
                return QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 2000);
            },
            60000));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList offered;
        QAction *command = nullptr;
        for (QAction *item : menu->actions()) {
            const QString text = item->text().remove('&');
            if (!item->isSeparator())
                offered << (item->isEnabled() ? text : "(" + text + ")");
            command = text == step.command ? item : command;
        }
        QCOMPARE(offered.join(' '), step.offered);
        loads.clear();
        command->trigger();
        menu->close();
        QTRY_VERIFY2_WITH_TIMEOUT(step.worked(), step.command, 30000);
    }
}

// The pane is drawn in the pages' background from the moment it shows,
// before its first page, and it leaves that colour under the Orvani box.
void tst_PageNetwork::noFlashBeforeThePage()
{
    QWidget window;
    PagePane *pane = nullptr;
    QWebEngineView *view = createPane(window, &pane);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto colourAt = [view](int x, int y) { // on the screen
        return view->screen()->grabWindow(view->winId(), x, y, 1, 1).toImage().pixelColor(0, 0);
    };
    const int beside = 3, band = view->height() - 2; // left of the text; under the box
    const QColor before = colourAt(beside, view->height() / 2);
    QSignalSpy loads(view, &QWebEngineView::loadFinished);
    pane->Navigate(m_content + "intro.html");
    QVERIFY(loads.wait(30000) && loads.last().first().toBool());
    QTRY_COMPARE_WITH_TIMEOUT(colourAt(beside, view->height() / 2), before, 10000);
    QCOMPARE(colourAt(beside, band), before);
}

// A page of the folder the program opened reads nothing of a file beside it,
// and reaches no server, while all within the folder is its own (every
// page's styles, pictures and sounds: tst_pagesinengine).
void tst_PageNetwork::pagesReachNothingOutsideTheirFolder_data()
{
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QString>("got");
    QTest::newRow("as the program sets it up") << true << "fetch: picture: socket: inside:shown";
    // Without the filter the page reads the file and its socket reaches the
    // server (which hangs up): the test sees a page that can.
    QTest::newRow("control: no request filter")
        << false << "fetch:secret picture:shown socket: inside:shown";
}

void tst_PageNetwork::pagesReachNothingOutsideTheirFolder()
{
    QFETCH(bool, filtered);
    QFETCH(QString, got);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int reached = 0;
    connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection())
            ++reached, socket->close();
    });
    QTemporaryDir folder;
    const auto write = [&folder](const QString &name, const QString &text) {
        QFile out(folder.filePath(name));
        return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) == text.toUtf8().size();
    };
    const QString picture = "<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>";
    QVERIFY(QDir(folder.path()).mkpath("HTML/audio") && write("secret.txt", "secret")
            && write("secret.svg", picture) && write("HTML/audio/inside.svg", picture)
            && write("HTML/page.html",
                     QString::fromLatin1(kReader).arg(
                         "../secret", "ws://127.0.0.1:" + QString::number(server.serverPort()))));

    QWidget window;
    PagePane *pane = nullptr;
    QWebEngineView *view = createPane(window, &pane);
    if (!filtered)
        view->page()->profile()->setUrlRequestInterceptor(nullptr);
    pane->Navigate(folder.filePath("HTML/page.html"));
    QTRY_VERIFY_WITH_TIMEOUT(view->title().startsWith("fetch:"), 30000);
    QCOMPARE(view->title(), got);
    QCOMPARE(reached > 0, !filtered);
}

QTEST_MAIN(tst_PageNetwork)
#include "tst_pagenetwork.moc"
