#pragma once

#include <QString>
#include <QStringList>

namespace indications {

// The affliction list of the page, each entry with its leading blank (" Abscess").
QStringList afflictionListEntries();

// The criteria that finds a list entry's record: "[Indications] = '<name>'", the name without the entry's
// surrounding blanks and with an apostrophe doubled so that it stays inside the literal.
QString criteriaForEntry(const QString &entry);

struct PrintFields
{
    QString affliction;
    QString oils; // display form
    QString method;
    QString notes;
};

// The text handed to the print page, CR LF line breaks throughout.
QString buildPrintText(const PrintFields &fields);

// Boxes show "\n" line breaks; the database and the print page use CR LF.
QString toCrLf(const QString &text);
QString fromCrLf(const QString &text);

} // namespace indications
