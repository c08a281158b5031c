#pragma once

#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;
namespace maker {
struct MakerConfig;
}

// The documents built into the history and sources windows, from their content files.
namespace viewers {

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

struct ContactBlock
{
    QString heading;
    QStringList lines;
};

// The entries of viewers/history.json, newest first as stored.
QList<HistoryEntry> historyEntries(const QJsonDocument &data);
// The sections of viewers/sources.json.
QList<SourceSection> sourceSections(const QJsonDocument &data);
// The heading of the contact lines from viewers/sources.json, the lines from the maker's values.
ContactBlock contactBlock(const QJsonDocument &data, const maker::MakerConfig &maker);

// "History of Changes:", then per version a title line (program title and version, a tab, the date), its
// changes and an empty line.
void writeHistory(QTextDocument &document, const QList<HistoryEntry> &entries);
// "Sources / Recommended Reading", then per section its heading and its indented entries, then the contact
// lines.
void writeSources(QTextDocument &document, const QList<SourceSection> &sections, const ContactBlock &contact);

} // namespace viewers
