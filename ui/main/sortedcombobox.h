#pragma once

#include <QComboBox>

// An editable combo box whose list keeps its items in ascending,
// case-insensitive order. Only a pick from the list (mouse, wheel or arrow
// keys) emits activated(); text typed into the field starts nothing, neither
// on Enter nor when the field loses focus, and is never added to the list.
class SortedComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit SortedComboBox(QWidget *parent = nullptr);

    // Puts `text` into its sorted place; the field and the current item
    // stay as they were.
    void appendItem(const QString &text);
    // Removes every item and empties the field.
    void removeAllItems();

    // The open list's row that the keyboard is on is marked as current:
    // with no item current, the first.
    void showPopup() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopPickOnLeavingTheField();
};
