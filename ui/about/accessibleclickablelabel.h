#pragma once

#include <QAccessibleWidget>

class ClickableLabel;

// A clickable label as assistive technology sees it: in the label's role,
// named by its visible text unless it has a name of its own, and pressed
// by the press action as by a click.
class AccessibleClickableLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickableLabel(ClickableLabel *label);

    // Makes Qt use this class for every ClickableLabel; only the first call
    // does anything.
    static void install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ClickableLabel *label() const;
};
