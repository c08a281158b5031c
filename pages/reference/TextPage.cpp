#include "pages/reference/TextPage.h"

#include "pages/reference/PageLook.h"

#include <QJsonArray>

using namespace pagelook;

namespace {
constexpr int FirstTop = 180; // twips
constexpr int ButtonGap = 120;
} // namespace

TextPage::TextPage(const QJsonObject &page, const QMap<QString, ButtonPlace> &buttonPlaces, QWidget *parent)
    : AppWindow(page.value(QLatin1String("form")).toString(), parent)
{
    Flow flow;
    flow.parent = this;
    flow.top = FirstTop;
    for (const QJsonValue &value : page.value(QLatin1String("blocks")).toArray()) {
        const QJsonObject block = value.toObject();
        if (flow.place(block))
            continue;
        if (block.value(QLatin1String("kind")).toString() != QLatin1String("button"))
            continue;
        const QString name = block.value(QLatin1String("name")).toString();
        const auto place = buttonPlaces.constFind(name);
        if (place == buttonPlaces.constEnd())
            continue; // a button of the window's frame, placed by it
        button(this, name, block.value(QLatin1String("text")).toString(), place->twips, place->background);
        flow.top = std::max(flow.top, place->twips.y() + place->twips.height() + ButtonGap);
    }
    m_textBottom = flow.top - flow.blockGap;
}
