#pragma once

#include <QString>
#include <optional>

// Giving the user a database the page can use again, without ever losing the file they had: the file that
// is replaced is first kept beside it under a name no file has.
namespace indications {

// "Indications (label).mdb" beside path, or "Indications (label 2).mdb" and so on: the first name unused.
QString nameToKeep(const QString &path, const QString &label);

// Each replacement returns what failed, for the user to read; the user's file is then where it was.

// Puts a copy of the shipped original in the place of the user's damaged database, which moves to kept (a
// name no file has: see nameToKeep).
std::optional<QString> restoreOriginal(const QString &path, const QString &shipped, const QString &kept);

// Replaces a database the engine reads but cannot write (a Jet 3 file, a table with an index) by a Jet 4
// copy of the same records, which it can; the file as it was is copied to kept first.
std::optional<QString> convertForWriting(const QString &path, const QString &kept);

// What the page says of a damaged database (error: what the engine found); keptAs is where the damaged file
// would be kept when the original is put back, or empty when there is no original to offer.
QString damagedText(const QString &error, const QString &keptAs);
// What the page says of a database it can read but not change, and its offer to convert it.
QString readOnlyText(const QString &path, const QString &reason, const QString &keptAs);

} // namespace indications
