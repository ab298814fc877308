#include "fakeplatform.h"
#include "form1.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QtTest>

// The main window drawn at 100, 150 and 200 % screen scaling: each scale
// runs in a child process of this test, since Qt reads QT_SCALE_FACTOR only
// before the application exists, and hands back a picture of the window.
// The places of the coloured regions are compared, not the text.
class tst_Scaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void layoutScales_data();
    void layoutScales();
};

namespace {

const QColor kPane(0, 200, 0); // the page pane, painted flat for the test

class FlatPane : public RecordingPane
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), kPane); }
};

// Child mode: the window with "Bear" picked and the keyboard in the list,
// whose frame then shows in the highlight colour; saved to `file`.
int grabWindow(int argc, char *argv[], const QString &file)
{
    QApplication application(argc, argv);
    FakePlatform platform;
    Form1 form(platform, new FlatPane);
    form.findChild<QAction *>(QStringLiteral("mnuAnimals"))->trigger();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return 2;
    form.CmbEnglish->setFocus();
    QTest::keyClick(form.CmbEnglish, Qt::Key_Down);
    // Fonts measure differently at each scale; the menu must still fit.
    QMenuBar *bar = form.menuBar();
    for (QAction *item : bar->actions())
        if (!bar->rect().contains(bar->actionGeometry(item))) {
            qWarning("\"%s\" is not on the menu bar", qPrintable(item->text()));
            return 4;
        }
    return form.grab().save(file) ? 0 : 3;
}

QImage grabAt(const QString &scale)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("window.png"));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--grab"), file});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool isPane(QRgb pixel) { return qRed(pixel) < 40 && qGreen(pixel) > 160 && qBlue(pixel) < 40; }
bool isRed(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool isHighlight(QRgb pixel) { return qBlue(pixel) > 100 && qBlue(pixel) > qRed(pixel) + 50; }

// The bounding box and the number of the pixels in `area` that pass `test`.
template <typename Test>
std::pair<QRect, int> find(const QImage &image, const QRect &area, Test test)
{
    QRect found;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) {
                found |= QRect(x, y, 1, 1);
                ++count;
            }
    return {found, count};
}

// Where the regions lie, in device pixels from the top left of the black
// client area under the menu bar.
struct Layout
{
    QRect pane;        // the flat pane colour
    QRect box;         // the text box's hole in it
    QRect list;        // the list's highlighted frame
    int seams = 0;     // rows of pane colour inside the box
    int redPixels = 0; // the Orvani text
};

Layout measure(const QImage &image)
{
    int top = 0;
    while (top < image.height() && qGray(image.pixel(0, top)) > 30)
        ++top;
    Layout layout;
    layout.pane = find(image, image.rect(), isPane).first;
    const QRect pane = layout.pane;
    const int middle = pane.center().x();
    int boxTop = pane.top(), boxBottom = pane.bottom();
    while (boxTop < boxBottom && isPane(image.pixel(middle, boxTop)))
        ++boxTop;
    while (boxBottom > boxTop && isPane(image.pixel(middle, boxBottom)))
        --boxBottom;
    const int row = (boxTop + boxBottom) / 2;
    int boxLeft = pane.left(), boxRight = pane.right();
    while (boxLeft < boxRight && isPane(image.pixel(boxLeft, row)))
        ++boxLeft;
    while (boxRight > boxLeft && isPane(image.pixel(boxRight, row)))
        --boxRight;
    layout.box = QRect(QPoint(boxLeft, boxTop), QPoint(boxRight, boxBottom));
    for (int y = boxTop; y <= boxBottom; ++y)
        layout.seams += isPane(image.pixel(middle, y));
    layout.redPixels = find(image, layout.box, isRed).second;
    const QRect below(0, pane.bottom() + 1, image.width(), image.height() - pane.bottom() - 1);
    layout.list = find(image, below, isHighlight).first;
    for (QRect *rect : {&layout.pane, &layout.box, &layout.list})
        rect->translate(0, -top);
    return layout;
}

// Whether `measured` lies where `base` scaled by `factor` falls, to the
// device pixel.
bool scaledFrom(const QRect &measured, const QRect &base, qreal factor)
{
    const auto near = [factor](int edge, int baseEdge) { return qAbs(edge - baseEdge * factor) <= 1.0; };
    return near(measured.left(), base.left()) && near(measured.top(), base.top())
        && near(measured.right() + 1, base.right() + 1) && near(measured.bottom() + 1, base.bottom() + 1);
}

Layout g_base; // at 100 %

} // namespace

void tst_Scaling::initTestCase()
{
    g_base = measure(grabAt(QStringLiteral("1")));
    QVERIFY(!g_base.pane.isEmpty() && !g_base.box.isEmpty() && !g_base.list.isEmpty());
}

void tst_Scaling::layoutScales_data()
{
    QTest::addColumn<qreal>("factor");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void tst_Scaling::layoutScales()
{
    QFETCH(qreal, factor);
    const Layout layout = factor == 1.0 ? g_base : measure(grabAt(QString::number(factor)));
    const auto where = [&] {
        QString text;
        QDebug(&text) << "pane" << layout.pane << "box" << layout.box << "list" << layout.list;
        return text.toLocal8Bit();
    };
    QVERIFY2(scaledFrom(layout.pane, g_base.pane, factor), where());
    QVERIFY2(scaledFrom(layout.box, g_base.box, factor), where());
    QVERIFY2(scaledFrom(layout.list, g_base.list, factor), where());

    // The box covers rows 280 to 304 of the 313-row pane, without a seam
    // of the pane showing through it, and shows its text in red.
    const auto dip = [factor](int devicePixels) { return qRound(devicePixels / factor); };
    QCOMPARE(dip(layout.pane.height()), 313);
    QCOMPARE(dip(layout.box.top() - layout.pane.top()), 280);
    QCOMPARE(dip(layout.box.bottom() + 1 - layout.pane.top()), 305);
    QCOMPARE(layout.seams, 0);
    QVERIFY(layout.redPixels > 20 * factor * factor);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--grab") == 0)
        return grabWindow(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication application(argc, argv);
    tst_Scaling test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaling.moc"
