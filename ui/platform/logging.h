#pragma once

#include <QLoggingCategory>

// Where the program tells of failures it survives: warnings on standard
// error, one category per area. Quiet while all is well.
Q_DECLARE_LOGGING_CATEGORY(lcStart) // orvani.start: starting and ending
Q_DECLARE_LOGGING_CATEGORY(lcPane) // orvani.pane: the page pane and the web engine
Q_DECLARE_LOGGING_CATEGORY(lcHandler) // orvani.handler: the windows' menu commands and controls
Q_DECLARE_LOGGING_CATEGORY(lcPlatform) // orvani.platform: starting programs, opening web addresses
