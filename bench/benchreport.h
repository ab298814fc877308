#pragma once

#include "benchrun.h"

#include <QJsonObject>
#include <QList>

#include <array>

// Prints the medians of each program's starts, the trainer's ratios to the
// two baselines and the goals, and gives them back as JSON, with every start.
QJsonObject benchReport(const std::array<QList<BenchRun>, kPrograms> &runs, int busyStarts);
