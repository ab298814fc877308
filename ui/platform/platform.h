#pragma once

#include <QString>

#include <stdexcept>

// A failure of the platform or of a control, for handlers that have an
// error path to catch it.
class PlatformError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What the windows need of their surroundings. The real one is QtPlatform;
// tests put a stand-in in its place.
class Platform
{
public:
    virtual ~Platform() = default;

    // The folder of the running executable, asked afresh at every call.
    // Throws PlatformError when it cannot be had.
    virtual QString applicationFolder() = 0;

    // Starts the program at `path` without arguments and without waiting.
    // Throws PlatformError when it cannot be started.
    virtual void startProgram(const QString &path) = 0;

    // A modal message box with an OK button, no icon and the application
    // title as its caption; returns when the user has closed it.
    virtual void showMessage(const QString &text) = 0;

    // Hands a web address to the user's default browser without waiting. A
    // browser that does not start is not the caller's concern: it leaves a
    // warning and nothing else.
    virtual void openWebAddress(const QString &address) = 0;
};
