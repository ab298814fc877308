#include "eventreporter.h"

#include <QJsonDocument>

#include <cstdio>

EventReporter::EventReporter(std::int64_t startNs)
    : m_startNs(startNs)
{ }

std::int64_t EventReporter::nowNs()
{
    // steady_clock is CLOCK_MONOTONIC on Linux: the same clock in every process.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void EventReporter::report(const QString &event, QJsonObject fields) const
{
    fields.insert(QStringLiteral("event"), event);
    const QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void EventReporter::mark(const char *step) const
{
    report(QStringLiteral("mark"), {{"what", QLatin1String(step)}, {"ms", sinceStart()}});
}
