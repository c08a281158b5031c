#include "print/QtPrintServices.h"

#include "app/platform/UserFiles.h"
#include "print/FontColourDialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

namespace printservices {
namespace {

// The toolkit's print dialog leaves its "Pages from" and "Current Page" choices enabled whatever the options
// say, and sets them up again each time it is shown; once it is shown, the choices the request rules out
// are disabled.
class RangeLimitedPrintDialog final : public QPrintDialog
{
public:
    RangeLimitedPrintDialog(QPrinter *printer, QWidget *parent, const PrintDialogRequest &request)
        : QPrintDialog(printer, parent), m_pageRanges(request.pageRangesEnabled)
    {
        setOption(QAbstractPrintDialog::PrintToFile, true);
        setOption(QAbstractPrintDialog::PrintSelection, request.selectionChosen);
        setOption(QAbstractPrintDialog::PrintPageRange, request.pageRangesEnabled);
        setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QPrintDialog::showEvent(event);
        for (const char *name : {"printRange", "pagesRadioButton"}) {
            if (auto *choice = findChild<QRadioButton *>(QLatin1String(name)))
                choice->setEnabled(m_pageRanges);
        }
        if (auto *currentPage = findChild<QRadioButton *>(QStringLiteral("printCurrentPage")))
            currentPage->setEnabled(false);
    }

private:
    bool m_pageRanges;
};

// The save dialog that, when asked, makes sure the user means to create a file that does not exist yet.
// The question is asked while the dialog is still open, which the toolkit's own dialog allows; a system
// dialog would already have closed.
class CreatePromptFileDialog final : public QFileDialog
{
public:
    CreatePromptFileDialog(QWidget *parent, const SaveRequest &request)
        : QFileDialog(parent), m_confirmCreate(request.confirmCreate)
    {
        if (m_confirmCreate)
            setOption(QFileDialog::DontUseNativeDialog);
        configureSaveDialog(*this, request);
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (m_confirmCreate && files.size() == 1 && !QFileInfo::exists(files.constFirst()) &&
            !QFileInfo(files.constFirst()).fileName().isEmpty()) {
            const auto answer = QMessageBox::question(this, windowTitle(), createPrompt(files.constFirst()),
                                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
            if (answer != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    bool m_confirmCreate;
};

} // namespace

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
    RangeLimitedPrintDialog dialog(&printer, parent, request);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrintServices::chooseSaveFile(QWidget *parent, const SaveRequest &request)
{
    CreatePromptFileDialog dialog(parent, request);
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
        if (filter.pattern != QLatin1String("*.*") && bracket > 0) {
            filters << label;
            continue;
        }
        if (bracket > 0)
            label = label.left(bracket).trimmed();
        const QString pattern = filter.pattern == QLatin1String("*.*") ? QStringLiteral("*") : filter.pattern;
        filters << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    return filters;
}

QString createPrompt(const QString &fileName)
{
    return QFileDialog::tr("%1 does not exist yet.\nDo you want to create it?")
        .arg(QFileInfo(fileName).fileName());
}

void configureSaveDialog(QFileDialog &dialog, const SaveRequest &request)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(userfiles::saveDialogFolder());
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(QString());
    const QStringList filters = nameFilters(request);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(request.selectedFilter));
}

} // namespace printservices
