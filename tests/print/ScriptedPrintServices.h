#pragma once

#include "print/QtPrintServices.h"

#include <QPrinter>
#include <functional>

// Answers the print page's dialogs from the test and prints into a PDF file instead of a printer. Every
// request is kept so that the test can see what the page asked for.
struct ScriptedPrintServices final : printservices::PrintServices
{
    // Answers; an empty optional is the user's Cancel.
    std::optional<printservices::FontChoice> fontAnswer;
    bool printAnswer = true;
    std::function<void(QPrinter &)> printDialogChanges;
    std::optional<QString> saveAnswer;
    QString pdfFile;              // empty: the system has no printer
    bool realPrintDialog = false; // the toolkit's print dialog, answered by the test, instead of the answers

    // What the page asked.
    std::vector<printservices::FontChoice> fontRequests;
    std::vector<printservices::PrintDialogRequest> printRequests;
    std::vector<printservices::SaveRequest> saveRequests;
    int printersOpened = 0;

    std::optional<printservices::FontChoice> chooseFont(QWidget *,
                                                        const printservices::FontChoice &start) override
    {
        fontRequests.push_back(start);
        return fontAnswer;
    }
    std::unique_ptr<QPrinter> currentPrinter() override
    {
        if (pdfFile.isEmpty())
            return nullptr;
        ++printersOpened;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    }
    bool askPrint(QWidget *, QPrinter &printer, const printservices::PrintDialogRequest &request) override
    {
        printRequests.push_back(request);
        if (realPrintDialog)
            return printservices::QtPrintServices().askPrint(nullptr, printer, request);
        if (printAnswer && printDialogChanges)
            printDialogChanges(printer);
        return printAnswer;
    }
    std::optional<QString> chooseSaveFile(QWidget *, const printservices::SaveRequest &request) override
    {
        saveRequests.push_back(request);
        return saveAnswer;
    }
};
