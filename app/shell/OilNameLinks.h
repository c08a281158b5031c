#pragma once

#include "shared/Place.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

class QPlainTextEdit;
class QTextBlock;

// Makes the oil names in the oil lists of a text box links to their profiles. The box stays an ordinary,
// editable text box: a plain click still places the caret and Enter still breaks the line, as in a word
// processor, so a link is followed with Ctrl+click, or Ctrl+Enter with the caret in it. A link is underlined
// in the link colour and says so when the mouse rests on it. The text itself is never touched, so the
// names are found again whenever it changes. Owned by the box.
class OilNameLinks final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OilNameLinks)

public:
    // Which lines of the box hold an oil list.
    using ListLines = std::function<bool(const QTextBlock &)>;

    OilNameLinks(QPlainTextEdit *box, ListLines listLines);

    struct Link
    {
        int start = 0; // position in the box's document
        int length = 0;
        Place place;
    };
    const std::vector<Link> &links() const { return m_links; }
    // The link at a position of the document, its end included (where the caret stands after typing it).
    const Link *linkAt(int position) const;
    // Opens the profile of the link at a position; false when there is none there.
    bool follow(int position) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    QPlainTextEdit *m_box;
    // Kept apart from the box: the viewport still has events while the box is being destroyed.
    QObject *m_viewport;
    QPointer<QWidget> m_underlines; // a child of the viewport
    ListLines m_listLines;
    std::vector<Link> m_links;
};
