#include "processmemory.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace {

QByteArray readProc(pid_t pid, const char *file)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

ProcessMemory::ProcessMemory(pid_t root)
    : m_root(root)
{ }

qint64 ProcessMemory::fieldOfRollup(const QByteArray &rollup, const QByteArray &field)
{
    const QByteArray key = field + ':';
    for (const QByteArray &line : rollup.split('\n')) {
        if (!line.startsWith(key))
            continue;
        bool ok = false;
        const qint64 kib = line.mid(key.size()).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? kib : -1;
    }
    return -1;
}

pid_t ProcessMemory::parentFromStat(const QByteArray &stat)
{
    // "pid (comm) state ppid ...": comm may hold spaces and parentheses.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    bool ok = false;
    const int ppid = fields.value(1).toInt(&ok);
    return ok ? pid_t(ppid) : -1;
}

QList<ProcessMemory::Process> ProcessMemory::tree() const
{
    QMultiHash<pid_t, pid_t> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool numeric = false;
        const pid_t pid = pid_t(entry.toInt(&numeric));
        if (numeric)
            children.insert(parentFromStat(readProc(pid, "stat")), pid);
    }

    QList<Process> result;
    QList<pid_t> queue{m_root};
    while (!queue.isEmpty()) {
        const pid_t pid = queue.takeFirst();
        const QByteArray rollup = readProc(pid, "smaps_rollup");
        const qint64 pss = fieldOfRollup(rollup, "Pss");
        if (pss < 0)
            continue; // gone meanwhile
        const qint64 unshared
            = fieldOfRollup(rollup, "Private_Clean") + fieldOfRollup(rollup, "Private_Dirty");
        result.append(
            {pid, QString::fromLocal8Bit(readProc(pid, "comm").trimmed()), pss, unshared});
        queue.append(children.values(pid));
    }
    return result;
}
