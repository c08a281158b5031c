#include "app/shell/ButtonColours.h"

#include <QApplication>
#include <QColor>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>
#include <vector>

namespace {

// Every widget's palette is an object of its own, however alike, and the style keys the panels it keeps by
// that object: each coloured button would be drawn afresh on its first paint. This style hands the panel's
// drawing one shared palette for all equal palettes, so the first button of a colour and size draws the
// panel and the others reuse it; what is drawn is the same, as the palettes are equal.
class SharedPanelStyle final : public QProxyStyle
{
public:
    explicit SharedPanelStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_PanelButtonCommand) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // A copy of the option's own type, so that the panel still knows whether it is a default button.
        const auto drawShared = [&](auto shared) {
            shared.palette = sharedButtonPalette(option->palette);
            QProxyStyle::drawPrimitive(element, &shared, painter, widget);
        };
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
            drawShared(*button);
        else
            drawShared(*option);
    }
};

QStyle *sharedPanelStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new SharedPanelStyle(QApplication::style()->name());
        style->setParent(qApp); // lives as long as the application
    }
    return style;
}

} // namespace

QPalette sharedButtonPalette(const QPalette &palette)
{
    // A program has a handful of button colours; the bound only keeps a stray caller from growing the list.
    constexpr std::size_t Kept = 32;
    static std::vector<QPalette> shared;
    for (const QPalette &known : shared) {
        if (known == palette)
            return known;
    }
    if (shared.size() == Kept)
        shared.erase(shared.begin());
    shared.push_back(palette);
    return palette;
}

void colourButton(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    // The style draws the frame from the window colour, so both follow the button's own colour.
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    button->setPalette(palette);
    button->setStyle(sharedPanelStyle());
}
