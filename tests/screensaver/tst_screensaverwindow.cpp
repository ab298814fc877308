#include "entrytable.h"
#include "screensaverwindow.h"
#include "u16.h"

#include <QCursor>
#include <QTest>

class TestScreenSaverWindow : public QObject
{
    Q_OBJECT
private slots:
    void endsOnInput_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("move"); // from where the pointer first showed up
        QTest::addColumn<bool>("ends");
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << QPoint() << true;
        QTest::newRow("left click") << 0 << int(Qt::LeftButton) << QPoint() << true;
        QTest::newRow("tiny move") << 0 << 0 << QPoint(6, 6) << false;
        QTest::newRow("big move") << 0 << 0 << QPoint(60, 0) << true;
    }

    void endsOnInput()
    {
        QFETCH(int, key);
        QFETCH(int, button);
        QFETCH(QPoint, move);
        QFETCH(bool, ends);
        ScreenSaverWindow window(1);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint rest(150, 120);
        QCursor::setPos(window.mapToGlobal(QPoint(450, 350))); // off it, so the move below counts
        QTest::mouseMove(&window, rest);
        if (key)
            QTest::keyClick(&window, Qt::Key(key));
        else if (button)
            QTest::mouseClick(&window, Qt::MouseButton(button), {}, rest);
        else
            QTest::mouseMove(&window, rest + move);
        QCOMPARE(window.isVisible(), !ends);
    }

    // In ten simulated minutes each word shown is a pair of the phrasebook,
    // in the window and clear of the others, some at full strength; and the
    // pairs come as decks: each run of as many words as there are pairs holds
    // every pair once. Fixed seeds, so that a failure can be replayed.
    void showsEveryPairOncePerDeck()
    {
        QSet<QString> pairs; // "Orvani = English"
        for (const orvani::Entry &entry : orvani::kEntries)
            if (!entry.isPageOnly())
                pairs << toQString(entry.orvani) + " = " + toQString(entry.english);
        for (QSize size : {QSize(1024, 768), QSize(160, 120)}) {
            ScreenSaverWindow window(20261207);
            window.resize(size);
            QHash<QString, qreal> shownAt; // pair -> left edge, which stays while it shows
            QStringList appeared; // in order
            bool fullStrength = false;
            for (int step = 0; step < 10 * 60 * 10; ++step) {
                window.advance(100);
                const QList<ScreenSaverWindow::ShownWord> words = window.shownWords();
                QHash<QString, qreal> now;
                for (qsizetype i = 0; i < words.size(); ++i) {
                    const auto &[orvani, english, area, opacity] = words[i];
                    const QString pair = orvani + " = " + english;
                    QVERIFY2(pairs.contains(pair) && window.rect().toRectF().contains(area)
                                 && opacity >= 0 && opacity <= 1,
                             qPrintable(pair));
                    for (qsizetype j = i + 1; j < words.size(); ++j)
                        QVERIFY2(!area.intersects(words[j].area), qPrintable(pair));
                    if (shownAt.value(pair, -1) != area.left())
                        appeared << pair;
                    now[pair] = area.left();
                    fullStrength = fullStrength || opacity == 1;
                }
                shownAt = now;
            }
            QVERIFY(fullStrength);
            QVERIFY2(appeared.size() >= pairs.size(), qPrintable(QString::number(appeared.size())));
            for (qsizetype deck = 0; deck + pairs.size() <= appeared.size(); deck += pairs.size()) {
                const QStringList dealt = appeared.mid(deck, pairs.size());
                const QSet<QString> missing = pairs - QSet<QString>(dealt.begin(), dealt.end());
                QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(", ")));
            }
        }
    }
};

QTEST_MAIN(TestScreenSaverWindow)
#include "tst_screensaverwindow.moc"
