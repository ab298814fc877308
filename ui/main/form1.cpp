#include "form1.h"

#include "applicationtitle.h"
#include "classicfonts.h"
#include "controlcolours.h"
#include "form1layout.h"
#include "frnabout.h"
#include "handlerguard.h"
#include "keyboardmenubar.h"
#include "pageaddress.h"
#include "pagepane.h"
#include "phrasebook.h"
#include "platform.h"
#include "sortedcombobox.h"
#include "taskbar.h"
#include "u16.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

using namespace orvani;

namespace {

const QString kPromptText = QStringLiteral("Select a word group or other from the menu...");

QString screenSaverErrorText()
{
    return QStringLiteral(
        "Error reading file.. Please contact software vendor at " ORVANI_MAKER_EMAIL
        " to correct!");
}

// The word groups' handlers, in the order of Group.
constexpr void (Form1::*kGroupHandlers[])() = {
    &Form1::mnuAnimals_Click, &Form1::mnuBody_Click,    &Form1::mnuColors_Click,
    &Form1::mnuFamily_Click,  &Form1::mnuFood_Click,    &Form1::mnuNumbers_Click,
    &Form1::mnuShapes_Click,  &Form1::mnuPhrases_Click,
};
static_assert(std::size(kGroupHandlers) == kWordGroups.size());

} // namespace

Form1::Form1(Platform &platform, PagePane *pane, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , WB(pane)
    , CmbEnglish(new SortedComboBox)
    , txtOrvana(new QLineEdit)
    , m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(mainWindowCaption());
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/orvani-parlevo-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    auto *client = new QWidget;
    client->setFixedSize(form1layout::kClientArea);
    client->setAutoFillBackground(true);
    QPalette black = client->palette();
    black.setColor(QPalette::Window, Qt::black);
    client->setPalette(black);
    setCentralWidget(client);

    QWidget *page = WB->widget();
    page->setParent(client);
    page->setObjectName(QStringLiteral("WB"));
    page->setAccessibleName(QStringLiteral("Lesson page"));
    page->setAccessibleDescription(QStringLiteral("The lesson page of the chosen entry"));
    page->setGeometry(form1layout::kPagePane);
    page->setPalette(QGuiApplication::palette()); // pages keep their own light look

    CmbEnglish->setParent(client);
    CmbEnglish->setObjectName(QStringLiteral("CmbEnglish"));
    CmbEnglish->setAccessibleName(QStringLiteral("English entry"));
    CmbEnglish->setAccessibleDescription(
        QStringLiteral("Choose an English word or phrase to learn"));
    CmbEnglish->setGeometry(form1layout::kEntryList);
    // On Linux a combo box tells screen readers the text in its field as its
    // name; they name the box from the label it is the buddy of. That label
    // is never shown.
    auto *entryLabel = new QLabel(CmbEnglish->accessibleName(), client);
    entryLabel->setObjectName(QStringLiteral("lblEnglish"));
    entryLabel->setBuddy(CmbEnglish);
    entryLabel->hide();
    CmbEnglish->setFont(tahomaFont(8.25));
    setControlColours(CmbEnglish, Qt::black, Qt::white);
    showPrompt();

    txtOrvana->setParent(client);
    txtOrvana->setObjectName(QStringLiteral("txtOrvana"));
    txtOrvana->setAccessibleName(QStringLiteral("Orvani text"));
    txtOrvana->setAccessibleDescription(QStringLiteral("The chosen entry in Orvani"));
    txtOrvana->setGeometry(form1layout::kOrvaniBox);
    txtOrvana->setFont(tahomaFont(12));
    setControlColours(txtOrvana, Qt::black, Qt::red);
    txtOrvana->raise();

    setTabOrder(page, CmbEnglish);
    setTabOrder(CmbEnglish, txtOrvana);

    buildMenu();
    connect(CmbEnglish, &QComboBox::activated, this,
            guarded(this, &Form1::CmbEnglish_Click, "CmbEnglish_Click"));

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    keepOutOfTaskbar(this);

    runGuarded("Form_Load", [this] { Form_Load(); });

    adjustSize();
    setFixedSize(size()); // min = max: no window manager offers to maximise it
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
}

Form1::~Form1()
{
    // No selection handler may run on a window that is being taken apart.
    CmbEnglish->disconnect(this);
}

void Form1::addCommand(QWidget *menu, const QString &objectName, const QString &caption,
                       void (Form1::*handler)())
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this,
            guarded(this, handler, objectName.toLatin1() + "_Click"));
    menu->addAction(action);
}

