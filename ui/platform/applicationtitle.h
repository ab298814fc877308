#pragma once

#include <QString>

// The caption of message boxes that name none of their own.
inline QString applicationTitle() { return QStringLiteral("Orvani Parlevo"); }
