#include "pages/reference/EssentialOilsPage.h"

#include "app/shell/IndicationsOfOil.h"
#include "app/shell/Twips.h"
#include "app/shell/WindowManager.h"
#include "pages/reference/PageLook.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <algorithm>
#include <numeric>

using namespace pagelook;

namespace {

// The table's design places in twips.
constexpr int TableLeft = 120, TableTop = 450, TableWidth = 11625, TableHeight = 7440;
constexpr int RowsTop = 780, RowsBottom = TableTop + TableHeight;
constexpr int NameLeft = 120, NameWidth = 2745;
constexpr int ActionsLeft = 2850, ActionsWidth = 4095;
constexpr int IndicationsLeft = 6930, IndicationsWidth = 4800;
// The chain buttons sit in the last row's indications cell: its text stays above them.
constexpr int ButtonsTop = 7590;
constexpr int CellPadding = 3;  // pixels
constexpr int NameSpacing = 60; // twips between the common and the botanical name
constexpr double DesignPointSize = 11.25, SmallestPointSize = 9.0;
// The frame that marks a row: red stands out against the green outline and both row colours.
const QColor MarkColour{192, 0, 0};
constexpr int MarkLineWidth = 3;
constexpr int MenuEntriesUngrouped = 25;

LabelLook commonNameLook()
{
    LabelLook look;
    look.pointSize = 12;
    look.bold = true;
    look.align = Qt::AlignHCenter | Qt::AlignTop;
    return look;
}

LabelLook botanicalLook()
{
    LabelLook look;
    look.pointSize = 11.25;
    look.bold = true;
    look.italic = true;
    look.align = Qt::AlignHCenter | Qt::AlignTop;
    return look;
}

struct RowTexts
{
    QString common; // with a line break where the content splits the name
    QString botanical;
    QString actions;
    QString indications;
};

RowTexts textsOf(const content::OilRow &row)
{
    return {row.nameLines.isEmpty() ? row.name : row.nameLines.join(QLatin1Char('\n')), row.botanical,
            row.actions, row.indications};
}

int nameBlockHeight(const RowTexts &t)
{
    const int inner = NameWidth - 2 * 15 * (CellPadding + 1);
    int height = textHeightTwips(t.common, inner, commonNameLook());
    if (!t.botanical.isEmpty())
        height += NameSpacing + textHeightTwips(t.botanical, inner, botanicalLook());
    return height;
}

LabelLook rowCellLook(const QColor &background, double pointSize)
{
    LabelLook look = cellLook(background, CellPadding);
    look.pointSize = pointSize;
    return look;
}

std::vector<int> neededHeights(const std::vector<RowTexts> &rows, double pointSize)
{
    const LabelLook measure = rowCellLook(White, pointSize);
    std::vector<int> needed;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int indications = textHeightTwips(rows[r].indications, IndicationsWidth, measure);
        int need = std::max(textHeightTwips(rows[r].actions, ActionsWidth, measure), indications);
        if (r + 1 == rows.size())
            need = std::max(need, indications + (RowsBottom - ButtonsTop));
        need = std::max(need, nameBlockHeight(rows[r]) + 2 * 15 * (CellPadding + 1));
        needed.push_back(need);
    }
    return needed;
}

} // namespace

std::vector<int> EssentialOilsPage::rowHeights(const std::vector<int> &needed, int tableHeight)
{
    std::vector<int> heights = needed;
    if (heights.empty())
        return heights;
    const long long total = std::accumulate(needed.begin(), needed.end(), 0LL);
    const int n = int(needed.size());
    if (total <= tableHeight) {
        const int spare = tableHeight - int(total);
        for (int i = 0; i < n; ++i)
            heights[i] += spare / n + (i < spare % n ? 1 : 0);
        return heights;
    }
    int used = 0;
    for (int i = 0; i < n; ++i) {
        heights[i] = int(needed[i] * static_cast<long long>(tableHeight) / total);
        used += heights[i];
    }
    heights[n - 1] += tableHeight - used;
    return heights;
}

