#pragma once

#include "app/shell/FormId.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// What a window of the program cannot say about itself: its kind, placement, resizer, background, the buttons
// that chain it to other windows, and for a window built in code its caption and size. A window built from a
// .ui file takes its caption and size from there; the window classes build their own contents.

enum class WindowKind { Page, Dialog };

enum class Placement {
    ScreenMode,      // page: centred normal window when the screen mode is 0, else maximised
    AlwaysMaximised, // page that ignores the screen mode
    Centred,         // dialog centred on the screen
    CentredOnOwner,  // dialog centred on the main menu, which opens it; on the screen without one
    TopLeft,         // dialog that moves itself to the top left corner when it loads
};

enum class ResizerMode { None, Scale, ScaleHidingControls };

enum class ButtonAction { HandOver, OpenPage, ClosePage };

struct WindowButton
{
    QString name;
    QString caption;
    ButtonAction action;
    FormId target; // none for ClosePage
    QRect twips;   // left, top, width, height in twips
    bool arrow = false;
};

struct WindowSpec
{
    FormId name;
    // Empty where the window's class gives its caption (its .ui file's windowTitle, or texts of its own).
    QString caption;
    WindowKind kind = WindowKind::Page;
    // A dialog built in code: its client area in twips. Pages all have twips::PageClient; a dialog built from
    // a .ui file has its .ui size.
    std::optional<QSize> clientTwips;
    Placement placement = Placement::ScreenMode;
    ResizerMode resizer = ResizerMode::None;
    bool minimiseButton = true;
    bool maximiseButton = true;
    bool captionIsProgramTitleAtLoad = false;
    QString captionAtLoad; // a caption of the window's own set at load, when not the program title
    QColor background = QColor(255, 255, 255);
    std::vector<WindowButton> buttons;
};

namespace programtitle {
inline const QString Title = QStringLiteral("Ambrelis and Essential Oils");
}

const std::vector<WindowSpec> &windowCatalog();
// The entry of a form; nullptr when the program has no such window.
const WindowSpec *findWindowSpec(FormId form);
// The form of that name, for names that arrive as text (a place, a content file); none when no window has it.
std::optional<FormId> formNamed(const QString &name);

// The six windows that the main menu's toolbar opens, left to right.
const QList<FormId> &toolbarWindows();
