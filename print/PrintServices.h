#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

// The font, print and save dialogs and the printer, as the print page uses them. The program runs on the Qt
// implementation; tests install answers of their own so that no modal window opens.
namespace printservices {

struct FontChoice
{
    QFont font; // family, point size, bold, italic, underline, strikethrough
    QColor colour;
};

struct PrintDialogRequest
{
    bool selectionChosen = false;  // the dialog opens with the selection as the range to print
    bool pageRangesEnabled = true; // whether the user may type page numbers
};

// One choice of the save dialog: the text the user reads and the pattern of the names it shows.
struct FileFilter
{
    QString label;
    QString pattern;
};

struct SaveRequest
{
    std::vector<FileFilter> filters;
    int selectedFilter = 0;
    bool confirmReplace = true; // ask before an existing file is replaced
    bool confirmCreate = false; // ask before a file that does not exist yet is created
};

class PrintServices
{
public:
    virtual ~PrintServices() = default;

    // The user's font and colour, starting from `start`; nothing when the user cancels.
    virtual std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &start) = 0;
    // The current printer, ready to print on; nullptr when the system has none.
    virtual std::unique_ptr<QPrinter> currentPrinter() = 0;
    // Lets the user adjust `printer` (which printer, copies, ...); false when the user cancels.
    virtual bool askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) = 0;
    // The file name exactly as the user gave it; nothing when the user cancels.
    virtual std::optional<QString> chooseSaveFile(QWidget *parent, const SaveRequest &request) = 0;
};

// The installed services; the Qt implementation unless a test installed others.
PrintServices &printServices();
// Installs `services` (nullptr: the Qt implementation again) and returns the previous ones.
std::unique_ptr<PrintServices> setPrintServices(std::unique_ptr<PrintServices> services);

} // namespace printservices
