#pragma once

#include "platform.h"

#include <QProcessEnvironment>

// The platform as Qt offers it.
class QtPlatform final : public Platform
{
public:
    // The programs it starts get `startedWith`: the environment the trainer
    // was started with, before it set anything for itself.
    explicit QtPlatform(QProcessEnvironment startedWith);

    QString applicationFolder() override;
    void startProgram(const QString &path) override;
    void showMessage(const QString &text) override;
    void openWebAddress(const QString &address) override;

private:
    QProcessEnvironment m_startedWith;
};
