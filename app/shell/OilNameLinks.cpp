#include "app/shell/OilNameLinks.h"

#include "app/shell/WindowManager.h"
#include "content/OilLinks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

namespace {

// The strokes that underline the text from start to end (document positions within one paragraph): one for
// each line of the box that the text runs over, in viewport coordinates, `below` pixels under the line's top.
// The box is asked for one caret; the rest comes from the paragraph's line layout.
std::vector<QLine> underlineStrokes(const QPlainTextEdit *box, int start, int end, int below)
{
    std::vector<QLine> strokes;
    const QTextBlock block = box->document()->findBlock(start);
    QTextCursor cursor(block);
    cursor.setPosition(start);
    const QRect caret = box->cursorRect(cursor); // lays the block out as well
    const QTextLayout *layout = block.layout();
    const int from = start - block.position();
    const int to = end - block.position();
    const QTextLine first = layout ? layout->lineForTextPosition(from) : QTextLine();
    if (!first.isValid())
        return strokes;
    // Where the block's layout lies in the viewport, measured at the caret.
    const qreal left = caret.left() - first.cursorToX(from);
    const qreal top = caret.top() - first.y();
    const QString text = block.text();
    for (int n = first.lineNumber(); n < layout->lineCount(); ++n) {
        const QTextLine line = layout->lineAt(n);
        const int lineStart = std::max(from, line.textStart());
        const int lineEnd = line.textStart() + line.textLength();
        if (lineStart >= to)
            break;
        int strokeEnd = std::min(to, lineEnd);
        // A name wrapped at a blank is not underlined under the blank that ends the line.
        if (to > lineEnd) {
            while (strokeEnd > lineStart && text.at(strokeEnd - 1).isSpace())
                --strokeEnd;
        }
        if (strokeEnd == lineStart)
            continue;
        const int y = qRound(top + line.y()) + below;
        strokes.emplace_back(qRound(left + line.cursorToX(lineStart)), y,
                             qRound(left + line.cursorToX(strokeEnd)), y);
    }
    return strokes;
}

// Draws the links' underlines over the box's text. The text's own formats stay as the page set them, and the
// box's extra selections stay free for other marks.
class Underlines final : public QWidget
{
public:
    Underlines(QPlainTextEdit *box, const OilNameLinks &links)
        : QWidget(box->viewport()), m_box(box), m_links(links)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(box->viewport()->rect());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(m_box->palette().color(QPalette::Link), 1));
        const QFontMetrics metrics(m_box->font());
        const int below = metrics.ascent() + std::max(1, metrics.underlinePos());
        for (const OilNameLinks::Link &link : m_links.links()) {
            for (const QLine &stroke : underlineStrokes(m_box, link.start, link.start + link.length, below)) {
                if (stroke.y1() >= 0 && stroke.y1() < height())
                    painter.drawLine(stroke);
            }
        }
    }

private:
    QPlainTextEdit *m_box;
    const OilNameLinks &m_links;
};

bool isFollowKey(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           key->modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

OilNameLinks::OilNameLinks(QPlainTextEdit *box, ListLines listLines)
    : QObject(box), m_box(box), m_viewport(box->viewport()), m_listLines(std::move(listLines))
{
    m_underlines = new Underlines(box, *this); // owned by the viewport
    m_viewport->installEventFilter(this);
    m_box->installEventFilter(this);
    m_box->viewport()->setMouseTracking(true);
    connect(box, &QPlainTextEdit::textChanged, this, &OilNameLinks::refresh);
    // Scrolling moves the viewport's children with the text; the underlines are laid out afresh instead.
    connect(box, &QPlainTextEdit::updateRequest, this, [this] {
        if (m_underlines) {
            m_underlines->setGeometry(m_box->viewport()->rect());
            m_underlines->update();
        }
    });
    refresh();
}

void OilNameLinks::refresh()
{
    m_links.clear();
    const content::OilLinks &table = content::oilLinks();
    for (QTextBlock block = m_box->document()->begin(); block.isValid(); block = block.next()) {
        if (!m_listLines(block))
            continue;
        for (const content::OilMention &m : table.mentionsIn(block.text())) {
            if (m.profile)
                m_links.push_back(
                    {block.position() + int(m.start), int(m.length), Place{m.profile->form, m.profile->row}});
        }
    }
    if (m_underlines)
        m_underlines->update();
}

const OilNameLinks::Link *OilNameLinks::linkAt(int position) const
{
    for (const Link &link : m_links)
        if (position >= link.start && position <= link.start + link.length)
            return &link;
    return nullptr;
}

bool OilNameLinks::follow(int position) const
{
    const Link *link = linkAt(position);
    if (!link)
        return false;
    windows().OpenPlace(link->place);
    return true;
}

bool OilNameLinks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::KeyPress && isFollowKey(static_cast<QKeyEvent *>(event)))
            return follow(m_box->textCursor().position());
        return false;
    }
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *click = static_cast<QMouseEvent *>(event);
        if (click->button() != Qt::LeftButton || !click->modifiers().testFlag(Qt::ControlModifier))
            return false;
        // A click between two names, or past the end of a line, is not on a link.
        const QTextCursor at = m_box->cursorForPosition(click->position().toPoint());
        const Link *link = linkAt(at.position());
        if (!link || !m_box->cursorRect(at).adjusted(-4, 0, 4, 0).contains(click->position().toPoint()))
            return false;
        return follow(at.position());
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        const bool onLink = linkAt(m_box->cursorForPosition(move->position().toPoint()).position());
        m_box->viewport()->setCursor(onLink && move->modifiers().testFlag(Qt::ControlModifier)
                                         ? Qt::PointingHandCursor
                                         : Qt::IBeamCursor);
        return false;
    }
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const Link *link = linkAt(m_box->cursorForPosition(help->pos()).position());
        if (!link)
            return false;
        QToolTip::showText(help->globalPos(),
                           QStringLiteral("Ctrl+click to open the profile of %1").arg(link->place.spot),
                           m_box);
        return true;
    }
    default:
        return false;
    }
}
