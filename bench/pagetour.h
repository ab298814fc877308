#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

class EventReporter;
namespace orvani {
struct Entry;
struct WordGroup;
} // namespace orvani

// Takes a program that shows its pages in one web view from its intro page
// through the page of every phrasebook entry, in the table's order, and
// reports when it picks each entry and moves on (the screen tells how soon
// each page showed), whether each page loaded, and the memory of the process
// tree once the intro and once every entry has been shown. Then it ends the
// program.
class PageTour : public QObject
{
    Q_OBJECT
public:
    struct Steps {
        // Opens a word group as its menu item does; the tour waits for the
        // group's page when it has one. Not timed.
        std::function<void(const orvani::WordGroup &)> openGroup;
        // Selects an entry as the user would; the tour moves on once its
        // page has loaded and a short pause has passed.
        std::function<void(const orvani::Entry &)> select;
    };

    PageTour(const EventReporter &reporter, Steps steps, QObject *parent = nullptr);

    // The view whose loadFinished(bool) the tour follows; the first load it
    // sees is the intro page's.
    void attachView(QObject *view);
    // Ends the program with `code` after reporting `what` went wrong.
    void fail(const QString &what, int code = 2);

private slots:
    void onLoadFinished(bool ok);

private:
    enum class Stage { Intro, Group, Entry, Idle };

    void nextEntry();
    void selectEntry();
    // Reports the settled memory of the process tree, then calls `then`.
    void measureMemory(const QString &stage, std::function<void()> then);
    void expectLoad(Stage stage);

    const EventReporter &m_reporter;
    Steps m_steps;
    QTimer m_watchdog;
    Stage m_stage = Stage::Intro;
    std::size_t m_index = 0;
    const orvani::WordGroup *m_group = nullptr;
    std::int64_t m_selectedAtNs = 0;
};
