#pragma once

#include "productinfo.h"

#include <QString>

// The caption of message boxes that name none of their own.
inline QString applicationTitle()
{
    return QStringLiteral(ORVANI_PRODUCT_NAME);
}

// The main window's caption: the title and the version, "v5.0".
inline QString mainWindowCaption()
{
    return applicationTitle() + QStringLiteral(" v" ORVANI_VERSION_SHOWN);
}
