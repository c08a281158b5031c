#pragma once

#include "app/shell/FormId.h"
#include "find/logic/SearchIndex.h"

#include <QList>
#include <QString>

// The indications records as documents of the index, read from the user's own database so that the user's
// edits are found.
namespace find {

inline const QString IndicationsKind = QStringLiteral("Indications");
inline const QString IndicationsForm = Forms::frmIndications.name();

struct IndicationRecord
{
    QString name;
    QString oils; // the oil names, decoded from the stored letters
    QString method;
    QString notes;
};

struct IndicationRecords
{
    QList<IndicationRecord> records;
    QString error; // names the file when it could not be read
};

// Every record of the database at path, in the page's order.
IndicationRecords readIndicationRecords(const QString &path);

// One document for each record; its target is the indications page on that record, "frmIndications#name".
QList<Document> indicationDocuments(const QList<IndicationRecord> &records);

} // namespace find
