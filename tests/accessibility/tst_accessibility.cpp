#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "frnabout.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

// What assistive technology reads from the windows, and the trainer used
// with the keyboard alone.
class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlsReadWithNameAndRole_data();
    void controlsReadWithNameAndRole();
    void menuReadsInOrder();
    void listReadsTheWordGroup();
    void textBoxReadsAsShown_data();
    void textBoxReadsAsShown();
    void keyboardAlone_data();
    void keyboardAlone();

private:
    QAccessibleInterface *window() { return QAccessible::queryAccessibleInterface(m_form); }
    QAction *action(const char *name) { return m_form->findChild<QAction *>(QLatin1String(name)); }

    FakePlatform m_platform;
    RecordingPane *m_real = nullptr; // the pane behind WB, focusable as the web view is
    QPointer<Form1> m_form;
};

namespace {

QString page(const QString &name) { return QStringLiteral("/trainer/HTML/") + name; }

// The name a screen reader gives: on Linux a combo box names itself by its
// text and is named by the label it is the buddy of.
QString nameOf(QAccessibleInterface *node)
{
    if (node->role() == QAccessible::ComboBox) {
        const auto labels = node->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return node->text(QAccessible::Name);
}

QAccessibleInterface *findNamed(QAccessibleInterface *node, const QString &name)
{
    if (nameOf(node) == name)
        return node;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *found = findNamed(node->child(i), name))
            return found;
    return nullptr;
}

QStringList childNames(QAccessibleInterface *node)
{
    QStringList names;
    for (int i = 0; node && i < node->childCount(); ++i)
        names << node->child(i)->text(QAccessible::Name);
    return names;
}

// A key goes where the system sends it: to an open menu, else to the focus.
void press(int key)
{
    QWidget *target = QApplication::activePopupWidget();
    QTest::keyClick(target ? target : QApplication::focusWidget(), Qt::Key(key));
}

frnAbout *aboutWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<frnAbout *>(window); about && about->isVisible())
            return about;
    return nullptr;
}

} // namespace

void tst_Accessibility::init()
{
    m_platform = FakePlatform();
    auto *pane = new DeferredPagePane([this](QWidget *parent) {
        m_real = new RecordingPane;
        m_real->setFocusPolicy(Qt::StrongFocus);
        m_real->setParent(parent);
        return m_real;
    });
    m_form = new Form1(m_platform, pane);
    QSignalSpy ready(pane, &DeferredPagePane::realPaneReady);
    m_form->show();
    QVERIFY(ready.wait());
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void tst_Accessibility::cleanup()
{
    delete aboutWindow();
    delete m_form;
}

void tst_Accessibility::controlsReadWithNameAndRole_data()
{
    QTest::addColumn<bool>("inAbout");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("entry list") << false << "English entry" << QAccessible::ComboBox;
    QTest::newRow("text box") << false << "Orvani text" << QAccessible::EditableText;
    QTest::newRow("page pane") << false << "Lesson page" << QAccessible::Pane;
    QTest::newRow("About window") << true << "About..." << QAccessible::Dialog;
    QTest::newRow("About picture") << true << "Quillfen picture" << QAccessible::Graphic;
    QTest::newRow("About address") << true << "Quillfen web site" << QAccessible::StaticText;
}

void tst_Accessibility::controlsReadWithNameAndRole()
{
    QFETCH(bool, inAbout);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    // With an entry picked the list's field shows it: the list keeps its name.
    action("mnuAnimals")->trigger();
    m_form->CmbEnglish->setCurrentIndex(0);
    frnAbout about(m_platform);
    QAccessibleInterface *node =
        findNamed(inAbout ? QAccessible::queryAccessibleInterface(&about) : window(), name);
    QVERIFY2(node, qPrintable(name));
    QCOMPARE(node->role(), role);
}

void tst_Accessibility::menuReadsInOrder()
{
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_form->menuBar());
    QCOMPARE(bar->role(), QAccessible::MenuBar);
    QStringList read;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface *item = bar->child(i);
        QCOMPARE(item->role(), QAccessible::MenuItem);
        read << item->text(QAccessible::Name);
        if (item->childCount() > 0)
            for (const QString &sub : childNames(item->child(0)))
                read << "  " + sub;
    }
    QCOMPARE(read, (QStringList{"Exit", "Intro", "Words", "  Animals", "  Body", "  Colors",
                                "  Family", "  Food", "  Numbers", "  Shapes", "Phrases", "Syntax",
                                "Translation  Dictionaries", "  English to Orvani",
                                "  Orvani to English", "Screen Saver", "About"}));
}

