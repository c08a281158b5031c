#pragma once

#include <QColor>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

// The look shared by the reference pages: fonts, colours, bordered cells and the text blocks that the safety
// and information pages are made of. Places are in twips; the helpers convert them to pixels.
namespace pagelook {

inline const QColor Green{0, 128, 0};
inline const QColor DarkGreen{0, 64, 0};
inline const QColor White{255, 255, 255};

QFont font(double pointSize, bool bold = false, bool italic = false);

// "#rrggbb" from the content set; white when the text is not a colour.
QColor colour(const QString &text);

struct LabelLook
{
    double pointSize = 11.25;
    bool bold = false;
    bool italic = false;
    QColor text = Qt::black;
    QColor background;   // invalid: transparent
    bool border = false; // a single dark line round the label
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = true;
    int padding = 0; // pixels between the border and the text
};

// A display-only label: no focus, no selection, no editing.
QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect twipsRect,
              const LabelLook &look);

// The height in twips that a label of this look needs for its text at a width in twips.
int textHeightTwips(const QString &text, int widthTwips, const LabelLook &look);

// A chain button in the shared look (white, the arrows bold): the window's frame wires it by its name.
QPushButton *chainButton(QWidget *parent, const QString &name, const QString &caption, QRect twipsRect);

// A push button with a background colour of its own.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect twipsRect,
                    const QColor &background, double pointSize = 11.25, bool bold = false);

// A rectangle drawn as an outline over the controls beneath it; it takes no mouse clicks.
class Outline final : public QWidget
{
    Q_OBJECT

public:
    Outline(QWidget *parent, QColor colour, int lineWidth);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    int m_lineWidth;
};

// Lays out text blocks ("heading", "line", "paragraph", "rule", "names", "source") from a top downwards and
// returns the top below the last block. Buttons ("button" blocks) are left to the page: they are skipped.
struct Flow
{
    QWidget *parent = nullptr;
    int left = 600;       // twips
    int width = 10680;    // twips
    int indent = 480;     // twips, for the paragraphs under a rule
    int blockGap = 75;    // twips between blocks
    int headingGap = 120; // twips above a heading that is not the first block
    int nameColumns[4] = {600, 3300, 6000, 8700};
    int nameRow = 330;
    int top = 0;
    int counter = 0; // numbers the labels of a page: lblBlock1, lblBlock2, ...
    double pointSize = 11.25;
    int blocks = 0;           // blocks placed so far
    bool measureOnly = false; // only move top down, as placing the blocks would

    // Places one block; returns false for a block kind it does not draw (buttons).
    bool place(const QJsonObject &block);
    // The label placed, or nullptr when only measuring.
    QLabel *placeText(const QString &text, const LabelLook &look, int left, int width);
};

LabelLook headingLook(double pointSize = 11.25);
// A page's title line: bold, centred, on white.
LabelLook titleLook(double pointSize, const QColor &colour);
// A table cell: a single border round word-wrapped text.
LabelLook cellLook(const QColor &background, int padding);
// A column heading: white bold text centred on a colour.
LabelLook columnHeadingLook(const QColor &background);
LabelLook bodyLook(double pointSize = 11.25);
LabelLook nameLook(double pointSize = 11.25);

// A reference page's spots are what its labels say (a heading, an oil's name): the page shows the spot when
// one of its labels reads it. An empty spot is the page itself.
bool holdsSpot(const QWidget *page, const QString &spot);

} // namespace pagelook
