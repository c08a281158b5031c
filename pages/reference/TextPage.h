#pragma once

#include "app/shell/AppWindow.h"
#include "content/ReferencePages.h"

#include <QMap>
#include <QRect>

// A page of text blocks read top to bottom (the safety rules, the basic information): headings, paragraphs,
// numbered rules and lists of names in four columns, built from the page's blocks in the content set. Buttons
// named among the blocks stand at their design places; the text flows on below each of them.
class TextPage final : public AppWindow
{
    Q_OBJECT

public:
    struct ButtonPlace
    {
        QRect twips;
        QColor background;
    };
    TextPage(FormId form, const content::TextPageContent &page,
             const QMap<QString, ButtonPlace> &buttonPlaces = {}, QWidget *parent = nullptr);

    // Where the text ends, in twips from the top: below it the page holds only its buttons.
    int textBottomTwips() const { return m_textBottom; }

    // The spot is what one of the page's labels says: a section's heading, an oil's name.
    bool showSpot(const QString &spot) override;

private:
    int m_textBottom = 0;
};
