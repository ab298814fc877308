#pragma once

#include <QMutex>
#include <QStringList>

// Records every warning logged while it lives, from any thread, as a line
// "category: text", and passes no message on; the handler before it comes
// back when it goes. For tests that check where a failure is told, not only what.
class MessageRecorder
{
public:
    MessageRecorder()
        : m_previous(qInstallMessageHandler(&record))
    {
        s_current = this;
    }
    ~MessageRecorder()
    {
        qInstallMessageHandler(m_previous);
        const QMutexLocker lock(&s_mutex);
        s_current = nullptr;
    }

    // The warnings so far, a line each.
    QString warnings() const
    {
        const QMutexLocker lock(&s_mutex);
        return m_warnings.join('\n');
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const QMutexLocker lock(&s_mutex);
        if (s_current && type == QtWarningMsg)
            s_current->m_warnings << QString::fromUtf8(context.category) + ": " + text;
    }

    static inline QMutex s_mutex; // guards s_current and its warnings
    static inline MessageRecorder *s_current = nullptr;
    QtMessageHandler m_previous;
    QStringList m_warnings;
};
