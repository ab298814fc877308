#pragma once

#include <QWidget>

class Platform;

// The About window: who made the program, who speaks in it, and a way to
// the maker's web site. A small tool window without owner that destroys
// itself when closed.
class frnAbout : public QWidget
{
    Q_OBJECT

public:
    explicit frnAbout(Platform &platform, QWidget *parent = nullptr);

    // Both open the maker's web site and close the window. A failure that
    // leaves them (an exception) leaves the window open.
    void Image1_Click();
    void Label9_Click();

private:
    Platform &m_platform;
};
