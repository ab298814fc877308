#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QtTest>

// The trainer used with the keyboard alone, and its layout at 100, 150 and 200 %.
// What screen readers read, over AT-SPI in the real program: screenreader.py.

namespace {

// Qt reads QT_SCALE_FACTOR as the application starts: each scale runs in a
// child that checks the menu fits and saves a picture of the window, Bear
// picked and the keyboard in the list (its frame in the highlight colour).
class FlatPane : public RecordingPane
{
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::green); }
};

int grabWindow(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FakePlatform platform;
    Form1 form(platform, new FlatPane);
    form.findChild<QAction *>("mnuAnimals")->trigger();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return 2;
    form.CmbEnglish->setFocus();
    QTest::keyClick(form.CmbEnglish, Qt::Key_Down);
    QMenuBar *bar = form.menuBar(); // every item on view, none behind an overflow button
    for (QAction *item : bar->actions())
        if (!bar->rect().contains(bar->actionGeometry(item)) || bar->actionGeometry(item).isEmpty())
            return 4;
    return form.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 3;
}

bool isPane(QRgb p) { return p == qRgb(0, 255, 0); }
bool isRed(QRgb p) { return qRed(p) > 150 && qGreen(p) < 80 && qBlue(p) < 80; }
bool isHighlight(QRgb p) { return qBlue(p) > 100 && qBlue(p) > qRed(p) + 50; }

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

// Device pixels to device-independent ones, rounded.
QRect dip(const QRect &r, qreal f)
{
    return QRectF(QPointF(r.topLeft()) / f, QSizeF(r.size()) / f).toRect();
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
    FakePlatform m_platform;
    RecordingPane *m_real = nullptr; // the pane behind WB, focusable as the web view is
    QPointer<Form1> m_form;

    // Where the keyboard is: an open menu's item, the bar's item, or the focus.
    QString keyboardIsAt() const
    {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            return "menu " + (menu->activeAction() ? menu->activeAction()->objectName() : "");
        if (QAction *item = m_form->menuBar()->activeAction())
            return "bar " + item->objectName();
        return QApplication::focusWidget()->objectName();
    }

private slots:
    void init()
    {
        auto *pane = new DeferredPagePane([this](QWidget *parent) {
            (m_real = new RecordingPane)->setParent(parent);
            m_real->setObjectName("page");
            m_real->setFocusPolicy(Qt::StrongFocus);
            return m_real;
        });
        m_form = new Form1(m_platform, pane);
        QSignalSpy ready(pane, &DeferredPagePane::realPaneReady);
        m_form->show();
        QVERIFY(ready.wait());
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }

    void cleanup()
    {
        delete QApplication::activeWindow(); // About, if it was opened
        delete m_form;
    }

    void keyboardAlone_data()
    {
        QTest::addColumn<int>("menuKey");
        QTest::newRow("F10") << int(Qt::Key_F10);
        QTest::newRow("Alt") << int(Qt::Key_Alt);
    }

    // The menu key highlights Exit, Escape gives the keyboard back; Right moves
    // along the bar without opening Words, Down opens it at Animals, Enter picks
    // that. Tab passes the hidden box by; each arrow in the list is a pick; the
    // shown box follows the list. From the list too, Left wraps Exit to About.
    // There Tab goes round the picture and the link, which shows it has the
    // keyboard; Enter on the link opens the maker's site and closes the window.
    void keyboardAlone()
    {
        QFETCH(int, menuKey);
        const int keys[] = {menuKey, Qt::Key_Escape, menuKey, Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Down, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab,
                            Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab,
                            Qt::Key_Tab, menuKey, Qt::Key_Left};
        QStringList path{keyboardIsAt()};
        for (int key : keys) { // to an open menu, else to the focus
            QWidget *popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup : QApplication::focusWidget(), Qt::Key(key));
            QTRY_VERIFY(!popup || key != Qt::Key_Return || !QApplication::activePopupWidget());
            path << keyboardIsAt();
        }
        QCOMPARE(path.join(", "),
                 "page, bar mnuExit, page, bar mnuExit, bar mnuIntro, bar mnuSimple, "
                 "menu mnuAnimals, page, CmbEnglish, page, CmbEnglish, CmbEnglish, CmbEnglish, "
                 "CmbEnglish, txtOrvana, page, CmbEnglish, bar mnuExit, bar mnuAbout");
        QCOMPARE(m_real->addresses.join(' ').remove("/trainer/HTML/"),
                 "intro.html bear.html beaver.html bear.html");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(qobject_cast<frnAbout *>(QApplication::activeWindow()));
        QPointer<QWidget> about = QApplication::activeWindow();
        QWidget *link = about->findChild<QWidget *>("Label9");
        const QImage unmarked = link->grab().toImage();
        path = QStringList{keyboardIsAt()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            path << keyboardIsAt();
        }
        QCOMPARE(path.join(", "), "frnAbout, Image1, Label9, Image1, Label9");
        QVERIFY(link->grab().toImage() != unmarked);
        m_platform.opened.clear();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(m_platform.opened, QStringList{"http://www.quillfen.example/"});
        QTRY_VERIFY(!about);
    }

    void layoutScales_data()
    {
        QTest::addColumn<qreal>("factor");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }

    // From the pane's corner, to the pixel at 100 %: the 465 x 313 pane, the box over
    // its rows 280 to 304, the list; red text in the box, no row of the pane through it.
    void layoutScales()
    {
        QFETCH(qreal, factor);
        QTemporaryDir folder;
        const QString file = folder.filePath("window.png");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor)); // read by the child alone
        QCOMPARE(QProcess::execute(qApp->applicationFilePath(), {"--grab", file}), 0);
        const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
        const QRect pane = find(image, image.rect(), isPane).first;
        const QRect box = find(image, pane, [](QRgb p) { return !isPane(p); }).first;
        const QRect below = image.rect().adjusted(0, pane.bottom() + 1, 0, 0);
        QCOMPARE(dip(QRect({}, pane.size()), factor), QRect(0, 0, 465, 313));
        QCOMPARE(dip(box.translated(-pane.topLeft()), factor), QRect(104, 280, 249, 25));
        QCOMPARE(dip(find(image, below, isHighlight).first.translated(-pane.topLeft()), factor),
                 QRect(104, 320, 249, 21));
        QCOMPARE(find(image, {box.center().x(), box.top(), 1, box.height()}, isPane).second, 0);
        QVERIFY(find(image, box, isRed).second > 20 * factor * factor);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--grab") == 0)
        return grabWindow(argc, argv);
    QApplication application(argc, argv);
    tst_Accessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
