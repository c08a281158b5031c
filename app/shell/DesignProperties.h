#pragma once

#include <QObject>

class QWidget;

// What a designer file cannot say in its own terms, a control carries in dynamic properties, applied here
// once the controls exist, in one pass over them:
// - "pointSizeF": a font size such as 11.25 pt (designer files hold whole point sizes only);
// - "buttonColor": a push button's own colour (see ButtonColours.h);
// - "textColor" and "backgroundColor": a label's or a frame's colours, and "paddingLeft" (pixels) a label's
//   left padding.
// The colours go into palettes, margins and indents, where the style draws what a style sheet of only these
// properties would, without the style sheet machinery, which a start paid for every control beneath a sheet,
// in time and in memory.
void applyDesignProperties(QWidget *root);

// While it lives, a control's "pointSizeF" takes effect the moment a designer file's setup sets it, before
// the file's texts are set: a group box measures its title as it gets it, which would otherwise load its
// font once at the whole-point size for nothing. applyDesignProperties() then finds the size in place.
class DesignFontSizesAsSet final : public QObject
{
public:
    DesignFontSizesAsSet();
    ~DesignFontSizesAsSet() override;
    DesignFontSizesAsSet(const DesignFontSizesAsSet &) = delete;
    DesignFontSizesAsSet &operator=(const DesignFontSizesAsSet &) = delete;

    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Sets a window up from its designer file with its design properties applied: the fonts as they are set,
// the rest in one pass once the controls exist.
template <class Ui, class Window>
void setUpFromDesign(Ui &ui, Window *window)
{
    {
        const DesignFontSizesAsSet sizes;
        ui.setupUi(window);
    }
    applyDesignProperties(window);
}
