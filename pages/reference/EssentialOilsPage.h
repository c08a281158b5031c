#pragma once

#include "app/shell/AppWindow.h"
#include "content/OilBook.h"

#include <vector>

// One page of the essential-oil quick reference: a three-column table (name, actions, indications) built from
// the page's entry in the content set. The fifteen pages differ only in their rows and their chain buttons,
// which the window's frame supplies.
class EssentialOilsPage final : public AppWindow
{
    Q_OBJECT

public:
    // rowBackgrounds: the alternating row colours.
    EssentialOilsPage(FormId form, const content::OilPage &page, const QStringList &rowBackgrounds,
                      QWidget *parent = nullptr);

    // The heights in twips of rows that need at least these heights, filling a table of this height: the room
    // left over is shared out evenly. Rows that need more than the table holds are shrunk in proportion.
    static std::vector<int> rowHeights(const std::vector<int> &needed, int tableHeight);

    // The spot is an oil's common name as its row lists it: that row is marked (and any other mark goes).
    bool showSpot(const QString &spot) override;

private:
    // The row's context menu lists the indications that name its oil, each opening its record.
    void offerIndications(int n, const QString &oil);
    // The row framed by a link, a search or the arrow keys (0 for the top row), or -1.
    int markedRow() const;
    void markRow(int row);
    void moveMark(int step);
    void openMarkedRowMenu();

    QStringList m_names;            // the rows' common names, top to bottom
    std::vector<QWidget *> m_marks; // one frame per row, shown round the row that a link or a search named
};
