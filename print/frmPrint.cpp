#include "print/frmPrint.h"

#include "app/richtext/RichTextBox.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"
#include "print/PrintServices.h"
#include "ui_frmPrint.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QScreen>

using namespace printservices;

namespace {

SaveRequest saveRequest()
{
    SaveRequest request;
    request.filters = {{QStringLiteral("Rich Text File (*.Rtf)"), QStringLiteral("*.rtf")},
                       {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")}};
    request.selectedFilter = 0;
    request.confirmReplace = true;
    request.confirmCreate = true;
    return request;
}

// Without a printer the text can still go into a PDF file; the print dialog offers it and lets the user
// name the file.
std::unique_ptr<QPrinter> pdfFilePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QDir::home().filePath(QStringLiteral("Print Preview.pdf")));
    return printer;
}

} // namespace

frmPrint::frmPrint(QWidget *parent) : AppWindow(Forms::frmPrint, parent), ui(std::make_unique<Ui::frmPrint>())
{
    setUpFromDesign(*ui, this);
    // Text handed over shows in the box's own font, which the document keeps as its default.
    ui->rtfPrint->document()->setDefaultFont(ui->rtfPrint->font());
    ui->Text2->setFocus();

    connect(ui->cmdFont, &QPushButton::clicked, this, &frmPrint::cmdFont_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmPrint::cmdSave_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmPrint::cmdClose_Click);
}

frmPrint::~frmPrint() = default;

void frmPrint::receiveHandedOverText(const QString &text)
{
    ui->rtfPrint->setText(text);
}

RichTextBox *frmPrint::rtfPrint() const
{
    return ui->rtfPrint;
}

void frmPrint::keyPressEvent(QKeyEvent *event)
{
    // Cancel is the window's cancel button: Esc that no control used presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui->cmdCancel->click();
        return;
    }
    AppWindow::keyPressEvent(event);
}

void frmPrint::Form_Load()
{
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
}

void frmPrint::cmdFont_Click()
{
    const FontChoice start{ui->rtfPrint->selectionFont(), ui->rtfPrint->selectionColor()};
    const std::optional<FontChoice> chosen = printServices().chooseFont(this, start);
    if (!chosen)
        return;
    ui->rtfPrint->setSelectionFont(chosen->font);
    if (chosen->colour.isValid())
        ui->rtfPrint->setSelectionColor(chosen->colour);
}

void frmPrint::cmdPrint_Click()
{
    PrintServices &services = printServices();
    std::unique_ptr<QPrinter> printer = services.currentPrinter();
    const bool toFile = !printer;
    if (toFile)
        printer = pdfFilePrinter();
    const bool selection = ui->rtfPrint->selectionLength() > 0;
    if (selection || toFile) {
        PrintDialogRequest request;
        request.selectionChosen = selection;
        request.pageRangesEnabled = false;
        if (!services.askPrint(this, *printer, request))
            return;
    }
    m_job = std::move(printer);
    ui->rtfPrint->printTo(*m_job);
    const bool failed = m_job->printerState() == QPrinter::Error;
    const QString printerName =
        m_job->outputFileName().isEmpty() ? m_job->printerName() : m_job->outputFileName();
    m_job.reset();
    if (failed)
        messagebox::show(this, tr("The document could not be printed on %1.").arg(printerName));
}

void frmPrint::cmdCancel_Click()
{
    if (!m_job)
        return;
    if (m_job->printerState() == QPrinter::Active)
        m_job->abort();
    m_job.reset();
}

void frmPrint::cmdSave_Click()
{
    const std::optional<QString> fileName = printServices().chooseSaveFile(this, saveRequest());
    if (!fileName || fileName->isEmpty())
        return;
    QString error;
    if (!ui->rtfPrint->SaveFile(*fileName, &error))
        messagebox::show(this, tr("The document was not saved. %1").arg(error));
}

void frmPrint::cmdClose_Click()
{
    windows().ClosePage(formName());
}
