#include "sortedcombobox.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>

SortedComboBox::SortedComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    stopPickOnLeavingTheField();
}

void SortedComboBox::stopPickOnLeavingTheField()
{
    // Relies on Qt's own workings, not on its API: QComboBox connects the
    // field's editingFinished to a private slot of its own that, when the
    // field loses the keyboard, makes the item whose text was typed current
    // and so picks it. That connection is the only one from the field to the
    // box, so it is cut whole. Should a later Qt pick another way,
    // tst_accessibility's typingStartsNothing fails.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void SortedComboBox::appendItem(const QString &text)
{
    int position = 0;
    while (position < count()
           && QString::compare(itemText(position), text, Qt::CaseInsensitive) <= 0)
        ++position;
    const QString fieldText = currentText();
    const bool noneSelected = currentIndex() < 0;
    insertItem(position, text);
    // Inserting into an empty list would select the new item.
    if (noneSelected) {
        setCurrentIndex(-1);
        setEditText(fieldText);
    }
}

void SortedComboBox::removeAllItems()
{
    clear();
    setEditText(QString());
}

void SortedComboBox::showPopup()
{
    QComboBox::showPopup();
    // With no item current, the list view puts its current row on the first
    // item when it gets the keyboard but leaves it unselected: drawn with no
    // more than a faint focus frame, while Enter would pick it.
    QModelIndex row = view()->currentIndex();
    if (!row.isValid())
        row = model()->index(0, modelColumn(), rootModelIndex());
    if (row.isValid() && !view()->selectionModel()->isSelected(row))
        view()->setCurrentIndex(row);
}

bool SortedComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
