#pragma once

#include "twips.h"

// Where the main window's controls lie, in its client area: the one source
// of these numbers for the window, its benchmark and its tests.
namespace form1layout {

inline constexpr QSize kClientArea = twipsSize(7245, 5355);
inline constexpr QRect kPagePane = twipsRect(120, 120, 6975, 4695); // WB
inline constexpr QRect kEntryList = twipsRect(1680, 4920, 3735, 315); // CmbEnglish
inline constexpr QRect kOrvaniBox
    = twipsRect(1680, 4320, 3735, 375); // txtOrvana, over the page's foot

// The rows at the page pane's foot that the Orvani text box lies over.
inline constexpr int kPaneRowsUnderBox = kPagePane.bottom() - kOrvaniBox.top() + 1;

} // namespace form1layout
