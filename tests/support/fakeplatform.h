#pragma once

#include "platform.h"

#include <QStringList>

// A platform whose every answer the test chooses and whose every request
// it records.
class FakePlatform : public Platform
{
public:
    QString applicationFolder() override
    {
        if (folderFails)
            throw PlatformError("no folder");
        return folder;
    }
    void startProgram(const QString &path) override
    {
        if (startFails)
            throw PlatformError("cannot start");
        started.append(path);
    }
    void showMessage(const QString &text) override { messages.append(text); }
    void openWebAddress(const QString &address) override
    {
        if (openerMissing)
            throw PlatformError("no opener");
        opened.append(address);
    }

    QString folder = QStringLiteral("/trainer");
    bool folderFails = false, startFails = false, openerMissing = false;
    QStringList started, messages, opened;
};
