// orvani-bench-baseline: what a user could take instead of the trainer to
// see its pages: one web view, nothing else, loading the intro page at start
// and then, as the benchmark selects them, the word groups' and entries'
// pages. As the stack gives it; with --software drawn by Qt Quick's software
// adaptation, the least this stack can do.
#include "benchoptions.h"
#include "eventreporter.h"
#include "form1layout.h"
#include "pageaddress.h"
#include "pagetour.h"
#include "u16.h"
#include "wordgroups.h"

#include <QApplication>
#include <QQuickWindow>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    const BenchOptions options = BenchOptions::parse(argc, argv);
    const EventReporter reporter(options.startNs);
    reporter.mark("main");
    if (options.software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    reporter.mark("application");

    auto page = [&options](std::u16string_view tail) {
        return QUrl::fromLocalFile(
            toQString(orvani::PageAddress(toU16View(options.applicationFolder), tail)));
    };
    QWebEngineView view;
    view.resize(form1layout::kPagePane.size());

    PageTour::Steps steps;
    steps.openGroup = [&](const orvani::WordGroup &group) {
        if (!group.pageTail.empty())
            view.load(page(group.pageTail));
    };
    steps.select = [&](const orvani::Entry &entry) { view.load(page(entry.pageTail)); };
    PageTour tour(reporter, steps);
    tour.attachView(&view);

    view.load(page(orvani::tails::Intro));
    reporter.mark("loading");
    view.show();
    reporter.mark("shown");
    return application.exec();
}
