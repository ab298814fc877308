#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "messagerecorder.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QLineEdit>
#include <QtTest>

// The main window's handlers on real widgets, with a recording page pane.
// The keyboard alone and what screen readers read: tst_accessibility.
const QString kPrompt = QStringLiteral("Select a word group or other from the menu...");

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
    SortedComboBox *list() const { return m_form->findChild<SortedComboBox *>("CmbEnglish"); }
    QLineEdit *box() const { return m_form->findChild<QLineEdit *>("txtOrvana"); }
    QString steps() { return std::exchange(m_steps, {}).join(", "); }

    // Picks `text` as a user does: the arrow key onto it. Text the list lacks
    // is put into the list first.
    void pick(const QString &text)
    {
        if (list()->findText(text) < 0)
            list()->appendItem(text);
        list()->setCurrentIndex(list()->findText(text) - 1);
        QTest::keyClick(list(), Qt::Key_Down);
    }

    QString listed() const
    {
        QStringList items;
        for (int i = 0; i < list()->count(); ++i)
            items << list()->itemText(i);
        return items.join('|');
    }

private slots:
    void init()
    {
        m_platform = FakePlatform();
        m_steps.clear();
        m_pane = new RecordingPane;
        m_pane->onNavigate = [this](const QString &page) {
            m_steps << "open " + QString(page).remove("/trainer/HTML/");
        };
        m_form = new Form1(m_platform, m_pane);
        box()->installEventFilter(this);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        const auto boxes = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowMaximizeButtonHint;
        QCOMPARE(m_form->windowFlags() & boxes, boxes & ~Qt::WindowMaximizeButtonHint);
        // Loaded: the intro asked for, the box hidden, the list empty with the prompt.
        QCOMPARE(steps(), "open intro.html");
        QVERIFY(box()->isHidden() && list()->count() == 0);
        QCOMPARE(list()->currentText(), kPrompt);
        // Then Buffalo, as a user would have picked it.
        trigger("mnuAnimals");
        pick("Buffalo");
        QCOMPARE(box()->text(), "Tatanka");
        m_steps.clear();
    }
    void cleanup() { delete m_form; }

    void menuCommand_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shown"); // the list, as it reads
        QTest::addColumn<QString>("steps"); // of both choices, as the box changes
        QTest::addColumn<QString>("box"); // its text
        const auto row
            = [](const char *item, const char *shown, const char *steps, const char *box) {
                  QTest::newRow(item) << item << shown << steps << box;
              };
        row("mnuAnimals", "Bear|Beaver|Buffalo|Cow|Deer|Dog|Fox|Horse|Mouse|Pig|Rabbit|Skunk|Wolf",
            "", "Tatanka");
        row("mnuBody", "Body Parts", "open body_parts.html, hide, open body_parts.html", "Tatanka");
        row("mnuColors", "Color Wheel|Sacred Colors", "", "Tatanka");
        row("mnuFamily", "Father|Grandfather|Grandmother|Mother|Uncle", "", "Tatanka");
        row("mnuFood", "Beef|Bread|Milk|Potato|Soup", "", "Tatanka");
        row("mnuNumbers", "One to Ten", "hide, open numbers.html, open numbers.html", "Tatanka");
        row("mnuShapes", "Circle|Rectangle|Square|Triangle", "", "Tatanka");
        row("mnuPhrases",
            "Are you full?|Come in. {to one}|Did you do this?|Have you had enough to eat?|"
            "How old are you?|I don't feel good.|I don't know.|I have a problem.|"
            "I have a stomach ache.|I saw.|I wish to speak to you.|I'm full|"
            "I'm glad to see you again.|I'm glad you came.|I'm happy to have met you.|"
            "It is said.|We had.|What is it?|What is your name?|Where are you from?|"
            "Where are you going?|Where do you come from?|Where do you live?|"
            "Where have you been?",
            "", "");
        row("mnuIntro", "", "open intro.html, hide, open intro.html", "");
        row("mnuSyntax", "", "hide, open syntax.htm, open syntax.htm", "");
        row("mnuEnglish_dict", "", "hide, open english.htm, open english.htm", "");
        row("mnuOrva_dict", "", "hide, open orvani.htm, open orvani.htm", "");
    }

    // Chosen twice: a word group fills the list once, sorted, with nothing
    // selected; a page command empties list and box and shows the prompt.
    // The steps come in their order; only Phrases of the groups empties the box.
    void menuCommand()
    {
        QFETCH(QString, item);
        trigger(item);
        trigger(item);
        QTEST(listed(), "shown");
        QTEST(steps(), "steps");
        QTEST(box()->text(), "box");
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(list()->currentText(), listed().isEmpty() ? kPrompt : "");
    }

    void selection_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("failing"); // 0 none, 1 the entry's page, 2 the not-found page too
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("visible");
        const auto row = [](const char *name, const char *group, const char *entry, int failing,
                            const char *steps, const char *text, bool visible) {
            QTest::newRow(name) << group << entry << failing << steps << text << visible;
        };
        row("text entry", "mnuAnimals", "Wolf", 0, "open wolf.html", "Sunkmanitu tanka", true);
        row("hidden after opening", "mnuBody", "Body Parts", 0,
            "open body_parts.html, hide, show, open body_parts.html, hide", "Tatanka", false);
        row("hidden before opening", "mnuColors", "Sacred Colors", 0,
            "hide, open sacred_colors.html", "Tatanka", false);
        row("text no entry has", "mnuNumbers", "bear", 0, "hide, open numbers.html, show",
            "Tatanka", true);
        row("failing page", "mnuAnimals", "Fox", 1, "open fox.html, fails, open not.htm", "Sirolan",
            true);
        row("not-found page failing too", "mnuAnimals", "Fox", 2,
            "open fox.html, fails, open not.htm, fails", "Sirolan", true);
    }

    // A pick shows the box, writes a text entry's Orvani and opens its page;
    // a page-only entry hides the box before or after; text no entry has
    // leaves the page. A failing step sends the pane to the not-found page,
    // whose own failure is dropped.
    void selection()
    {
        QFETCH(QString, group);
        QFETCH(QString, entry);
        QFETCH(int, failing);
        trigger(group);
        if (failing)
            QTest::ignoreMessage(QtWarningMsg,
                                 "CmbEnglish_Click: navigation failed; the not-found page instead");
        if (failing == 2)
            QTest::ignoreMessage(QtWarningMsg, "the not-found page stopped: navigation failed");
        m_pane->failWhen = [this, failing](const QString &page) {
            const bool fails = failing == 2 || (failing && !page.endsWith("/not.htm"));
            m_steps << QStringList(fails, "fails");
            return fails;
        };
        pick(entry);
        QTEST(steps(), "steps");
        QTEST(box()->text(), "text");
        QTEST(box()->isVisible(), "visible");
    }

    // A step that fails, whatever it throws, ends its handler and goes no
    // further; the steps before it keep their effect, and a warning names the
    // handler and the failure. At start-up too.
    void failureEndsItsHandler()
    {
        m_platform.folderFails = true;
        {
            const MessageRecorder log;
            trigger("mnuSyntax");
            QCOMPARE(log.warnings(), "orvani.handler: mnuSyntax_Click stopped: no folder");
        }
        QCOMPARE(steps(), "hide");
        QCOMPARE(list()->currentText(), "Buffalo");
        m_platform.folderFails = false;
        auto *throwing = new RecordingPane;
        throwing->onNavigate = [](const QString &) { throw 42; }; // not even a standard exception
        QTest::ignoreMessage(QtWarningMsg,
                             "Form_Load stopped: a failure that says nothing of itself");
        Form1 started(m_platform, throwing);
        QCOMPARE(started.findChild<QComboBox *>("CmbEnglish")->currentText(), kPrompt);
    }

    void followsThePageShown_data()
    {
        QTest::addColumn<QStringList>("steps"); // pages the pane shows, and the user's doings
        QTest::addColumn<QString>("first"); // item of the list, and their count
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("box"); // its text, and whether it shows
        QTest::addColumn<bool>("visible");
        const auto row = [](const char *name, const QStringList &steps, const char *first,
                            int count, const QString &field, const char *box, bool visible) {
            QTest::newRow(name) << steps << first << count << field << box << visible;
        };
        row("own page", {"Shapes", "buffalo.html#top"}, "Circle", 4, "", "Tatanka", true);
        row("a lesson", {"buffalo.html", "cow.html"}, "Bear", 13, "Cow", "Omavi", true);
        row("a lesson of another group", {"p17a.html?x=1"}, "Are you full?", 24, "I'm full",
            "Imapi hwo?", true);
        row("a page-only lesson", {"colors.html"}, "Color Wheel", 2, "Color Wheel", "Tatanka",
            false);
        row("the entry before its group", {"numbers.html"}, "One to Ten", 1, "One to Ten",
            "Tatanka", false);
        row("a command's page", {"cow.html", "orvani.htm"}, "", 0, kPrompt, "", false);
        row("any other page", {"cow.html", "selftest.html"}, "Bear", 13, "Cow", "Omavi", false);
        row("the same page again", {"cow.html", "Shapes", "cow.html#eyes"}, "Circle", 4, "",
            "Omavi", true);
        row("own page after a foreign one", {"cow.html", "Buffalo", "Shapes", "buffalo.html"},
            "Circle", 4, "", "Tatanka", true);
    }

    // A page the pane came to by itself leaves the list and the box as the
    // window's own way to it would, with no page asked for and no pick made;
    // the window's own pages, and the same page again, change nothing.
    void followsThePageShown()
    {
        QFETCH(QStringList, steps);
        for (const QString &step : steps) {
            if (step == "Shapes")
                trigger("mnuShapes");
            else if (step == "Buffalo")
                pick(step);
            else
                m_pane->show(QUrl("file:///trainer/HTML/" + step));
        }
        QTEST(list()->itemText(0), "first");
        QTEST(list()->count(), "count");
        QTEST(list()->currentText(), "field");
        QTEST(box()->text(), "box");
        QTEST(box()->isVisible(), "visible");
        QCOMPARE(this->steps().count("open"), steps.count("Buffalo"));
        QCOMPARE(m_pane->notFound(), QUrl::fromLocalFile("/trainer/HTML/not.htm"));
    }

    // Each use starts a copy, through the doubled separator; a failure to
    // start, or no folder, brings the one message; the window is untouched.
    void screenSaver()
    {
        trigger("mnuStory");
        trigger("mnuStory");
        m_platform.startFails = true;
        QTest::ignoreMessage(QtWarningMsg,
                             "mnuStory_Click: the screen saver did not start: cannot start");
        trigger("mnuStory");
        m_platform.folderFails = true;
        QTest::ignoreMessage(QtWarningMsg,
                             "mnuStory_Click: the screen saver did not start: no folder");
        trigger("mnuStory");
        QCOMPARE(m_platform.started, QStringList(2, "/trainer/HTML//ss.exe"));
        QCOMPARE(m_platform.messages,
                 QStringList(2,
                             "Error reading file.. Please contact software "
                             "vendor at support@quillfen.example to correct!"));
        QCOMPARE(steps(), "");
        QCOMPARE(list()->currentText(), "Buffalo");
    }

    // One About window however often the command comes; a fresh one once
    // it was closed.
    void aboutCommandKeepsOneWindow()
    {
        const auto shown = [] {
            QWidgetList found = QApplication::topLevelWidgets();
            found.removeIf(
                [](QWidget *w) { return !qobject_cast<frnAbout *>(w) || w->isHidden(); });
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
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
