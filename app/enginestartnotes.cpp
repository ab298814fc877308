#include "enginestartnotes.h"

#include "logging.h"

#include <QLoggingCategory>
#include <QString>

namespace {

QtMessageHandler g_passOn = nullptr;

bool isEngineStartNote(QtMsgType type, const char *category, const QString &message)
{
    // Said while the module loads, and when the engine finds no OpenGL of
    // the window's to draw with.
    return type == QtWarningMsg && qstrcmp(category, "default") == 0
        && (message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin."))
            || message.startsWith(QLatin1String("No suitable graphics backend found")));
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isEngineStartNote(type, context.category, message)) {
        qCDebug(lcPane, "the engine draws in software: %s", qUtf8Printable(message.trimmed()));
        return;
    }
    g_passOn(type, context, message);
}

} // namespace

void quietenEngineStartNotes()
{
    if (g_passOn)
        return;
    // The report is an info line of this category, on unless turned off.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    g_passOn = qInstallMessageHandler(handle);
}
