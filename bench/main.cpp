// orvani-bench: measures the trainer against a bare web view showing the
// same pages. Without arguments it is the driver; with --mode trainer it is
// the trainer, started as the program starts, with a tour of its pages
// attached.
#include "benchdriver.h"
#include "benchoptions.h"
#include "benchplatform.h"
#include "deferredpagepane.h"
#include "eventreporter.h"
#include "form1.h"
#include "pagetour.h"
#include "sortedcombobox.h"
#include "trainerstart.h"
#include "u16.h"
#include "wordgroups.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace {

int runTrainer(const BenchOptions &options, char *program)
{
    const EventReporter reporter(options.startNs);
    reporter.mark("main");

    const QProcessEnvironment startedWith = TrainerStart::prepareProcess();
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QApplication application(qtArgc, qtArgv);
    reporter.mark("application");
    TrainerStart::setUpApplication(application);

    BenchPlatform platform(options.applicationFolder, startedWith);
    TrainerStart start(platform, options.applicationFolder);
    Form1 *form = start.window();
    DeferredPagePane *pane = start.pane();
    reporter.mark("window");

    PageTour::Steps steps;
    steps.openGroup = [form](const orvani::WordGroup &group) {
        form->findChild<QAction *>(toQString(group.menuItem))->trigger();
    };
    steps.select = [form](const orvani::Entry &entry) {
        // A pick from the list: the item becomes current, then activated.
        auto *list = form->findChild<SortedComboBox *>(QStringLiteral("CmbEnglish"));
        const int index
            = list->findText(toQString(entry.english), Qt::MatchExactly | Qt::MatchCaseSensitive);
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    PageTour tour(reporter, steps);
    QObject::connect(pane, &DeferredPagePane::realPaneReady, &tour, [&tour, pane, &reporter] {
        reporter.mark("realPane");
        tour.attachView(pane->realPane()->widget());
    });

    QObject::connect(&application, &QGuiApplication::focusWindowChanged, &tour,
                     [&reporter](QWindow *window) {
                         if (window)
                             reporter.mark("active");
                     });
    start.show();
    reporter.mark("shown");
    return application.exec();
}

int runDriver(const BenchOptions &options, char *program)
{
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QCoreApplication application(qtArgc, qtArgv);
    if (getuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
        && !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox")) {
        std::fputs("As root the web engine needs QTWEBENGINE_DISABLE_SANDBOX=1 in the environment "
                   "(bench/run.sh sets it).\n",
                   stderr);
        return 2;
    }
    const QString folder = QCoreApplication::applicationDirPath();
    BenchDriver::Settings settings;
    settings.trainerProgram = QCoreApplication::applicationFilePath();
    settings.baselineProgram = folder + QStringLiteral("/orvani-bench-baseline");
    settings.applicationFolder = options.applicationFolder.isEmpty()
        ? QStringLiteral(ORVANI_APP_DIR)
        : QFileInfo(options.applicationFolder).absoluteFilePath();
    settings.jsonPath = options.jsonPath.isEmpty() ? folder + QStringLiteral("/bench-results.json")
                                                   : options.jsonPath;
    settings.logPath = folder + QStringLiteral("/bench-children.log");
    settings.eventsPath = folder + QStringLiteral("/bench-events.jsonl");
    settings.runs = options.runs;
    return BenchDriver(settings).run();
}

} // namespace

int main(int argc, char *argv[])
{
    const BenchOptions options = BenchOptions::parse(argc, argv);
    if (!options.valid || (!options.mode.isEmpty() && options.mode != QLatin1String("trainer"))) {
        std::fputs("usage: orvani-bench [--runs N] [--json FILE] [--application-folder DIR]\n",
                   stderr);
        return 2;
    }
    return options.mode.isEmpty() ? runDriver(options, argv[0]) : runTrainer(options, argv[0]);
}
