#include "entrycontrols.h"

#include "classicfonts.h"
#include "controlcolours.h"
#include "form1layout.h"
#include "sortedcombobox.h"
#include "u16.h"

#include <QLabel>
#include <QLineEdit>

using namespace orvani;

namespace {
const QString kPromptText = QStringLiteral("Select a word group or other from the menu...");
}

EntryControls::EntryControls(SortedComboBox *list, QLineEdit *box)
    : m_list(list)
    , m_box(box)
{ }

void EntryControls::placeIn(QWidget *client)
{
    m_list->setParent(client);
    m_list->setObjectName(QStringLiteral("CmbEnglish"));
    m_list->setAccessibleName(QStringLiteral("English entry"));
    m_list->setAccessibleDescription(QStringLiteral("Choose an English word or phrase to learn"));
    m_list->setGeometry(form1layout::kEntryList);
    // On Linux a combo box tells screen readers the text in its field as its
    // name; they name the box from the label it is the buddy of. That label
    // is never shown.
    auto *entryLabel = new QLabel(m_list->accessibleName(), client);
    entryLabel->setObjectName(QStringLiteral("lblEnglish"));
    entryLabel->setBuddy(m_list);
    entryLabel->hide();
    m_list->setFont(tahomaFont(8.25));
    setControlColours(m_list, Qt::black, Qt::white);
    showPrompt();

    m_box->setParent(client);
    m_box->setObjectName(QStringLiteral("txtOrvana"));
    m_box->setAccessibleName(QStringLiteral("Orvani text"));
    m_box->setAccessibleDescription(QStringLiteral("The chosen entry in Orvani"));
    m_box->setGeometry(form1layout::kOrvaniBox);
    m_box->setFont(tahomaFont(12));
    setControlColours(m_box, Qt::black, Qt::red);
    m_box->raise();
}

void EntryControls::run(const Steps &steps, const WordGroup *group,
                        const std::function<void()> &openPage)
{
    for (const Step step : steps) {
        switch (step) {
        case Step::End:
            return;
        case Step::OpenPage:
            openPage();
            break;
        case Step::HideBox:
            m_box->setVisible(false);
            break;
        case Step::EmptyBox:
            m_box->setText(QString());
            break;
        case Step::ClearList:
            m_list->removeAllItems();
            break;
        case Step::AppendEntries:
            for (const Entry &entry : group->entries())
                m_list->appendItem(toQString(entry.english));
            break;
        case Step::SetPrompt:
            showPrompt();
            break;
        }
    }
}

void EntryControls::showPrompt()
{
    m_list->setEditText(kPromptText);
    m_list->lineEdit()->home(false); // show the text from its start
}

void EntryControls::showAsPicked(const Entry &entry)
{
    const WordGroup &group = wordGroup(entry.group);
    run(stepsOf(group), &group, [] {});
    m_list->setCurrentIndex(m_list->findText(toQString(entry.english)));
    if (entry.isPageOnly()) {
        m_box->setVisible(false);
    } else {
        m_box->setText(toQString(entry.orvani));
        m_box->setVisible(true);
    }
}
