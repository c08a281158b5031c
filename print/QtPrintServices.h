#pragma once

#include "print/PrintServices.h"

#include <QStringList>

class QFileDialog;

namespace printservices {

// The dialogs of the program's own toolkit and the system's default printer.
class QtPrintServices final : public PrintServices
{
public:
    std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &start) override;
    std::unique_ptr<QPrinter> currentPrinter() override;
    bool askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(QWidget *parent, const SaveRequest &request) override;
};

// The toolkit's name filters for the request. Each filter reads as its label (the dialog matches the
// label's patterns whatever their case), except that "*.*" means every file where the filter strings come
// from; here it would hide names without a dot, so it becomes "*".
QStringList nameFilters(const SaveRequest &request);
// Sets up a save dialog for the request: no name, folder or extension of its own.
void configureSaveDialog(QFileDialog &dialog, const SaveRequest &request);
// The question asked before the save dialog names a file that does not exist yet.
QString createPrompt(const QString &fileName);

} // namespace printservices
