#pragma once

#include <QAccessibleWidget>

// Has assistive technology see every widget of class `Widget` in the given
// role instead of the generic one Qt gives a plain QWidget. The widget's
// constructor calls it; only the first call does anything.
template <typename Widget, QAccessible::Role role>
void setAccessibleRole()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className != QLatin1String(Widget::staticMetaObject.className()))
                    return nullptr;
                return new QAccessibleWidget(static_cast<QWidget *>(object), role);
            });
        return true;
    }();
    Q_UNUSED(installed);
}
