#pragma once

#include "commands.h"
#include "entrycontrols.h"
#include "pagerequests.h"

#include <QMainWindow>
#include <QPointer>

#include <string_view>

class PagePane;
class Platform;
class QLineEdit;
class SortedComboBox;
class frnAbout;

// The trainer's main window: the page pane WB, the entry list CmbEnglish,
// the Orvani text box txtOrvana and the menu, built from the phrasebook's
// menu description. Each handler hands its menu item's row of the command
// or word-group table to the step list of its kind; the window also follows
// the pages the pane comes to by itself, so that the box and the list always
// speak of the page shown.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // The pane's widget becomes a child of the window and lives as long as
    // the window. The platform must outlive the window.
    Form1(Platform &platform, PagePane *pane, QWidget *parent = nullptr);
    ~Form1() override;

private:
    void Form_Load();

    void mnuExit_Click();
    void mnuIntro_Click();
    void mnuSyntax_Click();
    void mnuEnglish_dict_Click();
    void mnuOrva_dict_Click();
    void mnuStory_Click();
    void mnuAbout_Click();

    void mnuAnimals_Click();
    void mnuBody_Click();
    void mnuColors_Click();
    void mnuFamily_Click();
    void mnuFood_Click();
    void mnuNumbers_Click();
    void mnuShapes_Click();
    void mnuPhrases_Click();

    void CmbEnglish_Click();

    friend struct Form1Handlers;
    void setUpControls();
    void runCommand(orvani::CommandId id);
    void applyWordGroup(orvani::Group id);
    void openPage(std::u16string_view tail, orvani::BoxHiding hiding = orvani::BoxHiding::Never);
    QString address(std::u16string_view tail);

    void followPage(const QUrl &page);
    bool shows(const QUrl &page, std::u16string_view tail);

    PagePane *const WB;
    SortedComboBox *const CmbEnglish;
    QLineEdit *const txtOrvana;
    Platform &m_platform;
    EntryControls m_controls;
    QPointer<frnAbout> m_about;
    PageRequests m_requests;
};
