#include "pageinengine.h"

// The self-test as the real engine runs it: rounds by keyboard, what a round
// offers, and that it keeps nothing.
class tst_SelfTestInEngine : public QObject
{
    Q_OBJECT
    PageInEngine m_view{ORVANI_PROBES};

    void load() { QVERIFY(m_view.load("selftest.html")); }
    QVariant evaluate(const QString &script) { return m_view.evaluate(script); }
    void press(int key, int times = 1) { m_view.press(key, times); }

    // Answers the question shown by keyboard, rightly or not, in its way.
    void answer(const QString &mode, bool right)
    {
        if (mode == "listen" || mode == "choose-orvani") {
            // The choice meant by its number key, then Return on Next.
            const int place
                = evaluate(QString("[...t.q().querySelectorAll('.choices button')].findIndex("
                                   "b => (b.dataset.meaning == t.asked().meaning) === %1)")
                               .arg(right ? "true" : "false"))
                      .toInt();
            press(Qt::Key_1 + place);
        } else if (mode == "type-orvani" || mode == "dictation" || mode.startsWith("drill-")) {
            QTest::keyClicks(m_view.focusProxy(),
                             right ? evaluate("t.asked().orvani").toString() : "xyz");
            press(Qt::Key_Return);
        } else {
            press(Qt::Key_Return); // Show
            press(Qt::Key_Tab, right ? 0 : 1);
            press(Qt::Key_Return); // I knew it, I did not know it
            return;
        }
        QTRY_VERIFY(QStringList({"Next question", "See your score"})
                        .contains(evaluate("document.activeElement.textContent").toString()));
        press(Qt::Key_Return);
    }

    QString titleAndScore()
    {
        return evaluate("t.text('question-title') + '|' + t.text('score')").toString();
    }

private slots:
    void initTestCase()
    {
        m_view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_view));
    }

    // After every test's rounds, in every way: no script error, and nothing
    // kept in the page's storage or cookies. (That the program's pane keeps
    // nothing on disk: tst_realprogram.)
    void cleanup()
    {
        QVERIFY2(m_view.errors().isEmpty(), qPrintable(m_view.errors().join('\n')));
        QCOMPARE(evaluate("localStorage.length + sessionStorage.length + document.cookie"), "0");
    }

    void wrongAnswerComesBack_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("group");
        for (const char *mode : {"listen", "type-orvani", "recall-orvani", "recall-english",
                                 "dictation", "choose-orvani", "drill-person", "drill-negative",
                                 "drill-question", "drill-answer", "drill-order"})
            QTest::newRow(mode) << mode
                                << (QByteArray(mode).startsWith("choose")
                                            || QByteArray(mode) == "listen"
                                        ? "animals"
                                        : "phrases");
    }

    // A round of five by keyboard, the first answer wrong: it is asked again
    // as a sixth question, and the round ends with it listed with its sound;
    // Return starts a round of it alone; answered rightly, nothing is left.
    void wrongAnswerComesBack()
    {
        QFETCH(QString, mode);
        QFETCH(QString, group);
        load();
        evaluate(QString("t.choose('%1', '%2', '5')").arg(mode, group));
        press(Qt::Key_Return);
        QTRY_COMPARE(titleAndScore(), "Question 1 of 5|");
        const QString missed = evaluate("t.asked().orvani").toString();
        answer(mode, false);
        for (int question = 2; question <= 5; ++question) {
            QTRY_COMPARE(titleAndScore(), QString("Question %1 of 6|").arg(question));
            answer(mode, true);
        }
        QTRY_COMPARE(titleAndScore(), "Question 6 of 6 (again)|");
        QCOMPARE(evaluate("t.asked().orvani").toString(), missed);
        answer(mode, true);
        QTRY_VERIFY(titleAndScore().endsWith(" 4 of 5."));
        QCOMPARE(
            evaluate("[...document.querySelectorAll('#missed li .orvani')].map(e => e.textContent)")
                .toStringList(),
            QStringList{missed});
        QCOMPARE(
            evaluate("document.querySelectorAll('#missed li .sounds button[data-sound]').length")
                .toInt(),
            2);
        QCOMPARE(evaluate("document.activeElement.id").toString(), "retry");
        press(Qt::Key_Return);
        QTRY_COMPARE(titleAndScore(), "Question 1 of 1|");
        QCOMPARE(evaluate("t.asked().orvani").toString(), missed);
        answer(mode, true);
        QTRY_VERIFY(titleAndScore().endsWith(" 1 of 1."));
        QVERIFY(evaluate("document.getElementById('retry').hidden && "
                         "document.getElementById('missed-part').hidden"
                         " && document.activeElement.id === 'again'")
                    .toBool());
    }

    void typedAnswers_data()
    {
        QTest::addColumn<QString>("typing"); // of t.typings
        for (const char *typing :
             {"as written", "case, punctuation, spaces", "one letter in a long word", "two letters",
              "by the rules", "another form one letter away"})
            QTest::newRow(typing) << typing;
    }

    // Every phrase typed (into the field, sent as Return sends it): slips of
    // case, punctuation and spaces and one letter in a long word are taken,
    // and a difference is shown wherever the typing was not exact; more, or a
    // slip that makes another Orvani form, is not taken, and what that form
    // means is said; every way the rules write a statement is right.
    void typedAnswers()
    {
        QFETCH(QString, typing);
        load();
        const QStringList problems
            = evaluate("t.typedRound(t.typings['" + typing + "'])").toStringList();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY(evaluate("t.text('score')").toString().startsWith("You got "));
    }

    // No question offers two choices written alike or of another kind or
    // style; a round of a whole group holds each of its items once, and
    // rounds of five walk through a group of fifteen before any comes back.
    void roundsAreFair()
    {
        load();
        const QStringList problems
            = evaluate("[...t.choicesOfEveryGroup(), ...t.walkThroughAnimals()]").toStringList();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 10).join('\n')));
    }

    // A question asked by ear plays by itself, at full speed. (Its Slower
    // button is the pages' own: tst_pagesinengine.)
    void askedByEarPlaysByItself()
    {
        load();
        evaluate("t.choose('listen', '', '5')");
        press(Qt::Key_Return);
        QTRY_COMPARE(evaluate("t.playing()").toString(), "1");
    }
};

QTEST_MAIN(tst_SelfTestInEngine)
#include "tst_selftestinengine.moc"
