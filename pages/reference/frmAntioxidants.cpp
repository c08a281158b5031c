#include "pages/reference/frmAntioxidants.h"

#include "content/ContentSet.h"
#include "pages/reference/PageLook.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPoint>

using namespace pagelook;

namespace {

constexpr int GroupLefts[3] = {600, 4290, 7950};
constexpr int NameWidth = 1725, ValueWidth = 1200, RowPitch = 480;
constexpr int OilsTop = 2040, FoodsTop = 5700;
const QColor ValueBackground{255, 240, 255};

void table(QWidget *parent, const QJsonArray &entries, int top, const QString &prefix)
{
    LabelLook name;
    name.bold = true;
    name.text = White;
    name.background = Green;
    name.border = true;
    name.align = Qt::AlignCenter;
    name.wrap = false;
    LabelLook value = name;
    value.text = Green;
    value.background = ValueBackground;
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        const QPoint cell = frmAntioxidants::cellOf(i, int(entries.size()));
        const int left = GroupLefts[cell.x()];
        const int y = top + cell.y() * RowPitch;
        label(parent, QStringLiteral("lbl%1%2").arg(prefix).arg(i + 1),
              entry.value(QLatin1String("name")).toString(), {left, y, NameWidth, RowPitch}, name);
        label(parent, QStringLiteral("lbl%1Value%2").arg(prefix).arg(i + 1),
              entry.value(QLatin1String("text")).toString(), {left + NameWidth - 15, y, ValueWidth, RowPitch},
              value);
    }
}

} // namespace

QPoint frmAntioxidants::cellOf(int index, int count)
{
    const int perColumn = std::max(1, (count + 2) / 3);
    return QPoint(index / perColumn, index % perColumn);
}

frmAntioxidants::frmAntioxidants(QWidget *parent) : AppWindow(QStringLiteral("frmAntioxidants"), parent)
{
    const QJsonObject page = content::json(QStringLiteral("reference/antioxidants.json")).object();

    Flow flow;
    flow.parent = this;
    flow.top = 150;
    LabelLook heading = headingLook();
    heading.pointSize = 13.5;
    heading.align = Qt::AlignHCenter | Qt::AlignTop;
    flow.placeText(page.value(QLatin1String("heading")).toString(), heading, flow.left, flow.width)
        ->setObjectName(QStringLiteral("lblHeading"));
    flow.top += flow.blockGap;
    flow.placeText(page.value(QLatin1String("introduction")).toString(), bodyLook(), flow.left, flow.width)
        ->setObjectName(QStringLiteral("lblIntroduction"));
    flow.top += flow.blockGap;
    LabelLook study = bodyLook();
    study.italic = true;
    flow.placeText(page.value(QLatin1String("study")).toString(), study, flow.left, flow.width)
        ->setObjectName(QStringLiteral("lblStudy"));

    table(this, page.value(QLatin1String("oils")).toArray(), OilsTop, QStringLiteral("Oil"));

    LabelLook foodsIntro = headingLook();
    const QString foodsText = page.value(QLatin1String("foodsIntro")).toString();
    const int foodsIntroHeight = textHeightTwips(foodsText, flow.width, foodsIntro);
    label(this, QStringLiteral("lblFoodsIntro"), foodsText,
          {flow.left, FoodsTop - foodsIntroHeight - 120, flow.width, foodsIntroHeight}, foodsIntro);
    table(this, page.value(QLatin1String("foods")).toArray(), FoodsTop, QStringLiteral("Food"));
}
