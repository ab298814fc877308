#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "messagerecorder.h"
#include "trainerstart.h"

#include <QtTest>
#include <QtWebEngineWidgets>
#include <QtWidgets>

#include <csignal>

// The window as started for real, with the engine's page pane, over a copy
// of the content folder: the box and the list follow the page shown, a page
// that fails gives way to the not-found page, an ended page process shows
// its page again, and a window started minimised has its page on restoring.
class tst_WindowAndPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_folder;
    FakePlatform m_platform;
    std::unique_ptr<TrainerStart> m_start;

    QWebEngineView *view() const
    {
        PagePane *real = m_start->pane()->realPane();
        return real ? qobject_cast<QWebEngineView *>(real->widget()) : nullptr;
    }
    bool showing(const QString &file) const
    {
        return view() && view()->url().fileName() == file && !view()->page()->isLoading();
    }
    QString boxAndList() const
    {
        const auto *box = m_start->window()->findChild<QLineEdit *>("txtOrvana");
        const auto *list = m_start->window()->findChild<QComboBox *>("CmbEnglish");
        return (box->isVisible() ? box->text() : "(hidden)") + " / " + list->currentText() + " of "
            + QString::number(list->count());
    }
    // Whether `pageArea`, where a pane draws its page, stays clear of the
    // Orvani text box, which lies over the pane's foot.
    bool clearOfTheBox(const QWidget *pageArea) const
    {
        const auto onWindow = [this](const QWidget *widget) {
            return QRect(widget->mapTo(m_start->window(), QPoint()), widget->size());
        };
        const QRect box = onWindow(m_start->window()->findChild<QWidget *>("txtOrvana"));
        return onWindow(m_start->pane()).intersects(box) && !onWindow(pageArea).intersects(box);
    }
    // Whether `script` gives true in the page shown.
    bool runs(const QString &script) const
    {
        std::optional<bool> result;
        view()->page()->runJavaScript(script, [&](const QVariant &v) { result = v.toBool(); });
        return QTest::qWaitFor([&] { return result.has_value(); }, 30000) && *result;
    }
    void pick(const QString &group, const QString &entry)
    {
        m_start->window()->findChild<QAction *>(group)->trigger();
        auto *list = m_start->window()->findChild<QComboBox *>("CmbEnglish");
        list->setCurrentIndex(list->findText(entry) - 1);
        QTest::keyClick(list, Qt::Key_Down);
    }
    void start(const QString &program = qEnvironmentVariable("ORVANI_APP_DIR"))
    {
        m_start = std::make_unique<TrainerStart>(m_platform, program);
        m_start->show();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_platform.folder = m_folder->path();
        const QString from = qEnvironmentVariable("ORVANI_APP_DIR") + "/HTML";
        QVERIFY(QDir().mkpath(m_folder->path() + "/HTML"));
        for (const QString &name : QDir(from).entryList(QDir::Files)) // the pages, not their media
            QVERIFY(QFile::copy(from + "/" + name, m_folder->path() + "/HTML/" + name));
    }
    void cleanup() { m_start.reset(); }

    // The page is drawn clear of the box. A lesson's link followed by
    // keyboard, then Back: the box and the list name the page shown each time.
    void followsLinksAndBack()
    {
        start();
        QTRY_VERIFY_WITH_TIMEOUT(showing("intro.html"), 30000);
        QVERIFY(clearOfTheBox(view()->focusProxy()));
        pick("mnuAnimals", "Dog");
        QTRY_VERIFY_WITH_TIMEOUT(showing("dog.html"), 30000);
        QCOMPARE(boxAndList(), "Karewi / Dog of 13");
        QSignalSpy loaded(view(), &QWebEngineView::loadFinished);
        QVERIFY(QTest::qWaitForWindowActive(m_start->window()));
        view()->setFocus();
        QTRY_VERIFY(view()->focusProxy() && view()->focusProxy()->hasFocus());
        QTRY_VERIFY(runs("document.querySelector('a[rel=next]').focus(); "
                         "document.activeElement.getAttribute('href') == 'cow.html'"));
        QTest::keyClick(view()->focusProxy(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(showing("cow.html"), 30000);
        QTRY_COMPARE(boxAndList(), "Omavi / Cow of 13");
        view()->triggerPageAction(QWebEnginePage::Back);
        QTRY_VERIFY_WITH_TIMEOUT(showing("dog.html"), 30000);
        QTRY_COMPARE(boxAndList(), "Karewi / Dog of 13");
        view()->triggerPageAction(QWebEnginePage::Reload);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 3 && showing("dog.html"), 30000);
        QCOMPARE(boxAndList(), "Karewi / Dog of 13");
    }

    // A lesson page that is gone shows the not-found page, with a warning;
    // the box then says nothing of the lost page.
    void missingPageShowsTheNotFoundPage()
    {
        QVERIFY(QFile::remove(m_folder->path() + "/HTML/cow.html"));
        start();
        QTRY_VERIFY_WITH_TIMEOUT(showing("intro.html"), 30000);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("/HTML/cow.html did not load .*: the not-found "
                                                "page instead"));
        pick("mnuAnimals", "Cow");
        QTRY_VERIFY_WITH_TIMEOUT(showing("not.htm"), 30000);
        QCOMPARE(boxAndList(), "(hidden) / Cow of 13");
    }

    // An ended page process: the page comes back, with a warning.
    void endedPageProcessShowsItsPageAgain()
    {
        start();
        QTRY_VERIFY_WITH_TIMEOUT(showing("intro.html"), 30000);
        const qint64 process = view()->page()->renderProcessPid();
        QVERIFY(process > 0);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("the page's process ended .*: its page is shown "
                                                "again"));
        ::kill(pid_t(process), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(view()->page()->renderProcessPid() != process
                                     && view()->page()->renderProcessPid() > 0
                                     && showing("intro.html"),
                                 30000);
    }

    // Without the engine's module the plain pane stands in, with warnings
    // that say why, and shows the page clear of the Orvani text box.
    void withoutTheModuleThePlainPaneStandsIn()
    {
        const MessageRecorder messages;
        start(m_folder->path());
        QTRY_VERIFY_WITH_TIMEOUT(m_start->pane()->realPane(), 30000);
        const auto *plain = qobject_cast<QTextBrowser *>(m_start->pane()->realPane()->widget());
        QVERIFY(plain && plain->source().fileName() == "intro.html");
        QVERIFY(clearOfTheBox(plain->viewport()));
        const QString warnings = messages.warnings();
        QVERIFY2(warnings.contains("orvani.pane: the web page pane cannot be loaded from "
                                   + m_folder->path() + "/orvani-webpane: ")
                     && warnings.contains("orvani.pane: the plain page pane stands in"),
                 qPrintable(warnings));
    }

    // Started minimised, the window is never exposed: its page is there when
    // it is restored. Needs a window manager to keep a window iconic.
    void minimisedStartShowsItsPageOnRestoring()
    {
        const QString openbox = QStandardPaths::findExecutable("openbox");
        if (openbox.isEmpty())
            QSKIP("no window manager to start minimised under");
        QProcess manager;
        manager.start(openbox, {"--replace"});
        QVERIFY(manager.waitForStarted());
        const auto managed = [] {
            QProcess xprop;
            xprop.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
            return xprop.waitForFinished() && xprop.readAll().contains("window id");
        };
        QTRY_VERIFY_WITH_TIMEOUT(managed(), 30000);
        start();
        m_start->window()->showMinimized(); // before the window system has shown it
        QTRY_VERIFY_WITH_TIMEOUT(!m_start->window()->windowHandle()->isExposed(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(showing("intro.html"), 30000);
        m_start->window()->showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(m_start->window()->windowHandle()->isExposed(), 30000);
        QCOMPARE(view()->isVisible(), true);
        manager.terminate();
        manager.waitForFinished();
    }
};

int main(int argc, char *argv[])
{
    TrainerStart::prepareProcess();
    QApplication application(argc, argv);
    tst_WindowAndPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowandpage.moc"
