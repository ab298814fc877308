#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"
#include "textbrowserpane.h"
#include "u16.h"
#include "wordgroups.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// The main window's handlers on real widgets, and the page pane standing in
// for the real one. The keyboard alone and the layout: tst_accessibility.
const QString kPrompt = QStringLiteral("Select a word group or other from the menu...");
const QString kError = QStringLiteral("Error reading file.. Please contact software vendor at "
                                      "support@quillfen.example to correct!");

class tst_Form1 : public QObject
{
    Q_OBJECT
    FakePlatform m_platform;
    RecordingPane *m_pane = nullptr;
    QPointer<Form1> m_form;
    QStringList m_steps; // as the user sees them: the text box shown or hidden, pages

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            m_steps << (event->type() == QEvent::Show ? "show" : "hide");
        return false;
    }

    void trigger(const QString &item) { m_form->findChild<QAction *>(item)->trigger(); }

    // Picks `text` as a user does: the arrow key onto it.
    void pick(const QString &text)
    {
        m_form->CmbEnglish->setCurrentIndex(m_form->CmbEnglish->findText(text) - 1);
        QTest::keyClick(m_form->CmbEnglish, Qt::Key_Down);
    }

private slots:
    void init()
    {
        m_platform = FakePlatform();
        m_steps.clear();
        m_pane = new RecordingPane;
        m_pane->onNavigate = [this](const QString &page) {
            m_steps << "open " + page.section('/', -1);
        };
        m_form = new Form1(m_platform, m_pane);
        m_form->txtOrvana->installEventFilter(this);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        // Loaded: the intro asked for, the box hidden, the list empty with the prompt.
        QCOMPARE(m_steps, QStringList{"open intro.html"});
        QVERIFY(m_form->txtOrvana->isHidden() && m_form->CmbEnglish->count() == 0);
        QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
    }

    void cleanup() { delete m_form; }

    void story_data()
    {
        QTest::addColumn<QString>("story"); // menu items; "pick", "type" or "keys" an entry; faults
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");  // in the box at the end
        QTest::addColumn<QString>("list");  // the group whose entries it holds; "": the prompt
        QTest::addColumn<QString>("field"); // of the list
        const auto row = [](const QString &story, const QString &steps, const QString &text,
                            const QString &list, const QString &field) {
            QTest::newRow(qPrintable(story)) << story << steps << text << list << field;
        };
        // From Animals with Buffalo picked: the box shows "Tatanka".
        for (const char *group : {"mnuAnimals", "mnuColors", "mnuFamily", "mnuFood"})
            row(group, "", "Tatanka", group, "");
        row("mnuBody", "open body_parts.html, hide", "Tatanka", "mnuBody", "");
        row("mnuNumbers", "hide, open numbers.html", "Tatanka", "mnuNumbers", "");
        row("mnuShapes, mnuShapes", "", "Tatanka", "mnuShapes", ""); // refilled, not extended
        row("mnuPhrases", "", "", "mnuPhrases", "");
        row("mnuIntro", "open intro.html, hide", "", "", kPrompt);
        row("mnuSyntax", "hide, open syntax.htm", "", "", kPrompt);
        row("mnuEnglish_dict", "hide, open english.htm", "", "", kPrompt);
        row("mnuOrva_dict", "hide, open orvani.htm", "", "", kPrompt);
        row("pick Wolf", "open wolf.html", "Sunkmanitu tanka", "mnuAnimals", "Wolf");
        row("mnuBody, pick Body Parts",
            "open body_parts.html, hide, show, open body_parts.html, hide", "Tatanka", "mnuBody",
            "Body Parts");
        row("mnuNumbers, pick One to Ten", "hide, open numbers.html, show, hide, open numbers.html",
            "Tatanka", "mnuNumbers", "One to Ten");
        row("mnuNumbers, type bear", "hide, open numbers.html, show", "Tatanka", "mnuNumbers",
            "bear");
        // A page that fails opens not.htm; when that fails too, it is dropped.
        row("pages fail, pick Fox", "open fox.html, fails, open not.htm", "Sirolan", "mnuAnimals",
            "Fox");
        row("mnuBody, pages fail, pick Body Parts",
            "open body_parts.html, hide, show, open body_parts.html, fails, open not.htm",
            "Tatanka", "mnuBody", "Body Parts");
        row("mnuColors, pages fail, pick Sacred Colors",
            "hide, open sacred_colors.html, fails, open not.htm", "Tatanka", "mnuColors",
            "Sacred Colors");
        row("all pages fail, type Fox", "open fox.html, fails, open not.htm, fails", "Sirolan",
            "mnuAnimals", "Fox");
        // Typing and Enter start nothing, nor does leaving the field.
        row("keys Fox", "", "Tatanka", "mnuAnimals", "Fox");
        // The screen saver starts each time, or the user is told; the window stays.
        row("mnuStory, mnuStory, start fails, mnuStory, no folder, mnuStory",
            "start /trainer/HTML//ss.exe, start /trainer/HTML//ss.exe, message, message", "Tatanka",
            "mnuAnimals", "Buffalo");
        // A failing step ends its handler; the steps before it keep their effect.
        row("no folder, mnuSyntax", "hide", "Tatanka", "mnuAnimals", "Buffalo");
        row("no folder, mnuBody", "", "Tatanka", "mnuBody", "");
    }

    // From one start: the steps in order, the box's text, the list (a group's
    // entries sorted, or empty with the prompt), its field; only picks count.
    void story()
    {
        QFETCH(QString, story);
        QFETCH(QString, steps);
        QFETCH(QString, text);
        QFETCH(QString, list);
        QFETCH(QString, field);
        trigger("mnuAnimals");
        pick("Buffalo");
        m_steps.clear();
        QSignalSpy picks(m_form->CmbEnglish, &QComboBox::activated);
        for (const QString &step : story.split(", ")) {
            if (step.startsWith("pick ")) {
                pick(step.mid(5));
            } else if (step.startsWith("type ")) { // text the handler looks up
                m_form->CmbEnglish->setEditText(step.mid(5));
                m_form->CmbEnglish_Click();
            } else if (step.endsWith("fail")) {
                m_pane->failWhen = [this, all = step.startsWith("all")](const QString &page) {
                    const bool fails = all || !page.endsWith("/not.htm");
                    if (fails)
                        m_steps << "fails";
                    return fails;
                };
            } else if (step == "no folder") {
                m_platform.folderFails = true;
            } else if (step == "start fails") {
                m_platform.startFails = true;
            } else if (step.startsWith("keys ")) {
                m_form->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(m_form));
                m_form->CmbEnglish->setFocus();
                m_form->CmbEnglish->lineEdit()->selectAll();
                QTest::keyClicks(m_form->CmbEnglish->lineEdit(), step.mid(5));
                QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Return);
                QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Enter);
                m_pane->setFocus();
            } else {
                trigger(step);
            }
        }
        for (const QString &program : m_platform.started)
            m_steps << "start " + program;
        for (const QString &message : m_platform.messages)
            m_steps << (message == kError ? "message" : message);
        QCOMPARE(m_steps.join(", "), steps);
        QCOMPARE(m_form->txtOrvana->text(), text);
        QStringList group, shown;
        if (const orvani::WordGroup *g = orvani::FindWordGroup(toU16View(list)))
            for (auto entry : g->entries)
                group << toQString(entry);
        group.sort(Qt::CaseInsensitive);
        for (int i = 0; i < m_form->CmbEnglish->count(); ++i)
            shown << m_form->CmbEnglish->itemText(i);
        QCOMPARE(shown, group);
        QCOMPARE(m_form->CmbEnglish->currentText(), field);
        QCOMPARE(picks.count(), int(story.count("pick")));
    }

    // One About window however often the command comes; a fresh one once
    // it was closed.
    void aboutCommandKeepsOneWindow()
    {
        const auto shown = [] {
            QList<QPointer<QWidget>> found;
            for (QWidget *window : QApplication::topLevelWidgets())
                if (qobject_cast<frnAbout *>(window) && window->isVisible())
                    found << window;
            return found;
        };
        trigger("mnuAbout");
        trigger("mnuAbout");
        QCOMPARE(shown().size(), 1);
        QPointer<QWidget> about = shown().first();
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        trigger("mnuAbout");
        QCOMPARE(shown().size(), 1);
        delete shown().first();
    }

    // Requests from before the first paint reach the real pane in order; it fills
    // the stand-in. A factory that yields nothing or throws leaves the plain pane.
    void deferredPane()
    {
        for (int factory : {0, 1, 2}) {
            RecordingPane *real = nullptr;
            DeferredPagePane pane([&](QWidget *parent) -> PagePane * {
                if (factory == 2)
                    throw std::runtime_error("no engine");
                if (factory == 0)
                    (real = new RecordingPane)->setParent(parent);
                return real;
            });
            pane.Navigate("/a/HTML/intro.html");
            pane.Navigate("/a/HTML/p1.html");
            QSignalSpy ready(&pane, &DeferredPagePane::realPaneReady);
            pane.resize(465, 313);
            pane.show();
            QVERIFY(!pane.realPane() && ready.wait());
            pane.Navigate("/a/HTML/p2.html");
            QCOMPARE(pane.realPane()->widget()->geometry(), pane.rect());
            if (real)
                QCOMPARE(real->addresses.join(' '),
                         "/a/HTML/intro.html /a/HTML/p1.html /a/HTML/p2.html");
            else
                QVERIFY(dynamic_cast<TextBrowserPane *>(pane.realPane()));
        }
    }

    void exitUnloadsTheWindow()
    {
        trigger("mnuExit");
        QTRY_VERIFY(m_form.isNull());
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
