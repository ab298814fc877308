#include "fakeplatform.h"
#include "form1.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

using Handler = void (Form1::*)();
Q_DECLARE_METATYPE(Handler)

namespace {
const QString kPrompt = QStringLiteral("Select a word group or other from the menu...");
QString page(const QString &name) { return QStringLiteral("/trainer/HTML/") + name; }
} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsOnTheIntroWithAnEmptyList();
    void menuHoldsEveryItemInOrderAndFits();
    void wordGroupFillsTheSortedList_data();
    void wordGroupFillsTheSortedList();
    void wordGroupStepOrder_data();
    void wordGroupStepOrder();
    void pageCommandResetsTheWindow_data();
    void pageCommandResetsTheWindow();
    void pickingAnEntry_data();
    void pickingAnEntry();
    void unknownTextKeepsPageAndText();
    void failedNavigationOpensTheNotFoundPage_data();
    void failedNavigationOpensTheNotFoundPage();
    void typingStartsNothing();
    void screenSaverStartsOrReports();
    void uncaughtFailureEndsOnlyThatHandler();
    void exitUnloadsTheWindow();
    void keyboardReachesTheMenu_data();
    void keyboardReachesTheMenu();

private:
    void pick(const QString &text);
    QAction *action(const char *name) { return m_form->findChild<QAction *>(QLatin1String(name)); }

    FakePlatform m_platform;
    RecordingPane *m_pane = nullptr;
    QPointer<Form1> m_form;
};

void tst_Form1::init()
{
    m_platform = FakePlatform();
    m_pane = new RecordingPane;
    m_form = new Form1(m_platform, m_pane);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void tst_Form1::cleanup()
{
    delete m_form;
}

// Picks `text` from the list as a user would: with the arrow key onto it.
void tst_Form1::pick(const QString &text)
{
    const int index = m_form->CmbEnglish->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    m_form->CmbEnglish->setCurrentIndex(index - 1);
    QTest::keyClick(m_form->CmbEnglish, Qt::Key_Down);
    QCOMPARE(m_form->CmbEnglish->currentIndex(), index);
}

void tst_Form1::startsOnTheIntroWithAnEmptyList()
{
    QCOMPARE(m_pane->addresses, QStringList{page("intro.html")});
    QVERIFY(m_form->txtOrvana->isHidden());
    QVERIFY(m_form->txtOrvana->text().isEmpty());
    QCOMPARE(m_form->CmbEnglish->count(), 0);
    QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Orvani Parlevo v5.0"));
    // The text box covers rows 280 to 304 of the page pane.
    const QRect pane = m_pane->geometry();
    const QRect box = m_form->txtOrvana->geometry();
    QVERIFY(pane.contains(box));
    QCOMPARE(box.top() - pane.top(), 280);
    QCOMPARE(box.height(), 25);
}

void tst_Form1::menuHoldsEveryItemInOrderAndFits()
{
    QStringList seen;
    const auto topLevel = m_form->menuBar()->actions();
    for (QAction *item : topLevel) {
        seen << item->objectName() + '=' + item->text();
        if (item->menu())
            for (QAction *sub : item->menu()->actions())
                seen << "  " + sub->objectName() + '=' + sub->text();
    }
    QCOMPARE(seen, (QStringList{
                       "mnuExit=Exit", "mnuIntro=Intro", "mnuSimple=Words",
                       "  mnuAnimals=Animals", "  mnuBody=Body", "  mnuColors=Colors",
                       "  mnuFamily=Family", "  mnuFood=Food", "  mnuNumbers=Numbers",
                       "  mnuShapes=Shapes", "mnuPhrases=Phrases", "mnuSyntax=Syntax",
                       "mnuTransDict=Translation  Dictionaries",
                       "  mnuEnglish_dict=English to Orvani", "  mnuOrva_dict=Orvani to English",
                       "mnuStory=Screen Saver", "mnuAbout=About"}));
    // Every item of the bar is on view at once, none behind an overflow button.
    QMenuBar *bar = m_form->menuBar();
    for (QAction *item : topLevel) {
        const QRect place = bar->actionGeometry(item);
        QVERIFY2(!place.isEmpty() && bar->rect().contains(place), qPrintable(item->text()));
    }
}

void tst_Form1::wordGroupFillsTheSortedList_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("Animals") << "mnuAnimals"
                             << QStringList{"Bear", "Beaver", "Buffalo", "Cow", "Deer", "Dog", "Fox",
                                            "Horse", "Mouse", "Pig", "Rabbit", "Skunk", "Wolf"};
    QTest::newRow("Body") << "mnuBody" << QStringList{"Body Parts"};
    QTest::newRow("Colors") << "mnuColors" << QStringList{"Color Wheel", "Sacred Colors"};
    QTest::newRow("Family") << "mnuFamily"
                            << QStringList{"Father", "Grandfather", "Grandmother", "Mother", "Uncle"};
    QTest::newRow("Food") << "mnuFood" << QStringList{"Beef", "Bread", "Milk", "Potato", "Soup"};
    QTest::newRow("Numbers") << "mnuNumbers" << QStringList{"One to Ten"};
    QTest::newRow("Shapes") << "mnuShapes" << QStringList{"Circle", "Rectangle", "Square", "Triangle"};
}