void tst_Accessibility::listReadsTheWordGroup()
{
    QAccessibleInterface *list = findNamed(window(), "English entry")->child(0);
    QCOMPARE(list->role(), QAccessible::List);
    action("mnuAnimals")->trigger();
    QCOMPARE(childNames(list), (QStringList{"Bear", "Beaver", "Buffalo", "Cow", "Deer", "Dog", "Fox",
                                            "Horse", "Mouse", "Pig", "Rabbit", "Skunk", "Wolf"}));
}

void tst_Accessibility::textBoxReadsAsShown_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::newRow("word") << "mnuAnimals" << "Bear" << "Koyanta" << true;
    QTest::newRow("phrase") << "mnuPhrases" << "Come in. {to one}" << "Tima hiyuwo." << true;
    QTest::newRow("page only") << "mnuNumbers" << "One to Ten" << "" << false;
}

void tst_Accessibility::textBoxReadsAsShown()
{
    QFETCH(QString, group);
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    QAccessibleInterface *box = findNamed(window(), "Orvani text");
    QVERIFY(box->state().invisible);
    action(group.toLatin1())->trigger();
    m_form->CmbEnglish->setCurrentIndex(m_form->CmbEnglish->findText(entry) - 1);
    m_form->CmbEnglish->setFocus();
    press(Qt::Key_Down);
    QCOMPARE(m_form->CmbEnglish->currentText(), entry);
    QCOMPARE(box->text(QAccessible::Value), text);
    QCOMPARE(!box->state().invisible, shown);
}

void tst_Accessibility::keyboardAlone_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::newRow("F10") << int(Qt::Key_F10);
    QTest::newRow("Alt") << int(Qt::Key_Alt);
}

void tst_Accessibility::keyboardAlone()
{
    QFETCH(int, menuKey);
    QMenuBar *bar = m_form->menuBar();
    QWidget *const WB = m_real;
    QWidget *const list = m_form->CmbEnglish;
    QCOMPARE(QApplication::focusWidget(), WB);

    // The key highlights Exit; Escape gives the keyboard back.
    press(menuKey);
    QCOMPARE(bar->activeAction(), action("mnuExit"));
    press(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), WB);

    // Right moves along the bar without opening Words; Down opens it at
    // Animals, Enter chooses that, and the keyboard goes back to the page.
    press(menuKey);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QCOMPARE(bar->activeAction(), action("mnuSimple"));
    QVERIFY(!QApplication::activePopupWidget());
    press(Qt::Key_Down);
    auto *words = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(words);
    QCOMPARE(words->activeAction(), action("mnuAnimals"));
    press(Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_form->CmbEnglish->count(), 13);
    QCOMPARE(QApplication::focusWidget(), WB);

    // Tab goes from the page to the list; the hidden text box is passed by.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), WB);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);

    // Each arrow step in the list is a pick.
    m_real->addresses.clear();
    for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        press(key);
    QCOMPARE(m_real->addresses, (QStringList{page("bear.html"), page("beaver.html"), page("bear.html")}));
    QCOMPARE(m_form->txtOrvana->text(), QStringLiteral("Koyanta"));
    QVERIFY(m_form->txtOrvana->isVisible());

    // Now shown, the text box takes its place after the list.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_form->txtOrvana);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), WB);

    // Left from Exit wraps to About; Enter opens it.
    press(menuKey);
    press(Qt::Key_Left);
    press(Qt::Key_Return);
    QVERIFY(aboutWindow());
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
