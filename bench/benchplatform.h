#pragma once

#include "qtplatform.h"

// The platform of the real program, except that the application folder is
// the one the benchmark was given rather than the benchmark's own.
class BenchPlatform final : public Platform
{
public:
    // startedWith: the environment the benchmark was started with.
    BenchPlatform(QString applicationFolder, const QProcessEnvironment &startedWith)
        : m_folder(std::move(applicationFolder))
        , m_real(startedWith)
    { }

    QString applicationFolder() override { return m_folder; }
    void startProgram(const QString &path) override { m_real.startProgram(path); }
    void showMessage(const QString &text) override { m_real.showMessage(text); }
    void openWebAddress(const QString &address) override { m_real.openWebAddress(address); }

private:
    QString m_folder;
    QtPlatform m_real;
};
