#pragma once

#include <QJsonObject>
#include <QObject>

#include <cstdint>
#include <functional>

namespace orvani {
struct Entry;
struct WordGroup;
} // namespace orvani

// Takes a program that shows its pages in one web view from its intro page
// through the page of every phrasebook entry, in the table's order, then
// ends it. It writes JSON lines on standard output, each time in ms since
// the parent started the process: when it picks each entry and moves on
// (the screen tells how soon each page showed), whether each page loaded,
// and the settled memory of the process tree once the intro and once every
// entry has been shown.
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

    // `startNs`: the parent's steadyNowNs() just before it started this process.
    PageTour(std::int64_t startNs, Steps steps, QObject *parent = nullptr);

    // The view whose loadFinished(bool) the tour follows; the first load it
    // sees is the intro page's. A step that never loads ends with the
    // driver's time limit.
    void attachView(QObject *view);

private slots:
    void onLoadFinished(bool ok);

private:
    enum class Stage { Intro, Group, Entry, Idle };

    double sinceStartMs(std::int64_t ns) const { return double(ns - m_startNs) / 1e6; }
    void report(const QString &event, QJsonObject fields = {}) const;
    void nextEntry();
    void selectEntry();
    // Reports the settled memory of the process tree, then calls `then`.
    void measureMemory(const QString &stage, std::function<void()> then);

    const std::int64_t m_startNs;
    Steps m_steps;
    Stage m_stage = Stage::Intro;
    std::size_t m_index = 0;
    const orvani::WordGroup *m_group = nullptr;
    std::int64_t m_selectedAtNs = 0;
};
