#include "accessibleclickablelabel.h"

#include "clickablelabel.h"

AccessibleClickableLabel::AccessibleClickableLabel(ClickableLabel *label)
    : QAccessibleWidget(label, label->accessibleRole())
{ }

void AccessibleClickableLabel::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className != QLatin1String(ClickableLabel::staticMetaObject.className()))
                    return nullptr;
                return new AccessibleClickableLabel(static_cast<ClickableLabel *>(object));
            });
        return true;
    }();
    Q_UNUSED(installed);
}

QString AccessibleClickableLabel::text(QAccessible::Text t) const
{
    const QString own = QAccessibleWidget::text(t);
    return t == QAccessible::Name && own.isEmpty() ? label()->text() : own;
}

QStringList AccessibleClickableLabel::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleClickableLabel::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        emit label()->clicked();
    else
        QAccessibleWidget::doAction(actionName);
}

ClickableLabel *AccessibleClickableLabel::label() const
{
    return static_cast<ClickableLabel *>(widget());
}
