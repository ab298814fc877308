#include "contentfolder.h"
#include "form1layout.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
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

// Run in a page in the pane: its problems and what it shows. The Orvani text
// box covers the pane's last BOX_ROWS rows: the last line must scroll above it.
const char kInspect[] = R"((() => {
    const d = document, audio = [...d.querySelectorAll('audio')], problems = [];
    if (audio.some(a => a.readyState < 1 && !a.error)) return 'sounds loading';
    const need = (ok, problem) => ok || problems.push(problem), text = e => e.textContent.trim();
    need(d.compatMode === 'CSS1Compat' && d.characterSet === 'UTF-8', 'no doctype or UTF-8');
    need(d.documentElement.lang === 'en' && d.title.trim(), 'no <html lang=en> or no title');
    need(d.documentElement.scrollWidth <= d.documentElement.clientWidth, 'scrolls sideways');
    need(parseFloat(getComputedStyle(d.body).paddingBottom) >= BOX_ROWS, 'last line under the text box');
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
    // Each Orvani text outside a picture names its sound, played at both speeds.
    const said = [...d.querySelectorAll('[lang="x-orvani"]')].filter(e => !e.closest('svg') && !e.parentElement.closest('[lang="x-orvani"]'));
    for (const {dataset: {sound}, textContent} of said)
        need(sound && (d.querySelector(`audio[src="${sound}"]`) || [':not([data-rate="0.6"])', '[data-rate="0.6"]']
            .every(rate => d.querySelector(`button[data-sound="${sound}"]${rate}`))), 'no sound at two speeds: ' + textContent);
    return {problems, orvani: orvani.map(text), text: d.body.innerText,
            sounds: [...new Set(said.map(e => e.dataset.sound))],
            lesson: !!d.querySelector('svg, img')
                && audio.some(a => a.controls && /mp3$/.test(a.src)),
            rows: [...d.querySelectorAll('tr')].filter(r => r.querySelector('.orvani')).map(r =>
                (r.querySelector('a').getAttribute('href') + ': ' + text(r.querySelector('.orvani'))).toLowerCase())};
})())";

// Sets window.soundsLoaded to those of the sounds given that do not load.
const char kLoadSounds[] = R"((list => { window.soundsLoaded = null;
    Promise.all(list.map(src => new Promise(done => { const a = new Audio(src);
        a.onloadedmetadata = () => done(a.duration > 0 ? '' : src); a.onerror = () => done(src); })))
        .then(failed => { window.soundsLoaded = failed.filter(Boolean); }); }))";

// Every text as drawn, against what lies beneath (in a picture: the shape under
// it), below WCAG AA: 4.5:1, large text 3:1.
const char kContrast[] = R"((() => { try {
    const rgba = s => { const m = (s.match(/[\d.]+/g) || [0, 0, 0, 0]).map(Number); return [...m.slice(0, 3), m[3] ?? 1]; };
    const over = (top, under) => top.slice(0, 3).map((c, i) => c * top[3] + under[i] * (1 - top[3]));
    const lum = rgb => rgb.map(c => (c /= 255) <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4)
                          .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
    const up = e => e ? [...up(e.parentElement), e] : [], css = getComputedStyle;
    const beneath = e => up(e).reduce((bg, el) => over(rgba(css(el).backgroundColor), bg), [255, 255, 255]);
    const failures = [], walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node; (node = walker.nextNode());) {
        const e = node.parentElement, box = e.getBoundingClientRect(), style = css(e);
        if (!node.data.trim() || box.width <= 1 || box.height <= 1 || style.visibility === 'hidden') continue;
        const shape = e.closest('svg') && document.elementsFromPoint(box.x + box.width / 2, box.y + box.height / 2)
            .find(u => !u.contains(e) && u.closest('svg') && u.tagName !== 'text' && css(u).fill !== 'none');
        const bg = shape ? over(rgba(css(shape).fill), beneath(shape)) : beneath(e);
        const fg = rgba(e.closest('svg') ? style.fill : style.color);
        fg[3] *= up(e).reduce((o, el) => o * Number(css(el).opacity), 1);
        const [hi, lo] = [lum(over(fg, bg)), lum(bg)].sort((x, y) => y - x), got = (hi + 0.05) / (lo + 0.05);
        const size = parseFloat(style.fontSize), large = size >= 24 || (size >= 18.66 && style.fontWeight >= 700);
        if (got < (large ? 3 : 4.5)) failures.push(`${node.data.trim().slice(0, 30)}: ${got.toFixed(2)}:1`);
    }
    return failures; } catch (error) { return ['the check failed: ' + error]; } })())";

