#pragma once

#include "content/ViewerTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;
namespace maker {
struct MakerConfig;
}

// The documents built into the history and sources windows, from their content files.
namespace viewers {

using content::HistoryEntry;
using content::SourceEntry;
using content::SourceSection;

struct ContactBlock
{
    QString heading;
    QStringList lines;
};

// The contact lines under their heading, the lines from the maker's values.
ContactBlock contactBlock(const QString &heading, const maker::MakerConfig &maker);

// "History of Changes:", then per version a title line (program title and version, a tab, the date), its
// changes and an empty line.
void writeHistory(QTextDocument &document, const QList<HistoryEntry> &entries);
// "Sources / Recommended Reading", then per section its heading and its indented entries, then the contact
// lines.
void writeSources(QTextDocument &document, const QList<SourceSection> &sections, const ContactBlock &contact);

} // namespace viewers
