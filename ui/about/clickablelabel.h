#pragma once

#include <QAccessible>
#include <QLabel>

// A label that acts like a button: a left click on it, or Enter or Space
// while it has the keyboard, reports a click. It is reached with Tab (a
// mouse click does not move the focus) and marks the focus visibly.
// Assistive technology sees it in `role`, with a press action.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QAccessible::Role role, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const { return m_role; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QAccessible::Role m_role;
    bool m_pressed = false;
};
