#pragma once

#include <QFont>

// The windows are laid out for Tahoma and MS Sans Serif. Where the system
// lacks them, metric-compatible faces that ship with some Linux systems are
// registered for this process, and Tahoma stands in for MS Sans Serif;
// otherwise Qt falls back to its sans-serif.
void registerClassicFonts();

// Tahoma at `pointSize`, regular weight, as the main window's controls use it.
QFont tahomaFont(qreal pointSize);
