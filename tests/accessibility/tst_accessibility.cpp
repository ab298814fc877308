#include "deferredpagepane.h"
#include "drawncolours.h"
#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "platform.h"
#include "recordingpane.h"
#include "sortedcombobox.h"
#include "textbrowserpane.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

// The trainer used with the keyboard alone and as screen readers read it, and
// the page pane that stands in until the real one is made.

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
        const int keys[] = {menuKey,      Qt::Key_Escape, menuKey,     Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Down, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab,   Qt::Key_Tab,
                            Qt::Key_Down, Qt::Key_Down,   Qt::Key_Up,  Qt::Key_Tab,   Qt::Key_Tab,
                            Qt::Key_Tab,  menuKey,        Qt::Key_Left};
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

    // What a screen reader reads: each control's role and name, the entry
    // list's from the label it is the buddy of; the menu bar's items and
    // their menus' in order; in About, the picture and the link, whose press
    // action opens the maker's site as a click does.
    void screenReadersReadEveryControl()
    {
        const auto read = [](QObject *object) {
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
            return QString(QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role())) + " "
                + node->text(QAccessible::Name);
        };
        const auto named = [this](const char *name) { return m_form->findChild<QObject *>(name); };
        const auto labels = QAccessible::queryAccessibleInterface(named("CmbEnglish"))
                                ->relations(QAccessible::Label);
        QVERIFY(labels.size() == 1 && labels.first().first->object() == named("lblEnglish"));
        QCOMPARE(QStringList({read(named("CmbEnglish")), read(named("lblEnglish")),
                              read(named("txtOrvana")), read(named("WB"))}),
                 QStringList({"ComboBox Select a word group or other from the menu...",
                              "StaticText English entry", "EditableText Orvani text",
                              "Pane Lesson page"}));
        QStringList menu;
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_form->menuBar());
        for (int i = 0; i < bar->childCount(); ++i) {
            QStringList items;
            QAccessibleInterface *submenu = bar->child(i)->child(0);
            for (int j = 0; submenu && j < submenu->childCount(); ++j)
                items << read(submenu->child(j)->object());
            menu << read(bar->child(i)->object())
                    + (items.isEmpty() ? "" : ": " + items.join(", "));
        }
        QCOMPARE(menu.join(" | ").remove("MenuItem "), // every item read as a menu item
                 "Exit | Intro | Words: Animals, Body, Colors, Family, Food, Numbers, Shapes | "
                 "Phrases | Syntax | Translation  Dictionaries: English to Orvani, Orvani to "
                 "English | Screen Saver | About");

        m_form->findChild<QAction *>("mnuAbout")->trigger();
        QTRY_VERIFY(qobject_cast<frnAbout *>(QApplication::activeWindow()));
        QPointer<QWidget> about = QApplication::activeWindow();
        QCOMPARE(QStringList({read(about), read(about->findChild<QWidget *>("Image1")),
                              read(about->findChild<QWidget *>("Label9"))}),
                 QStringList(
                     {"Dialog About...", "Graphic Quillfen picture", "Link www.quillfen.example"}));
        m_platform.opened.clear();
        QAccessible::queryAccessibleInterface(about->findChild<QWidget *>("Label9"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_platform.opened, QStringList{"http://www.quillfen.example/"});
        QTRY_VERIFY(!about);
    }

    // What the keyboard is on stands out by at least 3 to 1, measured on the
    // drawn pixels: the bar's item that F10 and then Right mark, against the
    // bar, and its text on that fill; the entry list's focus frame and, in
    // the open list, the row that the keyboard is on and its text, against
    // the black list.
    void keyboardCuesStandOut()
    {
        QMenuBar *bar = m_form->menuBar();
        const QRect exit = bar->actionGeometry(bar->actions().at(0));
        const QRect intro = bar->actionGeometry(bar->actions().at(1));
        const QImage unmarked = bar->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        const QImage marked = bar->grab().toImage();
        const QColor barColour = commonest(unmarked, intro), item = commonest(marked, intro);
        QCOMPARE(commonest(marked, exit), barColour);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        auto *list = m_form->findChild<SortedComboBox *>("CmbEnglish");
        m_form->findChild<QAction *>("mnuAnimals")->trigger();
        m_real->setFocus();
        QTRY_VERIFY(m_real->hasFocus());
        const QImage unfocused = list->grab().toImage();
        list->setFocus();
        QTRY_VERIFY(list->lineEdit()->hasFocus());
        const QImage focused = list->grab().toImage();
        const QRect field = list->lineEdit()->geometry();
        const QColor frame = commonest(focused, focused.rect(), [&](int x, int y) {
            return !field.contains(x, y) && focused.pixel(x, y) != unfocused.pixel(x, y);
        });

        QTest::keyClick(list, Qt::Key_F4);
        QTRY_VERIFY(list->view()->isVisible());
        const QImage rows = list->view()->viewport()->grab().toImage();
        const QRect current = list->view()->visualRect(list->view()->currentIndex());
        QCOMPARE(list->view()->currentIndex().row(), 0);
        const QColor black = commonest(rows, rows.rect()), row = commonest(rows, current);
        list->hidePopup();

        const auto standsOut = [](const char *cue, double ratio) {
            QVERIFY2(ratio >= 3, qPrintable(QStringLiteral("%1: %2").arg(cue).arg(ratio)));
        };
        standsOut("bar item", contrast(item, barColour));
        standsOut("bar item's text", contrast(textOn(marked, intro, item), item));
        standsOut("list's focus", contrast(frame, black));
        standsOut("current row", contrast(row, black));
        standsOut("current row's text", contrast(textOn(rows, current, row), row));
    }

    // Typing an entry's text, Enter and leaving the field start nothing.
    void typingStartsNothing()
    {
        m_form->findChild<QAction *>("mnuAnimals")->trigger();
        auto *list = m_form->findChild<QComboBox *>("CmbEnglish");
        const int entries = list->count();
        QSignalSpy picks(list, &QComboBox::activated);
        list->setFocus();
        QTest::keyClicks(list->lineEdit(), "Fox");
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QTest::keyClick(list->lineEdit(), Qt::Key_Enter);
        m_real->setFocus();
        QCOMPARE(picks.count(), 0);
        QCOMPARE(m_real->addresses, QStringList{"/trainer/HTML/intro.html"});
        QCOMPARE(list->currentText(), "Fox");
        QCOMPARE(list->count(), entries); // nothing added
    }

    // A factory that throws leaves the plain pane, with a warning. An address
    // no pane could open fails at once; the last page asked for meanwhile
    // shows in the plain pane once it is there, and a missing one gives way
    // to the not-found page. (A factory that yields nothing: the start
    // without the engine's module, tst_windowandpage.)
    void deferredPaneFallsBack()
    {
        QTemporaryDir folder;
        QFile notFound(folder.filePath("not.htm"));
        QVERIFY(notFound.open(QIODevice::WriteOnly) && notFound.write("not.htm") > 0
                && notFound.flush());
        DeferredPagePane pane(
            [](QWidget *) -> PagePane * { throw std::runtime_error("no engine"); });
        QVERIFY_THROWS_EXCEPTION(PlatformError, pane.Navigate("HTML/intro.html"));
        pane.Navigate(folder.filePath("intro.html"));
        pane.Navigate(folder.filePath("gone.html"));
        QStringList shown;
        pane.setPageShownListener([&](const QUrl &url) { shown << url.fileName(); });
        pane.setNotFoundPage(QUrl::fromLocalFile(notFound.fileName()));
        QTest::ignoreMessage(QtWarningMsg, "the web page pane failed: no engine");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("the plain page pane stands in"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("gone.html cannot be shown: the not-found page"));
        QSignalSpy ready(&pane, &DeferredPagePane::realPaneReady);
        pane.show();
        QVERIFY(ready.wait());
        auto *plain = dynamic_cast<TextBrowserPane *>(pane.realPane());
        QVERIFY(plain && plain->toPlainText() == "not.htm");
        QCOMPARE(shown, QStringList("not.htm"));
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
