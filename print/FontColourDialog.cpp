#include "print/FontColourDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace printservices {
namespace {

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// The font dialog finds the style to show by its name, and families that call their upright style "Book"
// would open on another style; naming the family's own style that matches bold and italic avoids that.
QFont withFamilyStyle(QFont font)
{
    const QString family = font.family();
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString &style : styles) {
        const bool bold = QFontDatabase::weight(family, style) >= QFont::DemiBold;
        if (QFontDatabase::italic(family, style) == font.italic() && bold == font.bold()) {
            font.setStyleName(style);
            break;
        }
    }
    return font;
}

// The font dialog lists the families of the font database only. A name such as "Times New Roman" may stand
// for another family (a font substitute), and a name the list lacks makes the dialog open on its default
// font; the family that really draws the text is the one to show.
QFont shownFont(const QFont &font)
{
    QFont shown = font;
    shown.setFamilies({});
    shown.setFamily(QFontInfo(font).family());
    return withFamilyStyle(shown);
}

} // namespace

FontColourDialog::FontColourDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Font"));
    m_fonts = new QFontDialog(this);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);

    m_colours = new QComboBox(this);
    m_colours->setObjectName(QStringLiteral("colour"));
    for (const auto &[name, colour] : namedColours())
        m_colours->addItem(swatch(colour), name, colour);

    auto *colourRow = new QHBoxLayout;
    auto *colourLabel = new QLabel(tr("&Colour:"), this);
    colourLabel->setBuddy(m_colours);
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colours, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontColourDialog::~FontColourDialog() = default;

const std::vector<std::pair<QString, QColor>> &FontColourDialog::namedColours()
{
    static const std::vector<std::pair<QString, QColor>> colours = {
        {tr("Black"), QColor(0, 0, 0)},        {tr("Maroon"), QColor(128, 0, 0)},
        {tr("Green"), QColor(0, 128, 0)},      {tr("Olive"), QColor(128, 128, 0)},
        {tr("Navy"), QColor(0, 0, 128)},       {tr("Purple"), QColor(128, 0, 128)},
        {tr("Teal"), QColor(0, 128, 128)},     {tr("Grey"), QColor(128, 128, 128)},
        {tr("Silver"), QColor(192, 192, 192)}, {tr("Red"), QColor(255, 0, 0)},
        {tr("Lime"), QColor(0, 255, 0)},       {tr("Yellow"), QColor(255, 255, 0)},
        {tr("Blue"), QColor(0, 0, 255)},       {tr("Fuchsia"), QColor(255, 0, 255)},
        {tr("Aqua"), QColor(0, 255, 255)},     {tr("White"), QColor(255, 255, 255)},
    };
    return colours;
}

void FontColourDialog::setChoice(const FontChoice &choice)
{
    m_start = choice.font;
    m_shown = shownFont(choice.font);
    m_fonts->setCurrentFont(m_shown);
    selectColour(choice.colour.isValid() ? choice.colour : QColor(Qt::black));
}

FontChoice FontColourDialog::choice() const
{
    QFont font = m_fonts->currentFont();
    // What the user left as shown keeps the text's own values: the family's name as the text gives it
    // and a size between whole points, which the dialog cannot show.
    if (font.family() == m_shown.family())
        font.setFamily(m_start.family());
    if (font.pointSize() == m_shown.pointSize() && m_start.pointSizeF() > 0)
        font.setPointSizeF(m_start.pointSizeF());
    return {font, m_colours->currentData().value<QColor>()};
}

void FontColourDialog::selectColour(const QColor &colour)
{
    const QColor opaque = colour.toRgb();
    for (int i = 0; i < m_colours->count(); ++i) {
        if (m_colours->itemData(i).value<QColor>().rgb() == opaque.rgb()) {
            m_colours->setCurrentIndex(i);
            return;
        }
    }
    m_colours->addItem(swatch(opaque), opaque.name(), opaque);
    m_colours->setCurrentIndex(m_colours->count() - 1);
}

} // namespace printservices
