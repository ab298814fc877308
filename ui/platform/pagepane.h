#pragma once

#include <QString>

class QWidget;

// The page pane as the handlers see it: it is asked to navigate and nothing
// else. Navigate returns at once; loading goes on by itself. It throws
// PlatformError when the request itself cannot be made.
class PagePane
{
public:
    virtual ~PagePane() = default;
    virtual void Navigate(const QString &address) = 0;
    virtual QWidget *widget() = 0;
};