void tst_Form1::wordGroupFillsTheSortedList()
{
    QFETCH(QString, item);
    QFETCH(QStringList, list);
    m_form->CmbEnglish->setEditText("typed");
    for (int round = 0; round < 2; ++round)
        action(item.toLatin1())->trigger();
    QStringList shown;
    for (int i = 0; i < m_form->CmbEnglish->count(); ++i)
        shown << m_form->CmbEnglish->itemText(i);
    QCOMPARE(shown, list);
    QCOMPARE(m_form->CmbEnglish->currentIndex(), -1);
    QCOMPARE(m_form->CmbEnglish->currentText(), QString());
}

void tst_Form1::wordGroupStepOrder_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("visibleWhileOpening");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("Body: open, then hide") << "mnuBody" << page("body_parts.html") << true << false << "Tatanka";
    QTest::newRow("Numbers: hide, then open") << "mnuNumbers" << page("numbers.html") << false << false << "Tatanka";
    QTest::newRow("Phrases: empty the box") << "mnuPhrases" << QString() << true << true << "";
    QTest::newRow("Animals: leave it") << "mnuAnimals" << QString() << true << true << "Tatanka";
}

void tst_Form1::wordGroupStepOrder()
{
    QFETCH(QString, item);
    QFETCH(QString, opened);
    QFETCH(bool, visibleWhileOpening);
    QFETCH(bool, visibleAfter);
    QFETCH(QString, textAfter);

    action("mnuAnimals")->trigger();
    pick("Buffalo");
    m_pane->addresses.clear();
    bool visibleThen = true;
    m_pane->onNavigate = [&](const QString &) { visibleThen = m_form->txtOrvana->isVisible(); };

    action(item.toLatin1())->trigger();
    QCOMPARE(m_pane->addresses, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QCOMPARE(visibleThen, visibleWhileOpening);
    QCOMPARE(m_form->txtOrvana->isVisible(), visibleAfter);
    QCOMPARE(m_form->txtOrvana->text(), textAfter);
}

void tst_Form1::pageCommandResetsTheWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("visibleWhileOpening");
    QTest::newRow("Intro") << "mnuIntro" << page("intro.html") << true;
    QTest::newRow("Syntax") << "mnuSyntax" << page("syntax.htm") << false;
    QTest::newRow("English to Orvani") << "mnuEnglish_dict" << page("english.htm") << false;
    QTest::newRow("Orvani to English") << "mnuOrva_dict" << page("orvani.htm") << false;
}

