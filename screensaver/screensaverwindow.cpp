#include "screensaverwindow.h"

#include "entrytable.h"
#include "u16.h"
#include "wordlook.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kFadeIn = 2500; // milliseconds
constexpr int kHold = 4500;
constexpr int kFadeOut = 2500;
constexpr int kLifetime = kFadeIn + kHold + kFadeOut;
constexpr int kSpawnEvery = 2800; // plus up to kSpawnJitter
constexpr int kSpawnJitter = 1200;
constexpr int kMaxFloaters = 3;
constexpr int kPlacementTries = 40;
constexpr int kFrameInterval = 16;
constexpr qreal kDriftShare = 0.04; // of the height, over a word's lifetime
constexpr int kMoveThreshold = 12; // pixels the mouse may wander before it counts
constexpr qreal kEnglishScale = 0.4;
constexpr qreal kLineGap = 0.25; // between the lines, in English line heights

} // namespace

ScreenSaverWindow::ScreenSaverWindow(quint32 seed, QWidget *parent)
    : QWidget(parent)
    , m_random(seed)
{
    for (const orvani::Entry &entry : orvani::kEntries) {
        if (entry.isPageOnly())
            continue;
        m_pairs.append({toQString(entry.orvani), toQString(entry.english)});
    }

    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setInterval(kFrameInterval);
    connect(&m_frameTimer, &QTimer::timeout, this, &ScreenSaverWindow::onFrame);
}

QList<ScreenSaverWindow::ShownWord> ScreenSaverWindow::shownWords() const
{
    QList<ShownWord> words;
    for (const Floater &floater : m_floaters) {
        const Pair &pair = m_pairs.at(floater.pair);
        words.append({pair.orvani, pair.english, areaOf(floater), opacityOf(floater)});
    }
    return words;
}

void ScreenSaverWindow::advance(int milliseconds)
{
    // Repaint where the words were and where they are now (halo included).
    QRegion dirty;
    const auto markDirty = [&] {
        for (const Floater &floater : m_floaters) {
            const qreal pad = haloPadding(floater.orvaniPixels);
            dirty += areaOf(floater).adjusted(-pad, -pad, pad, pad).toAlignedRect();
        }
    };
    markDirty();

    for (Floater &floater : m_floaters)
        floater.age += milliseconds;
    m_floaters.removeIf([](const Floater &floater) { return floater.age >= kLifetime; });

    m_untilNextSpawn -= milliseconds;
    if (m_untilNextSpawn <= 0 && m_floaters.size() < kMaxFloaters) {
        spawn();
        m_untilNextSpawn = kSpawnEvery + int(m_random.bounded(kSpawnJitter));
    }

    markDirty();
    update(dirty);
}

void ScreenSaverWindow::onFrame()
{
    advance(int(m_clock.restart()));
}

void ScreenSaverWindow::spawn()
{
    if (m_pairs.isEmpty())
        return;
    Floater floater;
    floater.pair = nextPair();
    floater.colour = kPalette[m_nextColour];

    const Pair &pair = m_pairs.at(floater.pair);
    const qreal margin = std::min(width(), height()) * 0.04;
    const qreal room = width() - 2 * margin;
    floater.orvaniPixels = std::clamp(height() / 11, 12, 140);
    QSizeF size = blockSize(pair, floater.orvaniPixels);
    if (size.width() > room * 0.9) {
        // A long phrase is set smaller rather than cut at the screen edge.
        floater.orvaniPixels = std::max(8, int(floater.orvaniPixels * room * 0.9 / size.width()));
        size = blockSize(pair, floater.orvaniPixels);
    }

    const qreal drift = height() * kDriftShare;
    const qreal spacing = haloPadding(floater.orvaniPixels);
    const qreal xRange = width() - 2 * margin - size.width();
    const qreal yRange = height() - 2 * margin - drift - size.height();
    if (xRange < 0 || yRange < 0)
        return;

    for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        const QPointF topLeft(margin + m_random.bounded(xRange),
                              margin + drift + m_random.bounded(yRange));
        floater.start = QRectF(topLeft, size);
        const QRectF path
            = travelled(floater.start, drift).adjusted(-spacing, -spacing, spacing, spacing);
        const bool clear
            = std::none_of(m_floaters.cbegin(), m_floaters.cend(), [&](const Floater &other) {
                  return path.intersects(travelled(other.start, drift));
              });
        if (clear) {
            m_floaters.append(floater);
            m_nextColour = (m_nextColour + 1) % int(std::size(kPalette));
            return;
        }
    }
    m_deck.append(floater.pair); // no room now: the pair waits for a later turn
}

