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
    std::shared_ptr<const SearchIndex> index;
    QString problem; // as ReferenceDocuments::problem
};

ReferenceDocuments referenceDocuments(const QString &indicationsDatabase);
ReferenceIndex buildReferenceIndex(const QString &indicationsDatabase);

} // namespace find
