#include "contentfolder.h"
#include "entrytable.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace orvani;

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
                && audio.some(a => a.controls && /ogg$/.test(a.src)),
            rows: [...d.querySelectorAll('tr')].filter(r => r.querySelector('.orvani')).map(r =>
                r.querySelector('a').getAttribute('href') + ': ' + text(r.querySelector('a'))
                + ' = ' + text(r.querySelector('.orvani')))};
})())";

// The text entries as dictionary rows, in the order of one language.
QStringList dictionaryRows(bool byOrvani)
{
    QMap<QString, QString> rows;
    for (const Entry &e : kEntries)
        if (!e.isPageOnly())
            rows.insert(toQString(byOrvani ? e.orvani : e.english).toCaseFolded(),
                        fileOfTail(e.pageTail) + ": " + toQString(e.english) + " = "
                            + toQString(e.orvani));
    return rows.values();
}

} // namespace

class tst_PagesInEngine : public QObject
{
    Q_OBJECT
    QWebEngineView m_view;
    ErrorLoggingPage *m_page = new ErrorLoggingPage(&m_view);

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
        QTest::addColumn<QString>("english"); // of a lesson
        QTest::addColumn<QString>("orvani");
        QTest::addColumn<QStringList>("rows"); // of a dictionary
        for (const QString &file : contentFiles()) {
            const Entry *lesson = nullptr;
            for (const Entry &e : kEntries)
                lesson = !e.isPageOnly() && fileOfTail(e.pageTail) == file ? &e : lesson;
            QTest::newRow(qPrintable(file))
                << file << toQString(lesson ? lesson->english : u"")
                << toQString(lesson ? lesson->orvani : u"")
                << (file == "english.htm" ? dictionaryRows(false)
                        : file == "orvani.htm" ? dictionaryRows(true) : QStringList());
        }
    }

    // Every page loads with no script error or problem above. A lesson shows its
    // entry's Orvani text once, its English text, a picture and an Ogg Vorbis
    // player; a dictionary, every text entry once, linked, in order.
    void pageShowsCleanly()
    {
        QFETCH(QString, file);
        QFETCH(QString, english);
        QFETCH(QString, orvani);
        QFETCH(QStringList, rows);
        m_page->errors.clear();
        QSignalSpy loaded(&m_view, &QWebEngineView::loadFinished);
        m_view.load(QUrl::fromLocalFile(contentFolder().absoluteFilePath(file)));
        QVERIFY(loaded.wait(10000) && loaded.first().first().toBool());
        // Asked until the sounds have loaded; each answer comes back later.
        const auto page = std::make_shared<QVariantMap>();
        const auto answered = [&] {
            m_page->runJavaScript(kInspect, [page](const QVariant &v) { *page = v.toMap(); });
            return !page->isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), 10000);
        const QStringList problems = (*page)["problems"].toStringList() + m_page->errors;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        if (!orvani.isEmpty()) {
            QCOMPARE((*page)["orvani"].toStringList(), QStringList{orvani});
            QVERIFY2((*page)["text"].toString().contains(english), "the English text is missing");
            QVERIFY2((*page)["lesson"].toBool(), "no picture, or no player for an Ogg Vorbis file");
        }
        if (!rows.isEmpty())
            QCOMPARE((*page)["rows"].toStringList(), rows);
    }
};

QTEST_MAIN(tst_PagesInEngine)
#include "tst_pagesinengine.moc"