EssentialOilsPage::EssentialOilsPage(FormId form, const content::OilPage &page,
                                     const QStringList &rowBackgrounds, QWidget *parent)
    : AppWindow(form, parent)
{
    label(this, QStringLiteral("lblHeading"), page.heading, {120, 90, 11655, 315}, titleLook(12, Green));

    const QStringList &headings = page.columnHeadings;
    const QRect headingPlaces[3] = {{120, 450, 2745, 375}, {2850, 450, 4095, 375}, {6930, 450, 4815, 375}};
    const QString headingNames[3] = {QStringLiteral("lblColName"), QStringLiteral("lblColActions"),
                                     QStringLiteral("lblColIndications")};
    for (int c = 0; c < 3; ++c)
        label(this, headingNames[c], headings.value(c), headingPlaces[c], columnHeadingLook(Green));

    std::vector<RowTexts> rows;
    for (const content::OilRow &row : page.rows)
        rows.push_back(textsOf(row));

    // The cells keep their design size where the texts fit it; a page whose texts need more room than the
    // table has is set a little smaller rather than cut off.
    double pointSize = DesignPointSize;
    std::vector<int> needed = neededHeights(rows, pointSize);
    while (std::accumulate(needed.begin(), needed.end(), 0) > RowsBottom - RowsTop &&
           pointSize > SmallestPointSize) {
        pointSize -= 0.25;
        needed = neededHeights(rows, pointSize);
    }
    const std::vector<int> heights = rowHeights(needed, RowsBottom - RowsTop);

    int rowTop = RowsTop;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int n = int(r) + 1;
        const QColor background =
            rowBackgrounds.isEmpty() ? White : colour(rowBackgrounds.at(int(r) % rowBackgrounds.size()));
        // Whole pixels, so that each row starts where the one above it ends.
        const int top = twips::toPixels(rowTop) * 15;
        const int height = twips::toPixels(rowTop + heights[r]) * 15 - top;
        rowTop += heights[r];
        label(this, QStringLiteral("lblNameCell%1").arg(n), QString(), {NameLeft, top, NameWidth, height},
              rowCellLook(background, pointSize));
        label(this, QStringLiteral("lblActions%1").arg(n), rows[r].actions,
              {ActionsLeft, top, ActionsWidth, height}, rowCellLook(background, pointSize));
        label(this, QStringLiteral("lblIndications%1").arg(n), rows[r].indications,
              {IndicationsLeft, top, IndicationsWidth, height}, rowCellLook(background, pointSize));

        // The names lie over the name cell, centred as one block.
        const int inner = NameWidth - 2 * 15 * (CellPadding + 1);
        const int innerLeft = NameLeft + 15 * (CellPadding + 1);
        const int block = nameBlockHeight(rows[r]);
        int y = top + std::max(0, (height - block) / 2);
        const int commonHeight = textHeightTwips(rows[r].common, inner, commonNameLook());
        label(this, QStringLiteral("lblName%1").arg(n), rows[r].common, {innerLeft, y, inner, commonHeight},
              commonNameLook());
        y += commonHeight + NameSpacing;
        label(this, QStringLiteral("lblBotanical%1").arg(n), rows[r].botanical,
              {innerLeft, y, inner, textHeightTwips(rows[r].botanical, inner, botanicalLook())},
              botanicalLook());

        m_names << page.rows[r].name;
        // Every row has its frame from the start, so that the resizer scales it with the row.
        auto *mark = new Outline(this, MarkColour, MarkLineWidth); // owned by this window
        mark->setObjectName(QStringLiteral("shpMark%1").arg(n));
        mark->setGeometry(twips::rect(TableLeft, top, TableWidth, height));
        mark->hide();
        m_marks.push_back(mark);

        if (indicationsofoil::available())
            offerIndications(n, page.rows[r].name);
    }

    auto *outline = new Outline(this, Green, 3); // owned by this window
    outline->setObjectName(QStringLiteral("shpTable"));
    outline->setGeometry(twips::rect(TableLeft, TableTop, TableWidth, TableHeight));
    outline->raise();
    for (QWidget *mark : m_marks)
        mark->raise();

    // The rows take no focus, so the keyboard reaches them through the mark: the arrow keys move it from row
    // to row, and the menu key (or Shift+F10) opens the marked row's menu, as a right click on its name does.
    const auto onKey = [this](const QKeySequence &key, auto handler) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler); // owned by the page
    };
    onKey(QKeySequence(Qt::Key_Down), [this] { moveMark(+1); });
    onKey(QKeySequence(Qt::Key_Up), [this] { moveMark(-1); });
    onKey(QKeySequence(Qt::Key_Menu), [this] { openMarkedRowMenu(); });
    onKey(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { openMarkedRowMenu(); });
}

