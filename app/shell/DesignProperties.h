#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The family the designer files name for the texts of the program's windows.
QString designFamily();

// Where the design family is not installed, the installed family the system shows in its place, found at
// start (see familyShownFor()); empty where it is installed. The design's controls then ask for the shown
// family by its name: asking for a family the system lacks costs every new font a search of all the
// system's fonts for one to show instead, and it finds this one.
void setDesignFamilyShown(const QString &family);

// What a designer file cannot say in its own terms, a control carries in dynamic properties, applied here
// once the controls exist, in one pass over them:
// - "pointSizeF": a font size such as 11.25 pt (designer files hold whole point sizes only);
// - "buttonColor": a push button's own colour (see ButtonColours.h);
// - "textColor" and "backgroundColor": a label's or a frame's colours, and "paddingLeft" (pixels) a label's
//   left padding.
// A label's, button's or group box's font in the design family asks for the family shown in its place, where
// there is one (a text box keeps the family by name: its documents name it in the files they are saved to).
// The colours go into palettes, margins and indents, where the style draws what a style sheet of only these
// properties would, without the style sheet machinery, which a start paid for every control beneath a sheet,
// in time and in memory.
void applyDesignProperties(QWidget *root);

// While it lives, a control's design font takes effect the moment a designer file's setup sets it, before
// the file's texts are set: its "pointSizeF", and the family shown for the design family. A group box
// measures its title as it gets it, which would otherwise load its font once more, at the whole-point size
// or in the family asked for. applyDesignProperties() then finds the font in place.
class DesignFontsAsSet final : public QObject
{
public:
    DesignFontsAsSet();
    ~DesignFontsAsSet() override;
    DesignFontsAsSet(const DesignFontsAsSet &) = delete;
    DesignFontsAsSet &operator=(const DesignFontsAsSet &) = delete;

    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Sets a window up from its designer file with its design properties applied: the fonts as they are set,
// the rest in one pass once the controls exist.
template <class Ui, class Window> void setUpFromDesign(Ui &ui, Window *window)
{
    {
        const DesignFontsAsSet fonts;
        ui.setupUi(window);
    }
    applyDesignProperties(window);
}
