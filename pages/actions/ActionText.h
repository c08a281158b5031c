#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The functions here are inline so that the content tests can use them without linking the page's library.
namespace actions {

// One action button and the text it shows. An empty string in a block is an empty line.
struct ActionEntry
{
    QString button; // object name of the button, e.g. "cmdAnalgesic"
    QString caption;
    QString heading;
    QStringList oils;      // oil names, shown as one line
    QStringList oilsExtra; // remark and recipe lines after the oil list
    QStringList application;
    QStringList closing;
};

inline QString oilListLine(const QStringList &oils)
{
    return oils.join(QStringLiteral(", ")) + QLatin1Char('.');
}

// The line of an action text that lists the oils: after the empty first line and the heading.
inline constexpr int OilListLineIndex = 2;

// CR LF throughout, an empty first line and no break after the last line: the print page and the saved
// RTF file take this text over unchanged.
inline QString buildActionText(const ActionEntry &entry)
{
    const QString crlf = QStringLiteral("\r\n");
    QStringList oilsBlock{oilListLine(entry.oils)};
    oilsBlock += entry.oilsExtra;
    return crlf + entry.heading + crlf + oilsBlock.join(crlf) + crlf + crlf +
           QStringLiteral("Methods of Application:") + crlf + entry.application.join(crlf) + crlf + crlf +
           entry.closing.join(crlf);
}

namespace detail {
inline QStringList stringList(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &item : value.toArray())
        out.append(item.toString());
    return out;
}
} // namespace detail

inline ActionEntry actionEntryFromJson(const QJsonObject &object)
{
    return ActionEntry{object.value(QLatin1String("button")).toString(),
                       object.value(QLatin1String("caption")).toString(),
                       object.value(QLatin1String("heading")).toString(),
                       detail::stringList(object.value(QLatin1String("oils"))),
                       detail::stringList(object.value(QLatin1String("oilsExtra"))),
                       detail::stringList(object.value(QLatin1String("application"))),
                       detail::stringList(object.value(QLatin1String("closing")))};
}

// The entries of content/actions/actions.json in button order; empty for a document of another shape.
inline QList<ActionEntry> actionEntriesFromJson(const QJsonDocument &document)
{
    QList<ActionEntry> entries;
    for (const QJsonValue &item : document.object().value(QLatin1String("actions")).toArray())
        entries.append(actionEntryFromJson(item.toObject()));
    return entries;
}

// The 23 entries from the content set built into the program.
QList<ActionEntry> loadActionEntries();

} // namespace actions
