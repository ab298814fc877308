#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QtTest>
#include <QtWidgets>

#include <new>

// The main window with its real widgets under failures of every kind and
// long use. tst_form1 shows a failing step ending its handler when called
// directly; here the failures reach the window as a user's input does.
class tst_Faults : public QObject
{
    Q_OBJECT
private slots:
    void failureLeavesAUsableWindow_data();
    void failureLeavesAUsableWindow();
    void longUseLeavesNothingBehind();
};

namespace {

enum Fault { None, NoFolder, PaneRefuses, PaneThrowsAnInt, OutOfMemory };

void inject(FakePlatform &platform, RecordingPane &pane, int fault)
{
    static const std::function<void()> paneFailures[] = { // by Fault
        [] {}, [] {}, [] { throw PlatformError("refused"); }, [] { throw 42; }, [] { throw std::bad_alloc(); }};
    platform.folderFails = fault == NoFolder;
    pane.onNavigate = [fault](const QString &) { paneFailures[fault](); };
}

// Chooses a menu item with the mouse, or else the next entry of the list
// with the arrow key, from the event loop: an exception that crossed it
// would end the process.
void userChooses(Form1 &form, const QString &item)
{
    QTimer::singleShot(0, &form, [&] {
        if (auto *action = form.findChild<QAction *>(item)) {
            auto *menu = qobject_cast<QMenu *>(action->parent());
            QMenuBar *bar = form.menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu ? menu->menuAction() : action).center());
            if (menu)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        } else {
            QTest::keyClick(form.CmbEnglish, Qt::Key_Down);
        }
    });
    QCoreApplication::processEvents();
}

} // namespace

void tst_Faults::failureLeavesAUsableWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("fault");
    const char *const faults[] = {"", "no folder", "pane refuses", "pane throws an int", "out of memory"};
    for (const char *item : {"Form_Load", "mnuIntro", "mnuAnimals", "mnuBody", "mnuColors", "mnuFamily",
                             "mnuFood", "mnuNumbers", "mnuShapes", "mnuPhrases", "mnuSyntax",
                             "mnuEnglish_dict", "mnuOrva_dict", "mnuStory", "entry"})
        for (int fault = NoFolder; fault <= OutOfMemory; ++fault)
            QTest::addRow("%s, %s", item, faults[fault]) << item << fault;
}

void tst_Faults::failureLeavesAUsableWindow()
{
    QFETCH(QString, item);
    QFETCH(int, fault);
    FakePlatform platform;
    auto *pane = new RecordingPane;
    inject(platform, *pane, item == "Form_Load" ? fault : None);
    Form1 form(platform, pane);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (item != "Form_Load") {
        userChooses(form, "mnuAnimals"); // entries to pick
        inject(platform, *pane, fault);
        userChooses(form, item);
    }
    // Only Screen Saver reports, and only the failure it can see.
    QCOMPARE(platform.messages.size(), item == "mnuStory" && fault == NoFolder ? 1 : 0);
    inject(platform, *pane, None);
    userChooses(form, "mnuIntro");
    QCOMPARE(pane->addresses.last(), QStringLiteral("/trainer/HTML/intro.html"));
}

// 1,000 group changes with 10 picks each and 500 About windows, every
// seventh page failing, leave no object behind.
void tst_Faults::longUseLeavesNothingBehind()
{
    FakePlatform platform;
    auto *pane = new RecordingPane;
    int navigations = 0, picks = 0, abouts = 0;
    pane->failWhen = [&](const QString &) { return ++navigations % 7 == 0; };
    Form1 form(platform, pane);
    form.show();
    connect(form.CmbEnglish, &QComboBox::activated, [&] { ++picks; });
    const QList<QAction *> groups = form.findChild<QAction *>("mnuSimple")->menu()->actions()
                                    << form.findChild<QAction *>("mnuPhrases");
    const auto liveObjects = [&] { return form.findChildren<QObject *>().size() + QApplication::allWidgets().size(); };
    qsizetype before = 0;
    for (int round = 0; round <= 1000; ++round) {
        if (round == 1) { // what round 0 made once stays made
            before = liveObjects();
            picks = abouts = 0;
        }
        groups[round % groups.size()]->trigger();
        for (int i = 0; i < 10; ++i) {
            form.CmbEnglish->setCurrentIndex(i % form.CmbEnglish->count() - 1);
            QTest::keyClick(form.CmbEnglish, Qt::Key_Down);
        }
        pane->addresses.clear();
        if (round % 2 == 0) { // About, closed; the event loop deletes it
            form.mnuAbout_Click();
            for (QWidget *window : QApplication::topLevelWidgets())
                abouts += qobject_cast<frnAbout *>(window) && window->isVisible() && window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    QCOMPARE(picks, 10000);
    QCOMPARE(abouts, 500);
    QCOMPARE(liveObjects(), before);
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
