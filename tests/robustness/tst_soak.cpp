#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

// Long use of the real widgets: many entries, group changes and About
// windows, with a share of failing pages, leave no object behind.
class tst_Soak : public QObject
{
    Q_OBJECT
private slots:
    void longUseLeavesNothingBehind();
};

namespace {

int liveObjects(const QObject &form)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(form.findChildren<QObject *>().size() + QApplication::allWidgets().size()
               + QApplication::topLevelWidgets().size());
}

frnAbout *aboutWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<frnAbout *>(window))
            return about;
    return nullptr;
}

} // namespace

void tst_Soak::longUseLeavesNothingBehind()
{
    constexpr int kGroupChanges = 1000;
    constexpr int kPicksPerGroup = 10;
    constexpr int kAboutCycles = 500;

    FakePlatform platform;
    auto *pane = new RecordingPane;
    int navigations = 0;
    pane->failWhen = [&](const QString &) { return ++navigations % 7 == 0; };
    Form1 form(platform, pane);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SortedComboBox *list = form.CmbEnglish;
    int picks = 0;
    connect(list, &QComboBox::activated, [&] { ++picks; });

    QList<QAction *> groups;
    for (const char *name : {"mnuAnimals", "mnuBody", "mnuColors", "mnuFamily", "mnuFood",
                             "mnuNumbers", "mnuShapes", "mnuPhrases"}) {
        groups << form.findChild<QAction *>(name);
        QVERIFY(groups.last());
    }

    // One round of everything first: what is made once stays made.
    auto oneRound = [&](int round) {
        groups[round % groups.size()]->trigger();
        for (int i = 0; i < kPicksPerGroup; ++i) {
            list->setCurrentIndex(i % list->count() - 1);
            QTest::keyClick(list, Qt::Key_Down);
        }
        pane->addresses.clear();
    };
    // Between two clicks the event loop deletes the closed window.
    auto aboutCycle = [&] {
        form.mnuAbout_Click();
        QPointer<frnAbout> about = aboutWindow();
        QVERIFY(about && about->isVisible());
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
    };
    oneRound(0);
    aboutCycle();
    const int before = liveObjects(form);
    picks = 0;

    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < kGroupChanges; ++round)
        oneRound(round);
    for (int cycle = 0; cycle < kAboutCycles; ++cycle)
        aboutCycle();
    qInfo("%d picks, %d group changes, %d About windows in %lld ms; %d live objects",
          picks, kGroupChanges, kAboutCycles, clock.elapsed(), before);

    QCOMPARE(picks, kGroupChanges * kPicksPerGroup);
    QVERIFY(!aboutWindow());
    QCOMPARE(liveObjects(form), before);
    QVERIFY(platform.opened.isEmpty());
    form.mnuIntro_Click();
    QCOMPARE(pane->addresses.size(), 1);
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
