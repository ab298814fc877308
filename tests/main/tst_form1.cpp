#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"
#include "textbrowserpane.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// The main window's handlers on real widgets, with a recording page pane.
// Failures reached from the event loop: tst_faults; the keyboard alone and
// what screen readers read: tst_accessibility.
const QString kPrompt = QStringLiteral("Select a word group or other from the menu...");
const QString kError = QStringLiteral("Error reading file.. Please contact software vendor at "
                                      "support@quillfen.example to correct!");

class tst_Form1 : public QObject
{
    Q_OBJECT
    FakePlatform m_platform;
    RecordingPane *m_pane = nullptr;
    QPointer<Form1> m_form;
    QStringList m_steps; // as the user sees them: the text box shown or hidden, pages asked for

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

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < m_form->CmbEnglish->count(); ++i)
            items << m_form->CmbEnglish->itemText(i);
        return items;
    }

    // Pages that fail to open; with `notFoundToo`, the not-found page as well.
    void pagesFail(bool notFoundToo = false)
    {
        m_pane->failWhen = [this, notFoundToo](const QString &page) {
            const bool fails = notFoundToo || !page.endsWith("/not.htm");
            if (fails)
                m_steps << "fails";
            return fails;
        };
    }

private slots:
    void init()
    {
        m_platform = FakePlatform();
        m_steps.clear();
        m_pane = new RecordingPane;
        m_pane->onNavigate = [this](const QString &page) { m_steps << "open " + page; };
        m_form = new Form1(m_platform, m_pane);
        m_form->txtOrvana->installEventFilter(this);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        // Loaded: the intro asked for, the box hidden, the list empty with the prompt.
        QCOMPARE(m_steps, QStringList{"open /trainer/HTML/intro.html"});
        QVERIFY(m_form->txtOrvana->isHidden() && m_form->CmbEnglish->count() == 0);
        QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
        // Then Buffalo, as a user would have picked it.
        trigger("mnuAnimals");
        pick("Buffalo");
        QCOMPARE(m_form->txtOrvana->text(), "Tatanka");
        m_steps.clear();
    }

    void cleanup() { delete m_form; }

    void wordGroup_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("shown"); // the list, as it reads
        QTest::addColumn<QStringList>("steps"); // of both choices, as the box changes
        QTest::addColumn<QString>("text");
        QTest::newRow("Animals") << "mnuAnimals"
            << QStringList{"Bear", "Beaver", "Buffalo", "Cow", "Deer", "Dog", "Fox", "Horse",
                           "Mouse", "Pig", "Rabbit", "Skunk", "Wolf"} << QStringList() << "Tatanka";
        QTest::newRow("Body") << "mnuBody" << QStringList{"Body Parts"}
            << QStringList{"open /trainer/HTML/body_parts.html", "hide", "open /trainer/HTML/body_parts.html"}
            << "Tatanka";
        QTest::newRow("Colors") << "mnuColors" << QStringList{"Color Wheel", "Sacred Colors"}
            << QStringList() << "Tatanka";
        QTest::newRow("Family") << "mnuFamily"
            << QStringList{"Father", "Grandfather", "Grandmother", "Mother", "Uncle"} << QStringList()
            << "Tatanka";
        QTest::newRow("Food") << "mnuFood" << QStringList{"Beef", "Bread", "Milk", "Potato", "Soup"}
            << QStringList() << "Tatanka";
        QTest::newRow("Numbers") << "mnuNumbers" << QStringList{"One to Ten"}
            << QStringList{"hide", "open /trainer/HTML/numbers.html", "open /trainer/HTML/numbers.html"}
            << "Tatanka";
        QTest::newRow("Shapes") << "mnuShapes"
            << QStringList{"Circle", "Rectangle", "Square", "Triangle"} << QStringList() << "Tatanka";
        QTest::newRow("Phrases") << "mnuPhrases"
            << QStringList{"Are you full?", "Come in. {to one}", "Did you do this?",
                           "Have you had enough to eat?", "How old are you?", "I don't feel good.",
                           "I don't know.", "I have a problem.", "I have a stomach ache.", "I saw.",
                           "I wish to speak to you.", "I'm full", "I'm glad to see you again.",
                           "I'm glad you came.", "I'm happy to have met you.", "It is said.",
                           "We had.", "What is it?", "What is your name?", "Where are you from?",
                           "Where are you going?", "Where do you come from?", "Where do you live?",
                           "Where have you been?"}
            << QStringList() << "";
    }

    // Chosen twice: the list holds the group once, sorted, nothing selected
    // and the field empty; the steps come in their order; the box keeps its
    // text unless the group empties it.
    void wordGroup()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        trigger(item);
        trigger(item);
        QCOMPARE(listed(), shown);
        QCOMPARE(m_steps, steps);
        QCOMPARE(m_form->txtOrvana->text(), text);
        QCOMPARE(m_form->CmbEnglish->currentIndex(), -1);
        QCOMPARE(m_form->CmbEnglish->currentText(), QString());
    }

    void pageCommand_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Intro") << "mnuIntro" << QStringList{"open /trainer/HTML/intro.html", "hide"};
        QTest::newRow("Syntax") << "mnuSyntax" << QStringList{"hide", "open /trainer/HTML/syntax.htm"};
        QTest::newRow("English to Orvani")
            << "mnuEnglish_dict" << QStringList{"hide", "open /trainer/HTML/english.htm"};
        QTest::newRow("Orvani to English")
            << "mnuOrva_dict" << QStringList{"hide", "open /trainer/HTML/orvani.htm"};
    }

    // Back to the state after start-up, but for the page.
    void pageCommand()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, steps);
        trigger(item);
        QCOMPARE(m_steps, steps);
        QVERIFY(m_form->txtOrvana->isHidden() && m_form->txtOrvana->text().isEmpty());
        QCOMPARE(m_form->CmbEnglish->count(), 0);
        QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
    }

    void selection_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("failing"); // 0 none, 1 the entry's page, 2 the not-found page too
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("visible");
        const QString body = "open /trainer/HTML/body_parts.html";
        QTest::newRow("text entry") << "mnuAnimals" << "Wolf" << 0
            << QStringList{"open /trainer/HTML/wolf.html"} << "Sunkmanitu tanka" << true;
        QTest::newRow("hidden after opening") << "mnuBody" << "Body Parts" << 0
            << QStringList{body, "hide", "show", body, "hide"} << "Tatanka" << false;
        QTest::newRow("hidden before opening") << "mnuColors" << "Sacred Colors" << 0
            << QStringList{"hide", "open /trainer/HTML/sacred_colors.html"} << "Tatanka" << false;
        QTest::newRow("failing text entry") << "mnuAnimals" << "Fox" << 1
            << QStringList{"open /trainer/HTML/fox.html", "fails", "open /trainer/HTML/not.htm"}
            << "Sirolan" << true;
        QTest::newRow("failing, hidden after opening") << "mnuBody" << "Body Parts" << 1
            << QStringList{body, "hide", "show", body, "fails", "open /trainer/HTML/not.htm"}
            << "Tatanka" << true;
        QTest::newRow("not-found page failing too") << "mnuAnimals" << "Fox" << 2
            << QStringList{"open /trainer/HTML/fox.html", "fails", "open /trainer/HTML/not.htm", "fails"}
            << "Sirolan" << true;
    }

    // A pick shows the box, writes a text entry's Orvani and opens its page;
    // a page-only entry hides the box before or after; a failing step sends
    // the pane to the not-found page, whose own failure is dropped.
    void selection()
    {
        QFETCH(QString, group);
        QFETCH(QString, entry);
        QFETCH(int, failing);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        QFETCH(bool, visible);
        trigger(group);
        if (failing)
            pagesFail(failing == 2);
        pick(entry);
        QCOMPARE(m_steps, steps);
        QCOMPARE(m_form->txtOrvana->text(), text);
        QCOMPARE(m_form->txtOrvana->isVisible(), visible);
    }

    // Text that no entry has: the box is shown with its text, the page stays.
    void unknownTextShowsTheBoxOnly()
    {
        trigger("mnuNumbers");
        m_form->CmbEnglish->setEditText("bear");
        m_form->CmbEnglish_Click();
        QCOMPARE(m_steps, (QStringList{"hide", "open /trainer/HTML/numbers.html", "show"}));
        QCOMPARE(m_form->txtOrvana->text(), "Tatanka");
    }

    // A step that fails without an error path ends its handler; the steps
    // before it keep their effect.
    void uncaughtFailureKeepsEarlierSteps()
    {
        m_platform.folderFails = true;
        trigger("mnuSyntax");
        QCOMPARE(m_steps, QStringList{"hide"});
        QCOMPARE(m_form->CmbEnglish->currentText(), "Buffalo");
    }

    // Typing an entry's text, Enter and leaving the field start nothing.
    void typingStartsNothing()
    {
        QSignalSpy picks(m_form->CmbEnglish, &QComboBox::activated);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        m_form->CmbEnglish->setFocus();
        m_form->CmbEnglish->lineEdit()->selectAll();
        QTest::keyClicks(m_form->CmbEnglish->lineEdit(), "Fox");
        QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Return);
        QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Enter);
        m_pane->setFocus();
        QCOMPARE(picks.count(), 0);
        QCOMPARE(m_steps, QStringList());
        QCOMPARE(m_form->CmbEnglish->currentText(), "Fox");
        QCOMPARE(listed().size(), 13);
    }

    // Each use starts a copy, through the doubled separator; a failure to
    // start, or no folder, brings the one message; the window is untouched.
    void screenSaver()
    {
        trigger("mnuStory");
        trigger("mnuStory");
        m_platform.startFails = true;
        trigger("mnuStory");
        m_platform.folderFails = true;
        trigger("mnuStory");
        QCOMPARE(m_platform.started, QStringList(2, "/trainer/HTML//ss.exe"));
        QCOMPARE(m_platform.messages, QStringList(2, kError));
        QCOMPARE(m_steps, QStringList());
        QCOMPARE(m_form->CmbEnglish->currentText(), "Buffalo");
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
