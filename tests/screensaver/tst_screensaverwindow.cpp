#include "screensaverwindow.h"

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

    // In ten simulated minutes each Orvani text shown keeps its one meaning, in
    // the window, clear of the others; half the 51 pairs or more show, some at
    // full strength. Fixed seeds, so that a failure can be replayed.
    void showsWordsApartWithTheirMeaning()
    {
        for (QSize size : {QSize(1024, 768), QSize(160, 120)}) {
            ScreenSaverWindow window(20261207);
            window.resize(size);
            QHash<QString, QString> seen; // Orvani text -> English
            bool fullStrength = false;
            for (int step = 0; step < 10 * 60 * 10; ++step) {
                window.advance(100);
                const QList<ScreenSaverWindow::ShownWord> words = window.shownWords();
                for (qsizetype i = 0; i < words.size(); ++i) {
                    const auto &[orvani, english, area, opacity] = words[i];
                    QVERIFY2(!english.isEmpty() && seen.value(orvani, english) == english
                                 && window.rect().toRectF().contains(area) && opacity >= 0
                                 && opacity <= 1,
                             qPrintable(orvani + " = " + english));
                    for (qsizetype j = i + 1; j < words.size(); ++j)
                        QVERIFY2(!area.intersects(words[j].area), qPrintable(orvani));
                    seen[orvani] = english;
                    fullStrength = fullStrength || opacity == 1;
                }
            }
            QVERIFY(fullStrength);
            QVERIFY2(seen.size() >= 25, qPrintable(QString::number(seen.size())));
        }
    }
};

QTEST_MAIN(TestScreenSaverWindow)
#include "tst_screensaverwindow.moc"
