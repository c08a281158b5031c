#include "catalogue/frmProgramComparison.h"

#include "app/shell/WindowManager.h"
#include "catalogue/Catalogue.h"

#include <QLabel>
#include <QPushButton>

frmProgramComparison::frmProgramComparison(QWidget *parent) : AppWindow(Forms::frmProgramComparison, parent)
{
    const catalogue::Catalogue &cat = catalogue::current();
    constexpr int NameWidth = 210, CellWidth = 84, RowHeight = 30, Left = 12, Top = 12;
    QFont bold(QStringLiteral("Times New Roman"));
    bold.setPointSizeF(10.5);
    bold.setBold(true);

    for (int f = 0; f < cat.features.size(); ++f) {
        auto *header = new QLabel(cat.features[f], this);
        header->setObjectName(QStringLiteral("lblFeature%1").arg(f + 1));
        header->setFont(bold);
        header->setWordWrap(true);
        header->setAlignment(Qt::AlignCenter);
        header->setGeometry(Left + NameWidth + f * CellWidth, Top, CellWidth - 4, 2 * RowHeight);
    }
    for (int r = 0; r < cat.marks.size(); ++r) {
        const int y = Top + 2 * RowHeight + r * RowHeight;
        auto *name = new QLabel(cat.marks[r].first, this);
        name->setObjectName(QStringLiteral("lblProgram%1").arg(r + 1));
        name->setFont(bold);
        name->setGeometry(Left, y, NameWidth, RowHeight - 2);
        const QList<bool> &row = cat.marks[r].second;
        for (int f = 0; f < row.size() && f < cat.features.size(); ++f) {
            auto *mark = new QLabel(row[f] ? QStringLiteral("Yes") : QStringLiteral("-"), this);
            mark->setObjectName(QStringLiteral("lblMark%1_%2").arg(r + 1).arg(f + 1));
            mark->setAlignment(Qt::AlignCenter);
            mark->setStyleSheet(QStringLiteral("QLabel { background-color: white; }"));
            mark->setGeometry(Left + NameWidth + f * CellWidth, y, CellWidth - 4, RowHeight - 4);
        }
    }
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setGeometry(width() - 90, height() - 40, 76, 28);
    connect(close, &QPushButton::clicked, this, [] { windows().ClosePage(Forms::frmProgramComparison); });
}
