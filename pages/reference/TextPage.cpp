#include "pages/reference/TextPage.h"

#include "pages/reference/PageLook.h"

using namespace pagelook;

namespace {

constexpr int FirstTop = 180; // twips
constexpr int ButtonGap = 90;
constexpr int MaxExtraGap = 150;
constexpr double DesignPointSize = 11.25, SmallestPointSize = 9.0;

} // namespace

TextPage::TextPage(FormId form, const content::TextPageContent &page,
                   const QMap<QString, ButtonPlace> &buttonPlaces, QWidget *parent)
    : AppWindow(form, parent)
{
    const std::vector<content::TextBlock> &blocks = page.blocks;
    // The text ends above the buttons that the window's frame places at the foot of the page.
    int limit = 8010;
    for (const WindowButton &def : spec().buttons)
        if (!buttonPlaces.contains(def.name))
            limit = std::min(limit, def.twips.y() - ButtonGap);

    // Lays the blocks out, or only measures them; false when some text runs into a button or past the limit.
    const auto layOut = [&](double pointSize, int extraGap, bool measureOnly) {
        Flow flow;
        flow.blockGap += extraGap;
        flow.headingGap += extraGap;
        flow.parent = this;
        flow.top = FirstTop;
        flow.pointSize = pointSize;
        flow.measureOnly = measureOnly;
        bool fits = true;
        int textBottom = flow.top;
        for (const content::TextBlock &block : blocks) {
            if (flow.place(block)) {
                textBottom = flow.top - flow.blockGap;
                continue;
            }
            if (block.kind != content::TextBlock::Kind::Button)
                continue;
            const auto place = buttonPlaces.constFind(block.name);
            if (place == buttonPlaces.constEnd())
                continue; // a button of the window's frame, placed by it
            fits = fits && textBottom <= place->twips.y() - ButtonGap;
            if (!measureOnly)
                button(this, block.name, block.text, place->twips, place->background);
            flow.top = std::max(flow.top, place->twips.y() + place->twips.height() + ButtonGap);
        }
        m_textBottom = textBottom;
        return fits && textBottom <= limit;
    };

    // The page keeps its design size where its text fits; a longer text is set a little smaller rather than
    // run into the buttons.
    double pointSize = DesignPointSize;
    while (!layOut(pointSize, 0, true) && pointSize > SmallestPointSize)
        pointSize -= 0.25;
    // A short page without buttons of its own spreads its blocks a little over the room it has.
    int extraGap = 0;
    if (buttonPlaces.isEmpty() && !blocks.empty()) {
        extraGap = std::min(MaxExtraGap, std::max(0, limit - m_textBottom) / (2 * int(blocks.size())));
        if (!layOut(pointSize, extraGap, true))
            extraGap = 0;
    }
    layOut(pointSize, extraGap, false);
}

bool TextPage::showSpot(const QString &spot)
{
    return pagelook::holdsSpot(this, spot);
}
