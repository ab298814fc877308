#pragma once

#include "pagepane.h"
#include "platform.h"

#include <QStringList>
#include <QWidget>

#include <functional>

// A page pane that records what it was asked to open. `failWhen` makes a
// request fail; `onNavigate` lets a test look at the window at that moment.
class RecordingPane : public QWidget, public PagePane
{
public:
    void Navigate(const QString &address) override
    {
        if (onNavigate)
            onNavigate(address);
        if (failWhen && failWhen(address))
            throw PlatformError("navigation failed");
        addresses.append(address);
    }
    QWidget *widget() override { return this; }

    QStringList addresses;
    std::function<bool(const QString &)> failWhen;
    std::function<void(const QString &)> onNavigate;
};
