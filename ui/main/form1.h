#pragma once

#include "boxhiding.h"

#include <QMainWindow>
#include <QPointer>

#include <string_view>

class PagePane;
class Platform;
class QLineEdit;
class SortedComboBox;
class frnAbout;
namespace orvani {
struct WordGroup;
}

// The trainer's main window: the page pane WB, the entry list CmbEnglish,
// the Orvani text box txtOrvana and the menu. Each handler is the short list
// of steps its menu item or control performs.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // The pane's widget becomes a child of the window and lives as long as
    // the window. The platform must outlive the window.
    Form1(Platform &platform, PagePane *pane, QWidget *parent = nullptr);
    ~Form1() override;

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

    PagePane *const WB;
    SortedComboBox *const CmbEnglish;
    QLineEdit *const txtOrvana;

private:
    void buildMenu();
    void addCommand(QWidget *menu, const QString &objectName, const QString &caption,
                    void (Form1::*handler)());
    void applyWordGroup(const orvani::WordGroup &group);
    void openPage(std::u16string_view tail, orvani::BoxHiding hiding);
    QString address(std::u16string_view tail);
    void showPrompt();
    void openPageAndReset(std::u16string_view tail, orvani::BoxHiding hiding);

    Platform &m_platform;
    QPointer<frnAbout> m_about;
};
