#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// What every window of the program shares: its form name, caption, kind, size, placement and the buttons that
// chain it to other windows. The window classes build their own contents; this table fixes the frame.

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
    QString target; // form name; empty for ClosePage
    QRect twips;    // left, top, width, height in twips
    bool arrow = false;
};

struct WindowSpec
{
    QString name;
    QString caption;
    WindowKind kind = WindowKind::Page;
    QSize clientTwips{11880, 8010};
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
// The entry of a form name; nullptr when the program has no such window.
const WindowSpec *findWindowSpec(const QString &name);

// The Find window's form name: Ctrl+F in every window, the main menu's button and the registration use it.
inline const QString FindWindowName = QStringLiteral("frmFind");

// The names of the six windows that the main menu's toolbar opens, left to right.
const QStringList &toolbarWindows();

// The form name of an essential-oil page (1 to 15): pages 10 to 15 are named 91 to 96.
QString oilPageName(int page);
