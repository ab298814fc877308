#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// The proportional set size of a process and all its descendants (the web
// engine's helper processes), read from /proc/<pid>/smaps_rollup.
class ProcessMemory
{
public:
    struct Process {
        pid_t pid = 0;
        QString name;
        qint64 pssKiB = 0;
        qint64 privateKiB = 0; // unshared pages: unaffected by other programs
    };

    explicit ProcessMemory(pid_t root);

    // The root and every live descendant, the root first.
    QList<Process> tree() const;

    // The figure of `field` (e.g. "Pss") in an smaps_rollup text, in KiB,
    // or -1 when it has none.
    static qint64 fieldOfRollup(const QByteArray &rollup, const QByteArray &field);
    // The parent pid in a /proc/<pid>/stat line, or -1.
    static pid_t parentFromStat(const QByteArray &stat);

private:
    pid_t m_root;
};
