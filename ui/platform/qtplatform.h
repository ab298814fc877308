#pragma once

#include "platform.h"

// The platform as Qt offers it.
class QtPlatform final : public Platform
{
public:
    QString applicationFolder() override;
    void startProgram(const QString &path) override;
    void showMessage(const QString &text) override;
    void openWebAddress(const QString &address) override;
};
