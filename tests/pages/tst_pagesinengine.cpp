#include "contentfolder.h"

#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

namespace {

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

// Run in a page in the 465 x 313 pane: its problems and what it shows. The text
// box covers the pane from row 280 down: the last line must scroll above it.
const char kInspect[] = R"((() => {
    const d = document, audio = [...d.querySelectorAll('audio')], problems = [];
    if (audio.some(a => a.readyState < 1 && !a.error)) return 'sounds loading';
    const need = (ok, problem) => ok || problems.push(problem), text = e => e.textContent.trim();
    need(d.compatMode === 'CSS1Compat' && d.characterSet === 'UTF-8', 'no doctype or UTF-8');
    need(d.documentElement.lang === 'en' && d.title.trim(), 'no <html lang=en> or no title');
    need(d.documentElement.scrollWidth <= d.documentElement.clientWidth, 'scrolls sideways');
    need(parseFloat(getComputedStyle(d.body).paddingBottom) >= 33, 'last line under the text box');
    for (const img of d.images) need(img.alt && img.naturalWidth, 'bad picture: ' + img.src);
    for (const svg of d.querySelectorAll('body svg:not(svg svg)'))
        need(svg.ariaLabel || svg.ariaHidden === 'true', 'picture without a text alternative');
    for (const a of audio)
        need(!a.error && a.duration > 0, `sound does not play: ${a.src} (${a.error?.message} ${a.readyState})`);
    const slower = audio.map(a => a.closest('.player')?.querySelector('button[data-rate="0.6"]'));
    need(slower.every(b => b), 'a player without its Slower button');
    slower[0]?.click();
    need(!audio.length || audio[0].playbackRate === 0.6, 'Slower does not slow its player');
    const orvani = [...d.querySelectorAll('.orvani')];
    for (const o of orvani) need(o.lang === 'x-orvani', 'Orvani text not marked lang=x-orvani');
    return {problems, orvani: orvani.map(text), text: d.body.innerText,
            lesson: !!d.querySelector('svg, img')
                && audio.some(a => a.controls && /mp3$/.test(a.src)),
            rows: [...d.querySelectorAll('tr')].filter(r => r.querySelector('.orvani')).map(r =>
                (r.querySelector('a').getAttribute('href') + ': ' + text(r.querySelector('.orvani'))).toLowerCase())};
})())";

} // namespace

class tst_PagesInEngine : public QObject
{
    Q_OBJECT
    QWebEngineView m_view;
    ErrorLoggingPage *m_page = new ErrorLoggingPage(&m_view);

    // A page of the folder, with a place on it after '#'.
    void load(const QString &address)
    {
        m_page->errors.clear();
        QSignalSpy loaded(&m_view, &QWebEngineView::loadFinished);
        QUrl url = QUrl::fromLocalFile(contentFolder().absoluteFilePath(address.section('#', 0, 0)));
        url.setFragment(address.section('#', 1), QUrl::DecodedMode);
        m_view.load(url);
        QVERIFY(loaded.wait(10000) && loaded.first().first().toBool());
    }

    // The script's value, once the page has answered.
    QVariant evaluate(const QString &script)
    {
        const auto result = std::make_shared<std::optional<QVariant>>();
        m_page->runJavaScript(script, [result](const QVariant &v) { *result = v; });
        (void)QTest::qWaitFor([&] { return result->has_value(); }, 10000);
        return result->value_or(QVariant());
    }

    void press(const QList<int> &keys)
    {
        for (int key : keys)
            QTest::keyClick(m_view.focusProxy(), Qt::Key(key));
    }

private slots:
    void initTestCase()
    {
        m_view.setPage(m_page);
        m_view.resize(465, 313);
        m_view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_view));
    }

    void pageShowsCleanly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("orvani"); // of a lesson
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("row"); // of a dictionary
        for (const QString &file : contentFiles()) {
            const bool lesson = file == "wolf.html", dictionary = file == "english.htm" || file == "orvani.htm";
            QTest::newRow(qPrintable(file)) << file << (lesson ? "Sunkmanitu tanka" : "")
                << (lesson ? "Wolf" : "") << (dictionary ? "wolf.html: sunkmanitu tanka" : "");
        }
    }

    // Every page loads with no script error or problem above. A lesson shows its
    // entry's Orvani text once, its English text, a picture and an MP3
    // player; a dictionary, the entry, linked to its lesson. (The pages are
    // made from one template each: one lesson stands for all.)
    void pageShowsCleanly()
    {
        QFETCH(QString, file);
        QFETCH(QString, english);
        QFETCH(QString, orvani);
        QFETCH(QString, row);
        load(file);
        // Asked until the sounds have loaded.
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(kInspect).typeId() == QMetaType::QVariantMap, 10000);
        const QVariantMap page = evaluate(kInspect).toMap();
        const QStringList problems = page["problems"].toStringList() + m_page->errors;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        if (!orvani.isEmpty()) {
            QCOMPARE(page["orvani"].toStringList(), QStringList{orvani});
            QVERIFY2(page["text"].toString().contains(english), "the English text is missing");
            QVERIFY2(page["lesson"].toBool(), "no picture, or no player for an MP3 file");
        }
        QVERIFY2(row.isEmpty() || page["rows"].toStringList().contains(row), qPrintable(row));
    }

    // Typing narrows the list to the lines holding the text, one row each, and
    // the live count says how many are left.
    void dictionaryFilterNarrows()
    {
        load("orvani.htm");
        evaluate("document.getElementById('filter').focus()");
        QTest::keyClicks(m_view.focusProxy(), "tatanka");
        const QString narrowed = R"((rows => rows.includes('tatankabuffalo')
            && rows.every(r => r.includes('tatanka')) && rows.length === parseInt(
                document.getElementById('filter-count').textContent))(
            [...document.querySelectorAll('tr[data-entry]')].filter(r => r.offsetParent)
                .map(r => r.textContent.toLowerCase())))";
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(narrowed).toBool(), 10000);
    }
};

QTEST_MAIN(tst_PagesInEngine)
#include "tst_pagesinengine.moc"
