#include "entrytable.h"
#include "screensaverwindow.h"

#include <QSet>
#include <QTest>

class TestScreenSaverWindow : public QObject
{
    Q_OBJECT

private slots:
    void endsOnInput_data();
    void endsOnInput();
    void showsOnlyTablePairs_data();
    void showsOnlyTablePairs();
};

namespace {

enum class Input { Key, Click, Move };

QString pairKey(const QString &orvani, const QString &english)
{
    return orvani + QLatin1Char('\n') + english;
}

} // namespace

void TestScreenSaverWindow::endsOnInput_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QPoint>("offset"); // pointer offset from where it first rested
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ends");

    QTest::newRow("space") << Input::Key << QPoint() << int(Qt::Key_Space) << true;
    QTest::newRow("escape") << Input::Key << QPoint() << int(Qt::Key_Escape) << true;
    QTest::newRow("shift") << Input::Key << QPoint() << int(Qt::Key_Shift) << true;
    QTest::newRow("left click") << Input::Click << QPoint() << int(Qt::LeftButton) << true;
    QTest::newRow("right click") << Input::Click << QPoint() << int(Qt::RightButton) << true;
    QTest::newRow("first move only") << Input::Move << QPoint() << 0 << false;
    QTest::newRow("jitter") << Input::Move << QPoint(2, -1) << 0 << false;
    QTest::newRow("just under threshold") << Input::Move << QPoint(6, 6) << 0 << false;
    QTest::newRow("big move") << Input::Move << QPoint(60, 0) << 0 << true;
    QTest::newRow("diagonal move") << Input::Move << QPoint(-10, 10) << 0 << true;
}

void TestScreenSaverWindow::endsOnInput()
{
    QFETCH(Input, input);
    QFETCH(QPoint, offset);
    QFETCH(int, key);
    QFETCH(bool, ends);

    ScreenSaverWindow window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Wherever the pointer first shows up, that alone must not end the show.
    const QPoint rest(150, 120);
    QTest::mouseMove(&window, rest);
    QVERIFY(window.isVisible());

    switch (input) {
    case Input::Key:
        QTest::keyClick(&window, Qt::Key(key));
        break;
    case Input::Click:
        QTest::mouseClick(&window, Qt::MouseButton(key), {}, rest);
        break;
    case Input::Move:
        QTest::mouseMove(&window, rest + offset);
        break;
    }
    QCOMPARE(!window.isVisible(), ends);
}

void TestScreenSaverWindow::showsOnlyTablePairs_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("screen") << QSize(1024, 768);
    QTest::newRow("wide") << QSize(1920, 1080);
    QTest::newRow("preview") << QSize(160, 120);
}

// Over ten simulated minutes every word shown is an Orvani text with its own
// English meaning, fully inside the window and clear of the other words.
void TestScreenSaverWindow::showsOnlyTablePairs()
{
    QFETCH(QSize, size);

    QSet<QString> table;
    for (const orvani::Entry &entry : orvani::kEntries) {
        if (!entry.isPageOnly())
            table.insert(pairKey(QString::fromUtf16(entry.orvani.data(), entry.orvani.size()),
                QString::fromUtf16(entry.english.data(), entry.english.size())));
    }

    ScreenSaverWindow window;
    window.resize(size);
    QSet<QString> seen;
    bool sawFullWord = false;
    for (int step = 0; step < 10 * 60 * 10; ++step) {
        window.advance(100);
        const QList<ScreenSaverWindow::ShownWord> words = window.shownWords();
        for (qsizetype i = 0; i < words.size(); ++i) {
            const ScreenSaverWindow::ShownWord &word = words.at(i);
            const QString key = pairKey(word.orvani, word.english);
            QVERIFY2(table.contains(key), qPrintable(key));
            QVERIFY2(window.rect().toRectF().contains(word.area), qPrintable(key));
            QVERIFY(word.opacity >= 0 && word.opacity <= 1);
            for (qsizetype j = i + 1; j < words.size(); ++j)
                QVERIFY2(!word.area.intersects(words.at(j).area), qPrintable(key));
            seen.insert(key);
            sawFullWord = sawFullWord || word.opacity == 1;
        }
    }
    QVERIFY(sawFullWord);
    QVERIFY2(seen.size() >= table.size() / 2, qPrintable(QString::number(seen.size())));
}

QTEST_MAIN(TestScreenSaverWindow)
#include "tst_screensaverwindow.moc"
