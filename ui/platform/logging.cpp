#include "logging.h"

Q_LOGGING_CATEGORY(lcStart, "orvani.start", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPane, "orvani.pane", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHandler, "orvani.handler", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "orvani.platform", QtInfoMsg)
