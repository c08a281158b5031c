#pragma once

#include "app/shell/AppWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

// What the user does to an oil name in a text box, and what the profile page then shows.
namespace oillinks {

// The middle of the n-th occurrence of a text in the box, as a document position; -1 when it is not there.
inline int middleOf(const QPlainTextEdit *box, const QString &text, int occurrence = 0)
{
    int at = -1;
    for (int i = 0; i <= occurrence; ++i) {
        at = int(box->toPlainText().indexOf(text, at + 1));
        if (at < 0)
            return -1;
    }
    return at + int(text.size()) / 2;
}

inline QPoint pointOf(const QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    return box->cursorRect(cursor).center();
}

// A click on the middle of a text, with the keys held.
inline void clickOn(QPlainTextEdit *box, const QString &text, Qt::KeyboardModifiers keys, int occurrence = 0)
{
    const int at = middleOf(box, text, occurrence);
    QVERIFY2(at >= 0, qPrintable(text));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, keys, pointOf(box, at));
}

// The caret put into the middle of a text, then a key pressed.
inline void keyOn(QPlainTextEdit *box, const QString &text, Qt::Key key, Qt::KeyboardModifiers keys)
{
    const int at = middleOf(box, text);
    QVERIFY2(at >= 0, qPrintable(text));
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(at);
    box->setTextCursor(cursor);
    QTest::keyClick(box, key, keys);
}

// The common name of the row an oil page has marked (its lines joined by a blank); empty for none.
inline QString markedRow(const AppWindow *page)
{
    if (!page)
        return QStringLiteral("<no page>");
    for (int n = 1; auto *mark = page->findChild<QWidget *>(QStringLiteral("shpMark%1").arg(n)); ++n) {
        if (mark->isVisibleTo(page))
            return page->findChild<QLabel *>(QStringLiteral("lblName%1").arg(n))->text().replace(u'\n', u' ');
    }
    return {};
}

} // namespace oillinks