void Form1::buildMenu()
{
    auto *bar = new KeyboardMenuBar;
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, &KeyboardMenuBar::enterKeyboardMode);
    addCommand(bar, QStringLiteral("mnuExit"), QStringLiteral("Exit"), &Form1::mnuExit_Click);
    addCommand(bar, QStringLiteral("mnuIntro"), QStringLiteral("Intro"), &Form1::mnuIntro_Click);

    QMenu *words = bar->addMenu(QStringLiteral("Words"));
    words->menuAction()->setObjectName(QStringLiteral("mnuSimple"));
    for (const WordGroup &group : kWordGroups)
        addCommand(group.onMenuBar ? static_cast<QWidget *>(bar) : words, toQString(group.menuItem),
                   toQString(group.caption), kGroupHandlers[std::size_t(group.id)]);

    addCommand(bar, QStringLiteral("mnuSyntax"), QStringLiteral("Syntax"), &Form1::mnuSyntax_Click);
    QMenu *dictionaries = bar->addMenu(QStringLiteral("Translation  Dictionaries"));
    dictionaries->menuAction()->setObjectName(QStringLiteral("mnuTransDict"));
    addCommand(dictionaries, QStringLiteral("mnuEnglish_dict"), QStringLiteral("English to Orvani"),
               &Form1::mnuEnglish_dict_Click);
    addCommand(dictionaries, QStringLiteral("mnuOrva_dict"), QStringLiteral("Orvani to English"),
               &Form1::mnuOrva_dict_Click);
    addCommand(bar, QStringLiteral("mnuStory"), QStringLiteral("Screen Saver"),
               &Form1::mnuStory_Click);
    addCommand(bar, QStringLiteral("mnuAbout"), QStringLiteral("About"), &Form1::mnuAbout_Click);

    // The classic menu face; where the system's fallback face runs wider, a
    // slightly smaller size keeps all eight items on the bar at once.
    QFont font = tahomaFont(8.25);
    bar->setFont(font);
    while (bar->sizeHint().width() > form1layout::kClientArea.width() && font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        bar->setFont(font);
    }
}

QString Form1::address(std::u16string_view tail)
{
    const QString folder = m_platform.applicationFolder();
    return toQString(PageAddress(toU16View(folder), tail));
}

// Opens a page, hiding the text box just before or after the request where
// the step says so.
void Form1::openPage(std::u16string_view tail, BoxHiding hiding)
{
    if (hiding == BoxHiding::BeforeOpening)
        txtOrvana->setVisible(false);
    WB->Navigate(address(tail));
    if (hiding == BoxHiding::AfterOpening)
        txtOrvana->setVisible(false);
}

void Form1::Form_Load()
{
    openPage(tails::Intro, BoxHiding::Never);
    txtOrvana->setVisible(false);
}

void Form1::mnuExit_Click()
{
    close();
}

void Form1::openPageAndReset(std::u16string_view tail, BoxHiding hiding)
{
    openPage(tail, hiding);
    txtOrvana->setText(QString());
    CmbEnglish->removeAllItems();
    showPrompt();
}

void Form1::showPrompt()
{
    CmbEnglish->setEditText(kPromptText);
    CmbEnglish->lineEdit()->home(false); // show the text from its start
}

void Form1::mnuIntro_Click()
{
    openPageAndReset(tails::Intro, BoxHiding::AfterOpening);
}

void Form1::mnuSyntax_Click()
{
    openPageAndReset(tails::Syntax, BoxHiding::BeforeOpening);
}

void Form1::mnuEnglish_dict_Click()
{
    openPageAndReset(tails::EnglishDictionary, BoxHiding::BeforeOpening);
}

void Form1::mnuOrva_dict_Click()
{
    openPageAndReset(tails::OrvaniDictionary, BoxHiding::BeforeOpening);
}

void Form1::mnuStory_Click()
{
    try {
        m_platform.startProgram(address(tails::ScreenSaver));
    } catch (...) {
        qCWarning(lcHandler, "mnuStory_Click: the screen saver did not start: %s", whatFailed());
        m_platform.showMessage(screenSaverErrorText());
    }
}

void Form1::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frnAbout(m_platform);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::applyWordGroup(const WordGroup &group)
{
    CmbEnglish->removeAllItems();
    if (group.emptiesBox)
        txtOrvana->setText(QString());
    for (const Entry &entry : group.entries())
        CmbEnglish->appendItem(toQString(entry.english));
    if (!group.pageTail.empty())
        openPage(group.pageTail, group.hiding);
}

void Form1::mnuAnimals_Click()
{
    applyWordGroup(wordGroup(Group::Animals));
}
void Form1::mnuBody_Click()
{
    applyWordGroup(wordGroup(Group::Body));
}
void Form1::mnuColors_Click()
{
    applyWordGroup(wordGroup(Group::Colors));
}
void Form1::mnuFamily_Click()
{
    applyWordGroup(wordGroup(Group::Family));
}
void Form1::mnuFood_Click()
{
    applyWordGroup(wordGroup(Group::Food));
}
void Form1::mnuNumbers_Click()
{
    applyWordGroup(wordGroup(Group::Numbers));
}
void Form1::mnuShapes_Click()
{
    applyWordGroup(wordGroup(Group::Shapes));
}
void Form1::mnuPhrases_Click()
{
    applyWordGroup(wordGroup(Group::Phrases));
}

void Form1::CmbEnglish_Click()
{
    try {
        txtOrvana->setVisible(true);
        const Entry *entry = FindEntry(toU16View(CmbEnglish->currentText()));
        if (!entry)
            return;
        if (!entry->isPageOnly())
            txtOrvana->setText(toQString(entry->orvani));
        openPage(entry->pageTail, entry->hiding);
    } catch (...) {
        qCWarning(lcHandler, "CmbEnglish_Click: %s; the not-found page instead", whatFailed());
        // A failure of the not-found page itself goes no further.
        runGuarded("the not-found page", [this] { openPage(tails::NotFound, BoxHiding::Never); });
    }
}
