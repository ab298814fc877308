#include "fakeplatform.h"
#include "form1.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QtTest>
#include <QtWidgets>


// The main window with its real widgets under failures, reached through the
// menu and the list from the event loop as a user's input is: no exception
// crosses it, only Screen Saver tells the user, and the window stays usable.
class tst_Faults : public QObject
{
    Q_OBJECT
private slots:
    void failureLeavesAUsableWindow_data();
    void failureLeavesAUsableWindow();
};

namespace {

// The platform fails, or the pane throws what is not even a standard
// exception: every handler's guard must take both.
enum Fault { None, NoFolder, PaneThrows };

void inject(FakePlatform &platform, RecordingPane &pane, int fault)
{
    platform.folderFails = fault == NoFolder;
    pane.onNavigate = [fault](const QString &) {
        if (fault == PaneThrows)
            throw 42;
    };
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
    const char *const faults[] = {"", "no folder", "pane throws"};
    for (const char *item : {"Form_Load", "mnuIntro", "mnuAnimals", "mnuBody", "mnuColors", "mnuFamily",
                             "mnuFood", "mnuNumbers", "mnuShapes", "mnuPhrases", "mnuSyntax",
                             "mnuEnglish_dict", "mnuOrva_dict", "mnuStory", "entry"})
        for (int fault = NoFolder; fault <= PaneThrows; ++fault)
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

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
