#pragma once

#include "find/logic/SearchIndex.h"

#include <QString>
#include <memory>

// The index of everything the reference holds: the content built into the program and the user's indications
// database. Building it reads every content file and the whole database, so it is done away from the window
// that waits for it.
namespace find {

struct ReferenceDocuments
{
    QList<Document> documents; // what people look up most comes first: the order breaks ties between groups
    QString problem;           // the database could not be read: its records are missing
};

struct ReferenceIndex
{
    std::shared_ptr<SearchIndex> index;
    QString problem;       // as ReferenceDocuments::problem
    QList<Document> saved; // the documents of the user's database it holds, for updateSaved
};

ReferenceDocuments referenceDocuments(const QString &indicationsDatabase);
ReferenceIndex buildReferenceIndex(const QString &indicationsDatabase);

// The documents of the user's database alone: what a save can change.
ReferenceDocuments savedDocuments(const QString &indicationsDatabase);
// Brings the index in line with the user's database read again: only the records whose documents differ
// from before are replaced, added or removed, so a save costs the records it changed.
void updateSaved(SearchIndex &index, const QList<Document> &before, const QList<Document> &after);

} // namespace find
