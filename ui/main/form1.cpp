#include "form1.h"

#include "applicationtitle.h"
#include "classicfonts.h"
#include "controlcolours.h"
#include "form1layout.h"
#include "frnabout.h"
#include "handlerguard.h"
#include "localpageurl.h"
#include "mainmenu.h"
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
#include <QScreen>
#include <QStyle>

using namespace orvani;

namespace {

QString screenSaverErrorText()
{
    return QStringLiteral(
        "Error reading file.. Please contact software vendor at " ORVANI_MAKER_EMAIL
        " to correct!");
}

using Handler = void (Form1::*)();

} // namespace

// The menu items' handlers, in the order of CommandId and of Group.
struct Form1Handlers {
    static constexpr Handler commands[] = {
        &Form1::mnuExit_Click,         &Form1::mnuIntro_Click,     &Form1::mnuSyntax_Click,
        &Form1::mnuEnglish_dict_Click, &Form1::mnuOrva_dict_Click, &Form1::mnuStory_Click,
        &Form1::mnuAbout_Click,
    };
    static constexpr Handler groups[] = {
        &Form1::mnuAnimals_Click, &Form1::mnuBody_Click,    &Form1::mnuColors_Click,
        &Form1::mnuFamily_Click,  &Form1::mnuFood_Click,    &Form1::mnuNumbers_Click,
        &Form1::mnuShapes_Click,  &Form1::mnuPhrases_Click,
    };
    static_assert(std::size(commands) == kCommands.size());
    static_assert(std::size(groups) == kWordGroups.size());
};

Form1::Form1(Platform &platform, PagePane *pane, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , WB(pane)
    , CmbEnglish(new SortedComboBox)
    , txtOrvana(new QLineEdit)
    , m_platform(platform)
    , m_controls(CmbEnglish, txtOrvana)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(mainWindowCaption());
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/orvani-parlevo-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setUpControls();
    buildMainMenu(this, [this](const MenuItem &item, const QString &name) -> MenuSlot {
        const bool isCommand = item.kind == MenuItem::CommandItem;
        const Handler handler
            = isCommand ? Form1Handlers::commands[item.index] : Form1Handlers::groups[item.index];
        return guarded(this, handler, name.toLatin1() + "_Click");
    });
    connect(CmbEnglish, &QComboBox::activated, this,
            guarded(this, &Form1::CmbEnglish_Click, "CmbEnglish_Click"));
    WB->setPageShownListener([this](const QUrl &page) {
        runGuarded("following the page shown", [&] { followPage(page); });
    });
    runGuarded("the not-found page",
               [this] { WB->setNotFoundPage(localPageUrl(address(tails::NotFound))); });

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
    // No handler may run on a window that is being taken apart.
    CmbEnglish->disconnect(this);
    WB->setPageShownListener({});
}

void Form1::setUpControls()
{
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

    m_controls.placeIn(client);

    setTabOrder(page, CmbEnglish);
    setTabOrder(CmbEnglish, txtOrvana);
    page->setFocus(); // the first in the tab order has the keyboard once the window is active
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
    const QString page = address(tail);
    m_requests.requested(localPageUrl(page));
    WB->Navigate(page);
    if (hiding == BoxHiding::AfterOpening)
        txtOrvana->setVisible(false);
}

void Form1::runCommand(CommandId id)
{
    const Command &c = command(id);
    m_controls.run(c.steps, nullptr, [&] { openPage(c.pageTail); });
}

void Form1::applyWordGroup(Group id)
{
    const WordGroup &group = wordGroup(id);
    m_controls.run(stepsOf(group), &group, [&] { openPage(group.pageTail); });
}

void Form1::Form_Load()
{
    openPage(tails::Intro);
    txtOrvana->setVisible(false);
}

void Form1::mnuExit_Click()
{
    close();
}
void Form1::mnuIntro_Click()
{
    runCommand(CommandId::Intro);
}
void Form1::mnuSyntax_Click()
{
    runCommand(CommandId::Syntax);
}
void Form1::mnuEnglish_dict_Click()
{
    runCommand(CommandId::EnglishDictionary);
}
void Form1::mnuOrva_dict_Click()
{
    runCommand(CommandId::OrvaniDictionary);
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

void Form1::mnuAnimals_Click()
{
    applyWordGroup(Group::Animals);
}
void Form1::mnuBody_Click()
{
    applyWordGroup(Group::Body);
}
void Form1::mnuColors_Click()
{
    applyWordGroup(Group::Colors);
}
void Form1::mnuFamily_Click()
{
    applyWordGroup(Group::Family);
}
void Form1::mnuFood_Click()
{
    applyWordGroup(Group::Food);
}
void Form1::mnuNumbers_Click()
{
    applyWordGroup(Group::Numbers);
}
void Form1::mnuShapes_Click()
{
    applyWordGroup(Group::Shapes);
}
void Form1::mnuPhrases_Click()
{
    applyWordGroup(Group::Phrases);
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
        runGuarded("the not-found page", [this] { openPage(tails::NotFound); });
    }
}

// A page the pane came to by itself leaves the list and the box as the
// window's own step to that page would: an entry's lesson as a pick of the
// entry, a command's page as the command; any other page hides the box.
void Form1::followPage(const QUrl &page)
{
    if (!m_requests.isNewForeignPage(page))
        return;
    for (const Entry &entry : kEntries)
        if (shows(page, entry.pageTail))
            return m_controls.showAsPicked(entry);
    for (const Command &c : kCommands)
        if (c.opensPage() && shows(page, c.pageTail))
            return m_controls.run(c.steps, nullptr, [] {});
    txtOrvana->setVisible(false);
}

bool Form1::shows(const QUrl &page, std::u16string_view tail)
{
    return pageOf(page) == localPageUrl(address(tail));
}