int EssentialOilsPage::markedRow() const
{
    for (size_t r = 0; r < m_marks.size(); ++r)
        if (!m_marks[r]->isHidden())
            return int(r);
    return -1;
}

void EssentialOilsPage::markRow(int row)
{
    for (size_t r = 0; r < m_marks.size(); ++r)
        m_marks[r]->setVisible(int(r) == row);
}

void EssentialOilsPage::moveMark(int step)
{
    const int rows = int(m_marks.size());
    if (rows == 0)
        return;
    const int row = markedRow();
    // With no row marked yet, Down starts at the top and Up at the bottom.
    markRow(row < 0 ? (step > 0 ? 0 : rows - 1) : std::clamp(row + step, 0, rows - 1));
}

void EssentialOilsPage::openMarkedRowMenu()
{
    const int row = markedRow();
    if (row < 0)
        return;
    auto *menu = findChild<QMenu *>(QStringLiteral("mnuIndications%1").arg(row + 1));
    auto *name = findChild<QLabel *>(QStringLiteral("lblName%1").arg(row + 1));
    if (menu && name)
        menu->popup(name->mapToGlobal(name->rect().center()));
}

void EssentialOilsPage::offerIndications(int n, const QString &oil)
{
    auto *menu = new QMenu(this); // owned by the page
    menu->setObjectName(QStringLiteral("mnuIndications%1").arg(n));
    // Read when the menu opens, so that the list follows the user's edits of the indications.
    connect(menu, &QMenu::aboutToShow, this, [this, menu, oil] {
        for (QMenu *earlier : menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
            earlier->deleteLater();
        menu->clear();
        const QList<Place> places = indicationsofoil::of(formName().name(), oil);
        // A common oil is named by well over a hundred indications: past a screenful they are grouped by
        // their first letter, so that the menu stays one column that can be read.
        const bool grouped = places.size() > MenuEntriesUngrouped;
        QMenu *group = nullptr;
        for (const Place &place : places) {
            const QString letter = place.spot.left(1).toUpper();
            if (grouped && (!group || group->title() != letter))
                group = menu->addMenu(letter);
            connect((grouped ? group : menu)->addAction(place.spot), &QAction::triggered, this,
                    [place] { windows().OpenPlace(place); });
        }
        if (places.isEmpty())
            menu->addAction(QStringLiteral("No indication names this oil"))->setEnabled(false);
    });
    auto *action = new QAction(QStringLiteral("Indications that name this oil"), this); // owned by the page
    action->setObjectName(QStringLiteral("actIndications%1").arg(n));
    action->setMenu(menu);
    for (const char *cell : {"lblName%1", "lblNameCell%1"}) {
        auto *target = findChild<QLabel *>(QString::fromLatin1(cell).arg(n));
        target->addAction(action);
        target->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

bool EssentialOilsPage::showSpot(const QString &spot)
{
    if (spot.isEmpty())
        return true;
    const qsizetype row = m_names.indexOf(spot);
    if (row < 0)
        return false;
    // The whole table is always in view (the resizer scales it to the window), so marking is all it takes.
    markRow(int(row));
    return true;
}
