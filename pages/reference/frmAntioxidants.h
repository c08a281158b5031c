#pragma once

#include "app/shell/AppWindow.h"

// Antioxidant values of essential oils beside those of common foods, in two tables of name and value cells.
class frmAntioxidants final : public AppWindow
{
    Q_OBJECT

public:
    explicit frmAntioxidants(QWidget *parent = nullptr);

    // The spot is what one of the page's labels says: a section's heading, an oil's name.
    bool showSpot(const QString &spot) override;

    // Row and column group (0 to 2) of entry index of count entries, filled column by column.
    static QPoint cellOf(int index, int count);
};
