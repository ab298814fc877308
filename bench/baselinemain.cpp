// orvani-bench-baseline: what a user could take instead of the trainer to
// see its pages: one web view, nothing else, loading the intro page at start
// and then, as the benchmark selects them, the word groups' and entries'
// pages. As the stack gives it; with --software drawn by Qt Quick's software
// adaptation, the least this stack can do.
#include "benchoptions.h"
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
    if (options.software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

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
    PageTour tour(options.startNs, steps);
    tour.attachView(&view);

    view.load(page(orvani::tails::Intro));
    view.show();
    return application.exec();
}