void tst_Form1::pageCommandResetsTheWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, opened);
    QFETCH(bool, visibleWhileOpening);

    action("mnuAnimals")->trigger();
    pick("Wolf");
    m_pane->addresses.clear();
    bool visibleThen = false;
    m_pane->onNavigate = [&](const QString &) { visibleThen = m_form->txtOrvana->isVisible(); };
    QSignalSpy picks(m_form->CmbEnglish, &QComboBox::activated);

    action(item.toLatin1())->trigger();
    QCOMPARE(m_pane->addresses, QStringList{opened});
    QCOMPARE(visibleThen, visibleWhileOpening);
    QVERIFY(m_form->txtOrvana->isHidden());
    QVERIFY(m_form->txtOrvana->text().isEmpty());
    QCOMPARE(m_form->CmbEnglish->count(), 0);
    QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
    QCOMPARE(picks.count(), 0);
}

void tst_Form1::pickingAnEntry_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("visibleWhileOpening");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<QString>("textAfter");
    // Before each row the box shows "Tatanka".
    QTest::newRow("text") << "mnuAnimals" << "Wolf" << page("wolf.html") << true << true << "Sunkmanitu tanka";
    QTest::newRow("same again") << "mnuAnimals" << "Buffalo" << page("buffalo.html") << true << true << "Tatanka";
    QTest::newRow("p17a") << "mnuPhrases" << "I'm full" << page("p17a.html") << true << true << "Imapi hwo?";
    QTest::newRow("braces") << "mnuPhrases" << "Come in. {to one}" << page("p23.html") << true << true << "Tima hiyuwo.";
    QTest::newRow("hide after") << "mnuBody" << "Body Parts" << page("body_parts.html") << true << false << "Tatanka";
    QTest::newRow("hide before") << "mnuNumbers" << "One to Ten" << page("numbers.html") << false << false << "Tatanka";
    QTest::newRow("colour page") << "mnuColors" << "Color Wheel" << page("colors.html") << false << false << "Tatanka";
}

void tst_Form1::pickingAnEntry()
{
    QFETCH(QString, group);
    QFETCH(QString, entry);
    QFETCH(QString, opened);
    QFETCH(bool, visibleWhileOpening);
    QFETCH(bool, visibleAfter);
    QFETCH(QString, textAfter);

    action("mnuAnimals")->trigger();
    pick("Buffalo");
    QVERIFY(m_form->txtOrvana->isVisible());
    action(group.toLatin1())->trigger();
    if (group == "mnuPhrases")
        m_form->txtOrvana->setText("Tatanka");
    m_pane->addresses.clear();
    bool visibleThen = false;
    m_pane->onNavigate = [&](const QString &) { visibleThen = m_form->txtOrvana->isVisible(); };

    pick(entry);
    QCOMPARE(m_pane->addresses, QStringList{opened});
    QCOMPARE(visibleThen, visibleWhileOpening);
    QCOMPARE(m_form->txtOrvana->isVisible(), visibleAfter);
    QCOMPARE(m_form->txtOrvana->text(), textAfter);
}

void tst_Form1::unknownTextKeepsPageAndText()
{
    action("mnuAnimals")->trigger();
    pick("Bear");
    m_form->mnuNumbers_Click(); // hides the box, keeps its text
    const QStringList before = m_pane->addresses;
    m_form->CmbEnglish->setEditText("bear");
    m_form->CmbEnglish_Click();
    QCOMPARE(m_pane->addresses, before);
    QVERIFY(m_form->txtOrvana->isVisible());
    QCOMPARE(m_form->txtOrvana->text(), QStringLiteral("Koyanta"));
}

void tst_Form1::failedNavigationOpensTheNotFoundPage_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("text entry keeps its text") << "mnuAnimals" << "Fox" << true << "Sirolan";
    QTest::newRow("hide after: stays visible") << "mnuBody" << "Body Parts" << true << "";
    QTest::newRow("hide before: hidden") << "mnuColors" << "Sacred Colors" << false << "";
}

void tst_Form1::failedNavigationOpensTheNotFoundPage()
{
    QFETCH(QString, group);
    QFETCH(QString, entry);
    QFETCH(bool, visibleAfter);
    QFETCH(QString, textAfter);

    action(group.toLatin1())->trigger();
    m_pane->addresses.clear();
    m_pane->failWhen = [](const QString &address) { return !address.endsWith("not.htm"); };
    pick(entry);
    QCOMPARE(m_pane->addresses, QStringList{page("not.htm")});
    QCOMPARE(m_form->txtOrvana->isVisible(), visibleAfter);
    QCOMPARE(m_form->txtOrvana->text(), textAfter);

    // When the not-found page fails too, the second failure is dropped.
    m_pane->failWhen = [](const QString &) { return true; };
    pick(entry);
    m_platform.folderFails = true;
    pick(entry);
    QCOMPARE(m_pane->addresses.size(), 1);
    QVERIFY(m_form->isVisible());
}

