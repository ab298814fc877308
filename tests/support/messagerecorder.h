#pragma once

#include <QList>
#include <QMutex>
#include <QStringList>

#include <algorithm>

// Records every message logged while it lives, from any thread, with its
// type and category, and passes none on; the handler before it comes back
// when it goes. For tests that check where a failure is told, not only what.
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

    // Whether a message of `type` in `category` whose text holds `part` came.
    bool has(QtMsgType type, const QString &category, const QString &part) const
    {
        const QMutexLocker lock(&s_mutex);
        return std::any_of(m_messages.cbegin(), m_messages.cend(), [&](const Message &message) {
            return message.type == type && message.category == category
                && message.text.contains(part);
        });
    }

    // Every message so far, a line each, for a failure's report.
    QString all() const
    {
        const QMutexLocker lock(&s_mutex);
        QStringList lines;
        for (const Message &message : m_messages)
            lines << message.category + ": " + message.text;
        return lines.join('\n');
    }

private:
    struct Message {
        QtMsgType type;
        QString category, text;
    };

    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const QMutexLocker lock(&s_mutex);
        if (s_current)
            s_current->m_messages.append({type, QString::fromUtf8(context.category), text});
    }

    static inline QMutex s_mutex; // guards s_current and its messages
    static inline MessageRecorder *s_current = nullptr;
    QtMessageHandler m_previous;
    QList<Message> m_messages;
};
