#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The texts of the two documents built from data: the history of changes (viewers/history.json) and the
// sources and recommended reading (viewers/sources.json).
namespace content {

struct HistoryEntry
{
    QString version;
    QString date;
    QStringList changes;
};

struct SourceEntry
{
    QString title;
    QString authors;
    QString year;
    QString place;
    QString publisher;
    QString isbn; // empty for a book published without one
};

struct SourceSection
{
    QString heading;
    QList<SourceEntry> entries;
};

struct SourcesText
{
    QList<SourceSection> sections;
    QString contactHeading; // above the maker's contact lines
};

inline const QString HistoryFile = QStringLiteral("viewers/history.json");
inline const QString SourcesFile = QStringLiteral("viewers/sources.json");

// Newest first, as stored.
Parsed<QList<HistoryEntry>> parseHistory(const QByteArray &json);
Parsed<SourcesText> parseSources(const QByteArray &json);

// The compiled-in texts.
const QList<HistoryEntry> &history();
const SourcesText &sources();

} // namespace content
