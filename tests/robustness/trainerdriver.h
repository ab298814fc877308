#pragma once

#include <QHash>
#include <QPoint>
#include <QProcess>
#include <QString>

// Drives a copy of the real program on the test's X display as a user
// would: clicks on its menu and its entry list, keys, closing windows.
// Where the menu items lie is read from a Form1 that the test makes for a
// moment and never puts on screen: same code, same fonts, same display.
class TrainerDriver
{
public:
    TrainerDriver();
    ~TrainerDriver();

    // Copies the built application folder (ORVANI_APP_DIR) to `folder`.
    static bool copyApplication(const QString &folder);

    // Starts `program` and waits for its main window.
    bool start(const QString &program, const QProcessEnvironment &environment,
               const QString &workingDirectory);
    bool isRunning() const { return m_process.state() == QProcess::Running; }

    // Chooses a menu item by its object name, e.g. "mnuStory" or "mnuAnimals";
    // false for a name the menu does not have.
    bool choose(const QString &item);
    // Clicks into the entry list and takes the next `count` entries with
    // the arrow key.
    void pickEntries(int count);

    // The first visible window whose title matches `pattern` within
    // `timeoutMs`, or 0.
    static qulonglong waitForWindow(const QString &pattern, int timeoutMs);
    // Asks a window to close, as its title bar's close button does.
    static void closeWindow(qulonglong window);

    // Chooses Exit and waits for a clean end.
    bool quit();
    // Ends the program if it still runs.
    void stop();

private:
    struct Place
    {
        QPoint onBar;   // in the window
        int downKeys;   // in the item's menu; 0 for an item on the bar
    };
    void click(QPoint inWindow);

    QHash<QString, Place> m_menu;
    QPoint m_entryList;
    QPoint m_origin;
    QProcess m_process;
};

// Runs xdotool with `arguments`; its standard output.
QString xdotool(const QStringList &arguments);
