#include "print/QtPrintServices.h"

#include "print/FontColourDialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace printservices {

std::optional<FontChoice> QtPrintServices::chooseFont(QWidget *parent, const FontChoice &start)
{
    FontColourDialog dialog(parent);
    dialog.setChoice(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::unique_ptr<QPrinter> QtPrintServices::currentPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool QtPrintServices::askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request)
{
    if (request.selectionChosen)
        printer.setPrintRange(QPrinter::Selection);
    QPrintDialog dialog(&printer, parent);
    configurePrintDialog(dialog, request);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrintServices::chooseSaveFile(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent);
    configureSaveDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QStringList nameFilters(const SaveRequest &request)
{
    QStringList filters;
    for (const FileFilter &filter : request.filters) {
        QString label = filter.label;
        const qsizetype bracket = label.indexOf(QLatin1Char('('));
        if (bracket > 0)
            label = label.left(bracket).trimmed();
        const QString pattern = filter.pattern == QLatin1String("*.*") ? QStringLiteral("*") : filter.pattern;
        filters << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    return filters;
}

void configureSaveDialog(QFileDialog &dialog, const SaveRequest &request)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(QString());
    const QStringList filters = nameFilters(request);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(request.selectedFilter));
}

void configurePrintDialog(QPrintDialog &dialog, const PrintDialogRequest &request)
{
    dialog.setOption(QAbstractPrintDialog::PrintSelection, request.selectionChosen);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageRangesEnabled);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
}

} // namespace printservices
