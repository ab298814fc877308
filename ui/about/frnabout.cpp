#include "frnabout.h"

#include "accessiblerole.h"
#include "clickablelabel.h"
#include "handlerguard.h"
#include "onscreenplacement.h"
#include "platform.h"
#include "productinfo.h"
#include "taskbar.h"
#include "twips.h"

#include <QIcon>
#include <QPixmap>

namespace {

const QString makerAddress = QStringLiteral(ORVANI_MAKER_WEB_ADDRESS);

enum class Weight { Regular, Bold };

// Lays out one label: fixed in size, word-wrapped from its top edge, plain
// text on the window's background.
QLabel *placeLabel(QLabel *label, const char *name, QRect geometry, const QString &text,
                   Weight weight, Qt::Alignment alignment)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFixedSize(geometry.size());
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setCursor(Qt::ArrowCursor);
    if (weight == Weight::Bold) {
        QFont font = label->font();
        font.setWeight(QFont::Bold);
        label->setFont(font);
    }
    return label;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

frnAbout::frnAbout(Platform &platform, QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frnAbout"));
    // A window made of a plain widget reaches screen readers as a filler,
    // not as a window; a dialog is one they announce by its title.
    setAccessibleRole<frnAbout, QAccessible::Dialog>();
    setWindowTitle(QStringLiteral("About..."));
    setWindowIcon(QIcon(QStringLiteral(":/about/about-icon.ico")));
    setFixedSize(twipsSize(6375, 5415));

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    // Button face behind everything, button text on it.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    setPalette(colours);
    setAutoFillBackground(true);

    const auto centred = Qt::AlignHCenter;
    const auto left = Qt::AlignLeft;
    placeLabel(new QLabel(this), "Label6", twipsRect(720, 120, 5055, 255),
               QStringLiteral(ORVANI_MAKER_COMPANY), Weight::Bold, centred);
    placeLabel(new QLabel(this), "Label7", twipsRect(720, 360, 5055, 255),
               QStringLiteral("Based in " ORVANI_MAKER_PLACE ", since " ORVANI_MAKER_SINCE),
               Weight::Regular, centred);

    auto *image1 = new ClickableLabel(QAccessible::Graphic, this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(twipsRect(1320, 600, 3555, 2415));
    image1->setFixedSize(image1->size());
    image1->setPixmap(QPixmap(QStringLiteral(":/about/about-picture.gif")));
    image1->setScaledContents(true);
    image1->setToolTip(QStringLiteral("Click for navigation to %1...")
                           .arg(QStringLiteral(ORVANI_MAKER).toLower()));
    image1->setCursor(Qt::ArrowCursor);
    image1->setAccessibleName(QStringLiteral(ORVANI_MAKER " picture"));
    image1->setAccessibleDescription(
        QStringLiteral("Opens the " ORVANI_MAKER " web site and closes this window"));

    auto *label8 = placeLabel(new QLabel(this), "Label8", twipsRect(600, 3000, 5055, 255),
                              QStringLiteral(ORVANI_MAKER_SLOGAN), Weight::Regular, centred);
    setTextColour(label8, QColor(0, 0, 0));

    auto *label9 = new ClickableLabel(QAccessible::Link, this);
    placeLabel(label9, "Label9", twipsRect(720, 3240, 5055, 255),
               QStringLiteral(ORVANI_MAKER_WEB_HOST), Weight::Regular, centred);
    QFont underlined = label9->font();
    underlined.setUnderline(true);
    label9->setFont(underlined);
    setTextColour(label9, QColor(0, 0, 255));
    label9->setAccessibleDescription(
        QStringLiteral("Opens " ORVANI_MAKER_WEB_HOST " and closes this window"));

    placeLabel(new QLabel(this), "Label1", twipsRect(120, 3480, 5055, 255),
               QStringLiteral("Speaking Credits:"), Weight::Bold, left);
    placeLabel(new QLabel(this), "Label2", twipsRect(120, 3720, 6135, 495),
               QStringLiteral("Orvani speaker: Tesmira Valdoun of Corrowick, Elsinth Valley, "
                              "enrolled member of the FENWATER HOLLOW COMMUNITY"),
               Weight::Regular, left);
    placeLabel(new QLabel(this), "Label3", twipsRect(120, 4200, 6135, 495),
               QStringLiteral("English speaker: Oren Halbrake of Tarnwillow, Elsinth Valley, "
                              "who developed and programmed this software as a student of Orvani"),
               Weight::Regular, left);
    placeLabel(new QLabel(this), "Label4", twipsRect(120, 4680, 5055, 255),
               QStringLiteral("Special Thanks:"), Weight::Bold, left);
    placeLabel(new QLabel(this), "Label5", twipsRect(120, 4920, 6135, 495),
               QStringLiteral("Our thanks go to Tesmira's grandmother Ilvane Valdoun and her "
                              "uncle Corbet Ashgrove, without whose help this software would "
                              "not exist."),
               Weight::Regular, left);

    connect(image1, &ClickableLabel::clicked, this,
            guarded(this, &frnAbout::Image1_Click, "Image1_Click"));
    connect(label9, &ClickableLabel::clicked, this,
            guarded(this, &frnAbout::Label9_Click, "Label9_Click"));

    // The window itself has the keyboard when it opens: nothing is marked
    // until Tab reaches the picture, then the link.
    setFocus();
    keepOutOfTaskbar(this);
    keepWhollyOnScreenWhenPlaced(this);
}

void frnAbout::Image1_Click()
{
    m_platform.openWebAddress(makerAddress);
    close();
}

void frnAbout::Label9_Click()
{
    m_platform.openWebAddress(makerAddress);
    close();
}
