#include "contentfolder.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

// Collects what the pages log as errors.
class ErrorLoggingPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList errors;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        if (level == ErrorMessageLevel)
            errors << QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message);
    }
};

// What a page must be in the 465 x 313 pane, checked in the page itself.
// The text box covers the pane from row 280 down, so every page must be
// able to scroll its last line above it.
const char kProblems[] = R"(
(() => {
    const d = document, root = d.documentElement, problems = [];
    if (d.compatMode !== 'CSS1Compat') problems.push('no <!DOCTYPE html>');
    if (d.characterSet !== 'UTF-8') problems.push('encoding ' + d.characterSet);
    if (root.lang !== 'en') problems.push('<html lang> is "' + root.lang + '"');
    if (!d.title.trim()) problems.push('no title');
    if (root.scrollWidth > root.clientWidth) problems.push('scrolls sideways, ' + root.scrollWidth + 'px');
    if (parseFloat(getComputedStyle(d.body).paddingBottom) < 33)
        problems.push('last line stays under the text box');
    for (const img of d.images)
        if (!img.alt || !img.naturalWidth) problems.push('image without text or picture: ' + img.src);
    for (const svg of d.querySelectorAll('body svg:not(svg svg)'))
        if (!svg.getAttribute('aria-label') && svg.getAttribute('aria-hidden') !== 'true')
            problems.push('picture without a text alternative');
    for (const el of d.querySelectorAll('.orvani'))
        if (el.lang !== 'x-orvani') problems.push('Orvani text not marked lang="x-orvani"');
    return problems;
})()
)";

const char kAudioPending[] =
    "[...document.querySelectorAll('audio')].filter(a => a.readyState < 1 && !a.error).length";
const char kAudioBroken[] = "[...document.querySelectorAll('audio')]"
                           ".filter(a => a.error || !(a.duration > 0))"
                           ".map(a => 'sound does not play: ' + a.src)";

} // namespace

class tst_PagesInEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageShowsCleanly_data();
    void pageShowsCleanly();

private:
    QVariant evaluate(const char *script);

    std::unique_ptr<QWebEngineView> m_view;
    ErrorLoggingPage *m_page = nullptr;
};

QVariant tst_PagesInEngine::evaluate(const char *script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    m_page->runJavaScript(QString::fromUtf8(script), [result](const QVariant &v) { *result = v; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, 5000))
        return {};
    return **result;
}

void tst_PagesInEngine::initTestCase()
{
    m_view = std::make_unique<QWebEngineView>();
    m_page = new ErrorLoggingPage(m_view.get());
    m_view->setPage(m_page);
    m_view->resize(465, 313);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void tst_PagesInEngine::pageShowsCleanly_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : contentFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void tst_PagesInEngine::pageShowsCleanly()
{
    QFETCH(QString, file);
    m_page->errors.clear();
    QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
    m_view->load(QUrl::fromLocalFile(contentFolder().absoluteFilePath(file)));
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.first().first().toBool(), true);

    QTRY_COMPARE_WITH_TIMEOUT(evaluate(kAudioPending).toInt(), 0, 5000);
    const QVariant found = evaluate(kProblems);
    QVERIFY2(found.isValid(), "the checks did not run in the page");
    const QStringList problems =
        found.toStringList() + evaluate(kAudioBroken).toStringList() + m_page->errors;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_PagesInEngine)
#include "tst_pagesinengine.moc"
