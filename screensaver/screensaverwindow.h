#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <QRandomGenerator>
#include <QRectF>
#include <QTimer>
#include <QWidget>

#include <optional>

// A black full-screen window on which Orvani words, each with its English
// meaning beneath, fade in and out at random places. A key press, a mouse
// click or a real mouse movement closes it.
class ScreenSaverWindow : public QWidget
{
    Q_OBJECT

public:
    struct ShownWord {
        QString orvani;
        QString english;
        QRectF area; // where both lines are drawn now
        qreal opacity = 0;
    };

    // `seed` decides which words come, where and when; each start takes a
    // new one.
    explicit ScreenSaverWindow(quint32 seed = QRandomGenerator::global()->generate(),
                               QWidget *parent = nullptr);

    QList<ShownWord> shownWords() const;

    // Moves the animation on; the frame timer calls this with the real time.
    void advance(int milliseconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Pair {
        QString orvani;
        QString english;
    };
    struct Floater {
        int pair = 0;
        QRectF start; // the area at age 0; it drifts upwards from there
        QColor colour;
        int orvaniPixels = 0;
        int age = 0;
    };

    void onFrame();
    void spawn();
    int nextPair();
    QRectF areaOf(const Floater &floater) const;
    qreal opacityOf(const Floater &floater) const;
    QFont orvaniFont(int pixels) const;
    QFont englishFont(int orvaniPixels) const;
    QSizeF blockSize(const Pair &pair, int orvaniPixels) const;

    QList<Pair> m_pairs;
    QList<int> m_deck; // shuffled pair indices still to come
    QList<Floater> m_floaters;
    QRandomGenerator m_random;
    QTimer m_frameTimer;
    QElapsedTimer m_clock;
    int m_untilNextSpawn = 0;
    int m_nextColour = 0;
    std::optional<QPoint> m_firstMousePosition;
};