int ScreenSaverWindow::nextPair()
{
    // A shuffled deck shows every pair once before any repeats; a pair that is
    // still on screen goes to the back.
    for (int turn = 0;; ++turn) {
        if (m_deck.isEmpty()) {
            for (int i = 0; i < m_pairs.size(); ++i)
                m_deck.append(i);
            std::shuffle(m_deck.begin(), m_deck.end(), m_random);
        }
        const int candidate = m_deck.takeFirst();
        const bool onScreen = std::any_of(m_floaters.cbegin(), m_floaters.cend(),
                                          [&](const Floater &f) { return f.pair == candidate; });
        if (!onScreen || turn >= m_pairs.size())
            return candidate;
        m_deck.append(candidate);
    }
}

QRectF ScreenSaverWindow::areaOf(const Floater &floater) const
{
    return floater.start.translated(0, -height() * kDriftShare * floater.age / kLifetime);
}

qreal ScreenSaverWindow::opacityOf(const Floater &floater) const
{
    if (floater.age < kFadeIn)
        return smoothStep(qreal(floater.age) / kFadeIn);
    if (floater.age < kFadeIn + kHold)
        return 1;
    return 1 - smoothStep(qreal(floater.age - kFadeIn - kHold) / kFadeOut);
}

QFont ScreenSaverWindow::orvaniFont(int pixels) const
{
    QFont font(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    return font;
}

QFont ScreenSaverWindow::englishFont(int orvaniPixels) const
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(6, int(orvaniPixels * kEnglishScale)));
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    return font;
}

QSizeF ScreenSaverWindow::blockSize(const Pair &pair, int orvaniPixels) const
{
    const QFontMetricsF orvani(orvaniFont(orvaniPixels));
    const QFontMetricsF english(englishFont(orvaniPixels));
    const qreal width
        = std::max(orvani.horizontalAdvance(pair.orvani), english.horizontalAdvance(pair.english));
    return {std::ceil(width), std::ceil(orvani.height() + (1 + kLineGap) * english.height())};
}

void ScreenSaverWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    for (const Floater &floater : std::as_const(m_floaters)) {
        const qreal opacity = opacityOf(floater);
        if (opacity <= 0)
            continue;
        const Pair &pair = m_pairs.at(floater.pair);
        const QRectF area = areaOf(floater);
        painter.setOpacity(opacity);

        // A faint halo of the word's colour behind it.
        const qreal pad = haloPadding(floater.orvaniPixels);
        QRadialGradient halo(0.5, 0.5, 0.5);
        halo.setCoordinateMode(QGradient::ObjectMode);
        QColor glow = floater.colour;
        glow.setAlpha(34);
        halo.setColorAt(0, glow);
        glow.setAlpha(0);
        halo.setColorAt(1, glow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(area.adjusted(-pad, -pad, pad, pad));

        const QFont big = orvaniFont(floater.orvaniPixels);
        const qreal bigHeight = QFontMetricsF(big).height();
        painter.setFont(big);
        painter.setPen(floater.colour);
        painter.drawText(QRectF(area.left(), area.top(), area.width(), bigHeight),
                         Qt::AlignHCenter | Qt::AlignTop, pair.orvani);

        const QFont small = englishFont(floater.orvaniPixels);
        const qreal smallTop = bigHeight + kLineGap * QFontMetricsF(small).height();
        painter.setFont(small);
        painter.setPen(muted(floater.colour));
        painter.drawText(
            QRectF(area.left(), area.top() + smallTop, area.width(), area.height() - smallTop),
            Qt::AlignHCenter | Qt::AlignTop, pair.english);
    }
}

void ScreenSaverWindow::resizeEvent(QResizeEvent *event)
{
    // Places chosen for the old size may not fit the new one: start afresh.
    m_floaters.clear();
    m_untilNextSpawn = 0;
    QWidget::resizeEvent(event);
}

void ScreenSaverWindow::showEvent(QShowEvent *event)
{
    m_clock.start();
    m_frameTimer.start();
    QWidget::showEvent(event);
}

void ScreenSaverWindow::hideEvent(QHideEvent *event)
{
    m_frameTimer.stop();
    QWidget::hideEvent(event);
}

void ScreenSaverWindow::keyPressEvent(QKeyEvent *)
{
    close();
}

void ScreenSaverWindow::mousePressEvent(QMouseEvent *)
{
    close();
}

void ScreenSaverWindow::mouseMoveEvent(QMouseEvent *event)
{
    // The first move arrives on its own when the window appears under the
    // pointer; it only tells where the pointer rests.
    const QPoint position = event->globalPosition().toPoint();
    if (!m_firstMousePosition) {
        m_firstMousePosition = position;
        return;
    }
    if ((position - *m_firstMousePosition).manhattanLength() > kMoveThreshold)
        close();
}