void tst_Form1::typingStartsNothing()
{
    action("mnuAnimals")->trigger();
    m_pane->addresses.clear();
    QSignalSpy picks(m_form->CmbEnglish, &QComboBox::activated);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    m_form->CmbEnglish->setFocus();
    QTest::keyClicks(m_form->CmbEnglish->lineEdit(), "Buffalo");
    QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Return);
    QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key_Enter);
    m_pane->setFocus(); // nor does leaving the field
    QCOMPARE(m_form->CmbEnglish->currentText(), QStringLiteral("Buffalo"));
    QCOMPARE(m_form->CmbEnglish->count(), 13);
    QCOMPARE(picks.count(), 0);
    QVERIFY(m_pane->addresses.isEmpty());
    QVERIFY(m_form->txtOrvana->isHidden());
}

void tst_Form1::screenSaverStartsOrReports()
{
    action("mnuAnimals")->trigger();
    pick("Dog");
    const QStringList pages = m_pane->addresses;

    action("mnuStory")->trigger();
    action("mnuStory")->trigger();
    QCOMPARE(m_platform.started, (QStringList{page("/ss.exe"), page("/ss.exe")}));
    QVERIFY(m_platform.messages.isEmpty());

    m_platform.startFails = true;
    action("mnuStory")->trigger();
    m_platform.startFails = false;
    m_platform.folderFails = true;
    action("mnuStory")->trigger();
    const QString message = "Error reading file.. Please contact software vendor at "
                            "support@quillfen.example to correct!";
    QCOMPARE(m_platform.messages, (QStringList{message, message}));
    // The window is left as it was.
    QCOMPARE(m_pane->addresses, pages);
    QCOMPARE(m_form->txtOrvana->text(), QStringLiteral("Karewi"));
    QCOMPARE(m_form->CmbEnglish->currentText(), QStringLiteral("Dog"));
}

void tst_Form1::uncaughtFailureEndsOnlyThatHandler()
{
    action("mnuAnimals")->trigger();
    pick("Pig");
    m_platform.folderFails = true;

    action("mnuSyntax")->trigger(); // hides the box, then fails to open its page
    QVERIFY(m_form->txtOrvana->isHidden());
    QCOMPARE(m_form->txtOrvana->text(), QStringLiteral("Hupeto"));
    QCOMPARE(m_form->CmbEnglish->count(), 13);

    action("mnuBody")->trigger(); // fills the list, then fails to open its page
    QCOMPARE(m_form->CmbEnglish->count(), 1);

    m_platform.folderFails = false;
    action("mnuIntro")->trigger();
    QCOMPARE(m_pane->addresses.last(), page("intro.html"));
    QCOMPARE(m_form->CmbEnglish->currentText(), kPrompt);
}

void tst_Form1::exitUnloadsTheWindow()
{
    action("mnuExit")->trigger();
    QTRY_VERIFY(m_form.isNull());
}

void tst_Form1::keyboardReachesTheMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("F10") << int(Qt::Key_F10);
    QTest::newRow("Alt") << int(Qt::Key_Alt);
}

void tst_Form1::keyboardReachesTheMenu()
{
    QFETCH(int, key);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    m_form->CmbEnglish->setFocus();
    QTest::keyClick(m_form->CmbEnglish->lineEdit(), Qt::Key(key));
    QMenuBar *bar = m_form->menuBar();
    QCOMPARE(bar->activeAction(), action("mnuExit"));
    // Left from the first item wraps to the last: About.
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(bar->activeAction(), action("mnuAbout"));
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_Return);
    QCOMPARE(m_platform.started.size(), 1);
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
