#include "fakeplatform.h"
#include "form1.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QtTest>

#include <new>

// Every failure the surroundings can cause, provoked in every command that
// can meet it, reaching the window the way a user's input does: from the
// event loop, through the menu bar, its menus and the entry list. An
// exception that crossed the event loop would end the process.
class tst_Faults : public QObject
{
    Q_OBJECT
private slots:
    void failingFormLoadLeavesAUsableWindow_data();
    void failingFormLoadLeavesAUsableWindow();
    void failureEndsOnlyItsCommand_data();
    void failureEndsOnlyItsCommand();
    void noFailureLeavesItsHandler_data();
    void noFailureLeavesItsHandler();
};

namespace {

enum class Fault { None, NoFolder, PaneRefuses, PaneThrowsAnything, OutOfMemory };

// A pane that fails in any of the ways a pane can.
class FaultyPane : public RecordingPane
{
public:
    void Navigate(const QString &address) override
    {
        switch (fault) {
        case Fault::PaneRefuses:
            throw PlatformError("navigation refused");
        case Fault::PaneThrowsAnything:
            throw 42;
        case Fault::OutOfMemory:
            throw std::bad_alloc();
        default:
            RecordingPane::Navigate(address);
        }
    }
    Fault fault = Fault::None;
};

struct Window
{
    FakePlatform platform;
    FaultyPane *pane = new FaultyPane;
    std::unique_ptr<Form1> form;

    explicit Window(Fault fault = Fault::None)
    {
        inject(fault);
        form.reset(new Form1(platform, pane));
        form->show();
    }
    void inject(Fault fault)
    {
        platform.folderFails = fault == Fault::NoFolder;
        pane->fault = fault;
    }
    QAction *action(const QString &name) { return form->findChild<QAction *>(name); }
};

// Chooses a menu item with the mouse, or the next entry of the list with
// the arrow key, from the event loop.
void userChooses(Form1 &form, const QString &item)
{
    bool done = false;
    QTimer::singleShot(0, &form, [&] {
        if (item == QLatin1String("entry")) {
            QTest::keyClick(form.CmbEnglish, Qt::Key_Down);
        } else {
            auto *action = form.findChild<QAction *>(item);
            auto *menu = qobject_cast<QMenu *>(action->parent());
            QMenuBar *bar = form.menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(menu ? menu->menuAction() : action).center());
            if (menu)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        done = true;
    });
    QTRY_VERIFY(done);
}

const QString kIntro = QStringLiteral("/trainer/HTML/intro.html");

} // namespace

Q_DECLARE_METATYPE(Fault)

void tst_Faults::failingFormLoadLeavesAUsableWindow_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("no application folder") << Fault::NoFolder;
    QTest::newRow("pane refuses") << Fault::PaneRefuses;
    QTest::newRow("pane throws a non-standard exception") << Fault::PaneThrowsAnything;
}

void tst_Faults::failingFormLoadLeavesAUsableWindow()
{
    QFETCH(Fault, fault);
    Window window(fault);
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QVERIFY(window.pane->addresses.isEmpty());
    QVERIFY(window.form->txtOrvana->isVisible()); // Form_Load ended before hiding it
    QCOMPARE(window.form->menuBar()->actions().size(), 8);

    window.inject(Fault::None);
    userChooses(*window.form, "mnuIntro");
    QCOMPARE(window.pane->addresses, QStringList{kIntro});
    QVERIFY(window.form->txtOrvana->isHidden());
    userChooses(*window.form, "mnuAnimals");
    QCOMPARE(window.form->CmbEnglish->count(), 13);
}

void tst_Faults::failureEndsOnlyItsCommand_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("boxVisible");
    QTest::addColumn<int>("entries");
    // Before each: Animals with "Pig" picked, its text shown.
    QTest::newRow("Intro: fails first") << "mnuIntro" << true << 13;
    QTest::newRow("English to Orvani: hides, then fails") << "mnuEnglish_dict" << false << 13;
    QTest::newRow("Orvani to English: hides, then fails") << "mnuOrva_dict" << false << 13;
    QTest::newRow("Numbers: fills, hides, then fails") << "mnuNumbers" << false << 1;
    QTest::newRow("Body: fills, then fails") << "mnuBody" << true << 1;
}

void tst_Faults::failureEndsOnlyItsCommand()
{
    QFETCH(QString, item);
    QFETCH(bool, boxVisible);
    QFETCH(int, entries);
    Window window;
    window.action("mnuAnimals")->trigger();
    window.form->CmbEnglish->setCurrentIndex(window.form->CmbEnglish->findText("Pig"));
    window.form->CmbEnglish_Click();
    const QStringList pages = window.pane->addresses;

    window.inject(Fault::NoFolder);
    userChooses(*window.form, item);
    QCOMPARE(window.pane->addresses, pages);
    QCOMPARE(window.form->txtOrvana->isVisible(), boxVisible);
    QCOMPARE(window.form->txtOrvana->text(), QStringLiteral("Hupeto"));
    QCOMPARE(window.form->CmbEnglish->count(), entries);
    QVERIFY(window.form->isVisible());
}

void tst_Faults::noFailureLeavesItsHandler_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("messages");
    const std::pair<Fault, const char *> faults[] = {
        {Fault::NoFolder, "no folder"},
        {Fault::PaneRefuses, "pane refuses"},
        {Fault::PaneThrowsAnything, "pane throws an int"},
        {Fault::OutOfMemory, "out of memory"},
    };
    const char *items[] = {"mnuIntro", "mnuAnimals", "mnuBody", "mnuColors", "mnuFamily",
                           "mnuFood", "mnuNumbers", "mnuShapes", "mnuPhrases", "mnuSyntax",
                           "mnuEnglish_dict", "mnuOrva_dict", "mnuStory", "entry"};
    for (const auto &[fault, faultName] : faults)
        for (const char *item : items) {
            const bool reports = fault == Fault::NoFolder && qstrcmp(item, "mnuStory") == 0;
            QTest::addRow("%s, %s", item, faultName) << item << fault << (reports ? 1 : 0);
        }
}

void tst_Faults::noFailureLeavesItsHandler()
{
    QFETCH(QString, item);
    QFETCH(Fault, fault);
    QFETCH(int, messages);
    Window window;
    window.action("mnuAnimals")->trigger();

    window.inject(fault);
    userChooses(*window.form, item);
    QCOMPARE(window.platform.messages.size(), messages);
    QVERIFY(window.platform.opened.isEmpty()); // the main window opens no web address

    window.inject(Fault::None);
    userChooses(*window.form, "mnuIntro");
    QCOMPARE(window.pane->addresses.last(), kIntro);
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
