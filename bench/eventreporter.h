#pragma once

#include <QJsonObject>
#include <QString>

#include <chrono>
#include <cstdint>

// Writes what a measured program observes as JSON lines on standard output,
// each with its time in milliseconds since the moment the parent started it.
class EventReporter
{
public:
    // `startNs` is the parent's steady-clock reading, in nanoseconds, taken
    // just before it started this process.
    explicit EventReporter(std::int64_t startNs);

    static std::int64_t nowNs();

    // Milliseconds from process start to now.
    double sinceStart() const { return msAt(nowNs()); }
    // Milliseconds from process start to a steady-clock reading.
    double msAt(std::int64_t ns) const { return double(ns - m_startNs) / 1e6; }

    void report(const QString &event, QJsonObject fields = {}) const;
    // A "mark" event: a step reached, with its time, for the events file.
    void mark(const char *step) const;

private:
    std::int64_t m_startNs;
};
