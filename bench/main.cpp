// orvani-bench: measures the trainer against a bare web view showing the
// same pages. Without arguments it is the driver; with --mode trainer it is
// the trainer, started as the program starts, with a tour of its pages
// attached.
#include "benchdriver.h"
#include "benchoptions.h"
#include "benchplatform.h"
#include "deferredpagepane.h"
#include "form1.h"
#include "pagetour.h"
#include "trainerstart.h"
#include "u16.h"
#include "wordgroups.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include <cstdio>

namespace {

int runTrainer(const BenchOptions &options, char *program)
{
    const QProcessEnvironment startedWith = TrainerStart::prepareProcess();
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QApplication application(qtArgc, qtArgv);
    TrainerStart::setUpApplication(application);

    BenchPlatform platform(options.applicationFolder, startedWith);
    TrainerStart start(platform, options.applicationFolder);
    Form1 *form = start.window();
    DeferredPagePane *pane = start.pane();
    auto *list = form->findChild<QComboBox *>(QStringLiteral("CmbEnglish"));
    PageTour::Steps steps;
    steps.openGroup = [form](const orvani::WordGroup &group) {
        form->findChild<QAction *>(toQString(group.menuItem))->trigger();
    };
    steps.select = [list](const orvani::Entry &entry) {
        // A pick from the list: the item becomes current, then activated.
        const int index
            = list->findText(toQString(entry.english), Qt::MatchExactly | Qt::MatchCaseSensitive);
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    PageTour tour(options.startNs, steps);
    QObject::connect(pane, &DeferredPagePane::realPaneReady, &tour,
                     [&tour, pane] { tour.attachView(pane->realPane()->widget()); });
    start.show();
    return application.exec();
}

int runDriver(const BenchOptions &options, char *program)
{
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QCoreApplication application(qtArgc, qtArgv);
    return runBench(options);
}

} // namespace

int main(int argc, char *argv[])
{
    const BenchOptions options = BenchOptions::parse(argc, argv);
    if (!options.valid || (!options.mode.isEmpty() && options.mode != QLatin1String("trainer"))) {
        std::fputs("usage: orvani-bench [--runs N] [--application-folder DIR]\n", stderr);
        return 2;
    }
    return options.mode.isEmpty() ? runDriver(options, argv[0]) : runTrainer(options, argv[0]);
}
