#include "pageinengine.h"

#include <QWebEngineSettings>

class tst_PagesInEngine : public QObject
{
    Q_OBJECT
    PageInEngine m_view{ORVANI_PROBES};

    void load(const QString &address) { QVERIFY(m_view.load(address)); }
    static void everyPage()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : contentFiles())
            QTest::newRow(qPrintable(file)) << file;
    }
    QVariant evaluate(const QString &script) { return m_view.evaluate(script); }

private slots:
    void initTestCase()
    {
        // Sounds start from a script's click as from the user's.
        m_view.page()->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                                                false);
        m_view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_view));
    }

    void pageShowsCleanly_data() { everyPage(); }

    // Every page loads with no script error or problem, gets its styles,
    // pictures and sounds (that all in its folder reaches a page in the
    // program's own pane: tst_pagenetwork), its text readable and every
    // control marked when the keyboard is on it. (What the pages say is the
    // page writer's, checked against the phrasebook: pages_match_the_phrasebook.)
    void pageShowsCleanly()
    {
        QFETCH(QString, file);
        load(file);
        // Asked until the sounds have loaded.
        const QString inspect = QStringLiteral("probe.inspect()");
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(inspect).typeId() == QMetaType::QVariantMap, kPatience);
        const QVariantMap page = evaluate(inspect).toMap();
        const QStringList problems = page["problems"].toStringList() + m_view.errors();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        evaluate("probe.loadSounds(['" + page["sounds"].toStringList().join("', '") + "'])");
        QTRY_VERIFY_WITH_TIMEOUT(evaluate("window.soundsLoaded !== null").toBool(), kPatience);
        QCOMPARE(evaluate("window.soundsLoaded").toStringList(), QStringList());

        QCOMPARE(evaluate("probe.contrastFailures()").toStringList(),
                 QStringList()); // text below AA contrast
        m_view.activateWindow(), m_view.setFocus(); // one Tab puts the keyboard in use
        m_view.press(Qt::Key_Tab);
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate("document.activeElement.matches(':focus-visible')").toBool(), 15000);
        QCOMPARE(evaluate("probe.unmarkedControls()").toStringList(),
                 QStringList()); // controls without a focus mark
    }

    // An example's play button plays its sentence; a sound that cannot be
    // played is said on the page beside its button, and cleared by one that can.
    void exampleSoundPlaysAndAFailureIsSaid()
    {
        load("p11.html");
        evaluate("probe.recordPlays(); document.querySelector('.example button.play').click()");
        const QString sound
            = evaluate("document.querySelector('.example [data-sound]').dataset.sound").toString();
        QTRY_VERIFY_WITH_TIMEOUT(sound.endsWith(".mp3")
                                     && evaluate("probe.played.join()").toString().endsWith(sound),
                                 kPatience);
        evaluate("const b = document.querySelector('.example button.slower');"
                 "b.dataset.sound = 'audio/none-such.mp3'; b.click()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("probe.soundProblems()").toString(),
                                  "This sound cannot be played.", kPatience);
        evaluate("document.querySelector('.example button.play').click()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("probe.soundProblems()").toString(), "", kPatience);
        QVERIFY(m_view.errors().isEmpty());
    }

    void dictionaryFilterNarrows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("row"); // one of the rows left, its words run together
        QTest::newRow("a word") << "orvani.htm"
                                << "tatanka"
                                << "tatankabuffalo";
        QTest::newRow("not a button's Slower") << "english.htm"
                                               << "lo"
                                               << "potatoblo";
        QTest::newRow("a person marker")
            << "english.htm"
            << "we"
            << "we, our (in front of a verb or noun; inside ipi and opi)unk-";
        QTest::newRow("in Orvani") << "orvani.htm"
                                   << "we"
                                   << "kowewhere";
    }

    // Typing narrows the list to the lines whose words hold the text, never
    // a button's label, one row each, and the live count says how many.
    void dictionaryFilterNarrows()
    {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(QString, row);
        load(file);
        evaluate("document.getElementById('filter').focus()");
        QTest::keyClicks(m_view.focusProxy(), typed);
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(QString("probe.filterShows('%1', '%2')").arg(typed, row)).toBool(), kPatience);
    }
};

QTEST_MAIN(tst_PagesInEngine)
#include "tst_pagesinengine.moc"