// The controls that, focused once the keyboard is in use, show no focus mark of 2 pixels or more.
const char kFocusMarks[]
    = R"([...document.querySelectorAll('a[href], button, input, select, [tabindex]')].filter(c =>
    c.getClientRects().length && (c.focus(), document.activeElement !== c || parseFloat(getComputedStyle(c).outlineWidth) < 2
        || getComputedStyle(c).outlineStyle === 'none')).map(c => c.outerHTML.slice(0, 60)))";

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
        QUrl url
            = QUrl::fromLocalFile(contentFolder().absoluteFilePath(address.section('#', 0, 0)));
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
        // Sounds start from a script's click as from the user's.
        m_page->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
        m_view.resize(form1layout::kPagePane.size());
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
            const bool lesson = file == "wolf.html",
                       dictionary = file == "english.htm" || file == "orvani.htm";
            QTest::newRow(qPrintable(file))
                << file << (lesson ? "Sunkmanitu tanka" : "") << (lesson ? "Wolf" : "")
                << (dictionary ? "wolf.html: sunkmanitu tanka" : "");
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
        using namespace form1layout;
        const QString inspect = QString(kInspect).replace(
            "BOX_ROWS", QString::number(kPagePane.bottom() - kOrvaniBox.top() + 1));
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(inspect).typeId() == QMetaType::QVariantMap, 10000);
        const QVariantMap page = evaluate(inspect).toMap();
        const QStringList problems = page["problems"].toStringList() + m_page->errors;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        if (!orvani.isEmpty()) {
            QCOMPARE(page["orvani"].toStringList(), QStringList{orvani});
            QVERIFY2(page["text"].toString().contains(english), "the English text is missing");
            QVERIFY2(page["lesson"].toBool(), "no picture, or no player for an MP3 file");
        }
        QVERIFY2(row.isEmpty() || page["rows"].toStringList().contains(row), qPrintable(row));

        evaluate(QString(kLoadSounds) + "(['" + page["sounds"].toStringList().join("', '") + "'])");
        QTRY_VERIFY_WITH_TIMEOUT(evaluate("window.soundsLoaded !== null").toBool(), 20000);
        QCOMPARE(evaluate("window.soundsLoaded").toStringList(),
                 QStringList()); // sounds that do not load
        QCOMPARE(evaluate(kContrast).toStringList(), QStringList()); // text below AA contrast
        m_view.activateWindow(), m_view.setFocus(); // one Tab puts the keyboard in use
        press({Qt::Key_Tab});
        QTRY_VERIFY(evaluate("document.activeElement.matches(':focus-visible')").toBool());
        QCOMPARE(evaluate(kFocusMarks).toStringList(),
                 QStringList()); // controls without a focus mark
    }

    // An example's play button plays its sentence; a sound that cannot be
    // played is said on the page beside its button, and cleared by one that can.
    void exampleSoundPlaysAndAFailureIsSaid()
    {
        load("p11.html");
        evaluate("window.played = []; const play = HTMLMediaElement.prototype.play;"
                 "HTMLMediaElement.prototype.play = function () { const p = play.call(this);"
                 "    p.then(() => played.push(this.src), e => played.push(e.name)); return p; };"
                 "document.querySelector('.example button.play').click()");
        const QString sound
            = evaluate("document.querySelector('.example [data-sound]').dataset.sound").toString();
        QTRY_VERIFY_WITH_TIMEOUT(
            sound.endsWith(".mp3") && evaluate("played.join()").toString().endsWith(sound), 10000);
        const QString problem = "[...document.querySelectorAll('.sound-problem')].map(p => "
                                "p.offsetHeight && p.textContent).join()";
        evaluate("const b = document.querySelector('.example button.slower');"
                 "b.dataset.sound = 'audio/none-such.mp3'; b.click()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(problem).toString(), "This sound cannot be played.",
                                  10000);
        evaluate("document.querySelector('.example button.play').click()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(problem).toString(), "", 10000);
        QVERIFY(m_page->errors.isEmpty());
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
                .map(r => (r.cells[0].textContent + r.cells[1].textContent).toLowerCase())))";
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(narrowed).toBool(), 10000);
    }
};

QTEST_MAIN(tst_PagesInEngine)
#include "tst_pagesinengine.moc"
