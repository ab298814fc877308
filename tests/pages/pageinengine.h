#pragma once

#include "contentfolder.h"
#include "form1layout.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>

// How long a page may take to answer, load or play: a deadline, never a wait.
// A machine whose cores are all busy needs many times what an idle one does.
inline constexpr int kPatience = 120000; // ms

// The script's value, once the page has answered.
inline QVariant evaluateIn(QWebEnginePage *page, const QString &script)
{
    const auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [result](const QVariant &v) { *result = v; });
    (void)QTest::qWaitFor([&] { return result->has_value(); }, kPatience);
    return result->value_or(QVariant());
}

// A web view of the page pane's size showing pages of the content folder,
// with the script errors they log and a script of probes run in each page.
class PageInEngine : public QWebEngineView
{
    class ErrorLoggingPage : public QWebEnginePage
    {
    public:
        using QWebEnginePage::QWebEnginePage;
        QStringList errors;
        void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                      int line, const QString &source) override
        {
            if (level == ErrorMessageLevel)
                errors << QStringLiteral("%1:%2: %3").arg(source, QString::number(line), message);
        }
    };
    ErrorLoggingPage *m_page = new ErrorLoggingPage(this);
    QString m_probes;

public:
    // `probesFile`: a script run in every page once it has loaded.
    explicit PageInEngine(const QString &probesFile)
    {
        QFile probes(probesFile);
        if (probes.open(QIODevice::ReadOnly))
            m_probes = QString::fromUtf8(probes.readAll()) + ";true";
        setPage(m_page);
        resize(form1layout::kPagePane.size());
    }

    QStringList &errors() { return m_page->errors; }

    // A page of the folder, with a place on it after '#'.
    bool load(const QString &address)
    {
        m_page->errors.clear();
        QSignalSpy loaded(this, &QWebEngineView::loadFinished);
        QUrl url
            = QUrl::fromLocalFile(contentFolder().absoluteFilePath(address.section('#', 0, 0)));
        url.setFragment(address.section('#', 1), QUrl::DecodedMode);
        QWebEngineView::load(url);
        return loaded.wait(kPatience) && loaded.first().first().toBool() && !m_probes.isEmpty()
            && evaluate(m_probes).toBool();
    }

    QVariant evaluate(const QString &script) { return evaluateIn(m_page, script); }
    const QString &probes() const { return m_probes; }

    void press(int key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(focusProxy(), Qt::Key(key));
    }
};
