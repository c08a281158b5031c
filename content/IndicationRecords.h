#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The indications content: the affliction names of the page's list (indications/names.json) and the records
// the database is built from (indications/indications-*.json), with "\n" line breaks and the oil lists in
// display form.
namespace content {

struct IndicationRecord
{
    QString indications; // the affliction's name
    QString oils;
    QString method;
    QString notes;
};

inline const QString AfflictionNamesFile = QStringLiteral("indications/names.json");
inline const QStringList IndicationRecordFiles{QStringLiteral("indications/indications-a.json"),
                                               QStringLiteral("indications/indications-b.json")};

Parsed<QStringList> parseAfflictionNames(const QByteArray &json);
// A file of records; `file` names it in a problem.
Parsed<QList<IndicationRecord>> parseIndicationRecords(const QString &file, const QByteArray &json);

// The compiled-in names, in the list's order.
const QStringList &afflictionNames();
// The first compiled-in record.
IndicationRecord firstIndicationRecord();

} // namespace content
