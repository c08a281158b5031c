#include "pages/reference/frmAntioxidants.h"

#include "content/ReferencePages.h"
#include "pages/reference/PageLook.h"

#include <QPoint>

using namespace pagelook;

namespace {

constexpr int GroupLefts[3] = {600, 4290, 7950};
constexpr int NameWidth = 1725, ValueWidth = 1200, RowPitch = 480;
constexpr int OilsTop = 2040, FoodsTop = 5700;
constexpr int TextLeft = 600, TextWidth = 10680;
const QColor ValueBackground{255, 240, 255};

void table(QWidget *parent, const std::vector<content::AntioxidantValue> &entries, int top,
           const QString &prefix)
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
    for (int i = 0; i < int(entries.size()); ++i) {
        const content::AntioxidantValue &entry = entries[i];
        const QPoint cell = frmAntioxidants::cellOf(i, int(entries.size()));
        const int left = GroupLefts[cell.x()];
        const int y = top + cell.y() * RowPitch;
        label(parent, QStringLiteral("lbl%1%2").arg(prefix).arg(i + 1), entry.name,
              {left, y, NameWidth, RowPitch}, name);
        label(parent, QStringLiteral("lbl%1Value%2").arg(prefix).arg(i + 1), entry.text,
              {left + NameWidth - 15, y, ValueWidth, RowPitch}, value);
    }
}

} // namespace

QPoint frmAntioxidants::cellOf(int index, int count)
{
    const int perColumn = std::max(1, (count + 2) / 3);
    return QPoint(index / perColumn, index % perColumn);
}

frmAntioxidants::frmAntioxidants(QWidget *parent) : AppWindow(Forms::frmAntioxidants, parent)
{
    const content::AntioxidantsPage &page = content::antioxidantsPage();
    LabelLook heading = headingLook();
    heading.pointSize = 13.5;
    heading.align = Qt::AlignHCenter | Qt::AlignTop;

    // The texts above the table keep their design size where they fit above it, else they are set smaller.
    const auto layOut = [&](double pointSize, bool measureOnly) {
        Flow flow;
        flow.parent = this;
        flow.top = 90;
        flow.blockGap = 45;
        flow.measureOnly = measureOnly;
        const auto place = [&](const QString &text, const LabelLook &look, const char *name) {
            if (QLabel *l = flow.placeText(text, look, flow.left, flow.width))
                l->setObjectName(QString::fromLatin1(name));
            flow.top += flow.blockGap;
        };
        place(page.heading, heading, "lblHeading");
        place(page.introduction, bodyLook(pointSize), "lblIntroduction");
        LabelLook study = bodyLook(pointSize - 1.5);
        study.italic = true;
        place(page.study, study, "lblStudy");
        return flow.top - flow.blockGap <= OilsTop - 60;
    };
    double pointSize = 11.25;
    while (!layOut(pointSize, true) && pointSize > 9.0)
        pointSize -= 0.25;
    layOut(pointSize, false);

    table(this, page.oils, OilsTop, QStringLiteral("Oil"));

    LabelLook foodsIntro = headingLook();
    const QString &foodsText = page.foodsIntro;
    const int foodsIntroHeight = textHeightTwips(foodsText, TextWidth, foodsIntro);
    label(this, QStringLiteral("lblFoodsIntro"), foodsText,
          {TextLeft, FoodsTop - foodsIntroHeight - 120, TextWidth, foodsIntroHeight}, foodsIntro);
    table(this, page.foods, FoodsTop, QStringLiteral("Food"));
}

bool frmAntioxidants::showSpot(const QString &spot)
{
    return pagelook::holdsSpot(this, spot);
}
