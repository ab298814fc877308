#pragma once

#include "pagepane.h"
#include "platform.h"

#include <QStringList>
#include <QWidget>

#include <functional>

// A page pane that records what it was asked to open, and shows what the
// test says it shows. `failWhen` makes a
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
    // The pane comes to show `page`, as after a link, Back or Forward.
    void show(const QUrl &page) { tellPageShown(page); }
    QUrl notFound() const { return notFoundPage(); }

    QStringList addresses;
    std::function<bool(const QString &)> failWhen;
    std::function<void(const QString &)> onNavigate;
};
