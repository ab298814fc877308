#pragma once

#include "benchrun.h"

#include <QJsonObject>
#include <QList>

// Prints the medians of the trainer's and the baseline's starts, their
// ratios and the goals, and gives them back as JSON, with every start.
QJsonObject benchReport(const QList<BenchRun> &trainer, const QList<BenchRun> &baseline, int busyStarts);
