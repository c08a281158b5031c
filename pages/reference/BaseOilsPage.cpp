#include "pages/reference/BaseOilsPage.h"

#include "app/shell/Twips.h"
#include "pages/reference/PageLook.h"

#include <QFrame>

using namespace pagelook;

namespace {

const QColor Blue{0, 121, 192};
// Places inside the table's frame, in twips.
constexpr int RowsTop = 630, RowHeight = 645, LastRowHeight = 1095;
constexpr int ButtonsTop = 7050;
constexpr int CellPadding = 3; // pixels
struct Column
{
    int left;
    int width;
};
constexpr Column Columns[3] = {{90, 2355}, {2430, 2115}, {4530, 7170}};

} // namespace

BaseOilsPage::BaseOilsPage(FormId form, const content::BaseOilBook &book,
                           const content::BaseOilBook::Page &page, QWidget *parent)
    : AppWindow(form, parent)
{
    label(this, QStringLiteral("lblHeading"), book.heading, {120, 150, 11655, 375}, titleLook(12.75, Blue));

    auto *frame = new QFrame(this); // owned by this window
    frame->setObjectName(QStringLiteral("fraTable"));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    frame->setGeometry(twips::rect(30, 480, 11775, 7920));

    const QStringList &headings = book.columnHeadings;
    const QString headingNames[3] = {QStringLiteral("lblColName"), QStringLiteral("lblColApplication"),
                                     QStringLiteral("lblColIndication")};
    for (int c = 0; c < 3; ++c)
        label(frame, headingNames[c], headings.value(c), {Columns[c].left, 180, Columns[c].width, 450},
              columnHeadingLook(Blue));

    const QStringList &backgrounds = book.rowBackgrounds;
    const std::vector<content::BaseOilRow> &rows = page.rows;
    for (int r = 0; r < int(rows.size()); ++r) {
        const content::BaseOilRow &row = rows[r];
        const QColor background =
            backgrounds.isEmpty() ? White : colour(backgrounds.at(r % backgrounds.size()));
        const int top = RowsTop + r * RowHeight;
        const int height = r + 1 == int(rows.size()) ? LastRowHeight : RowHeight;
        LabelLook name = cellLook(background, CellPadding);
        name.pointSize = 12;
        name.bold = true;
        name.align = Qt::AlignCenter;
        label(frame, QStringLiteral("lblName%1").arg(r + 1), row.name,
              {Columns[0].left, top, Columns[0].width, height}, name);
        label(frame, QStringLiteral("lblApplication%1").arg(r + 1), row.application,
              {Columns[1].left, top, Columns[1].width, height}, cellLook(background, CellPadding));
        label(frame, QStringLiteral("lblIndication%1").arg(r + 1), row.indication,
              {Columns[2].left, top, Columns[2].width, height}, cellLook(background, CellPadding));
    }

    // The chain buttons stand in the frame, in the last row's wide cell below its text.
    for (const WindowButton &def : spec().buttons)
        chainButton(frame, def.name, def.caption,
                    {def.twips.x(), ButtonsTop, def.twips.width(), def.twips.height()});
}

bool BaseOilsPage::showSpot(const QString &spot)
{
    return pagelook::holdsSpot(this, spot);
}
