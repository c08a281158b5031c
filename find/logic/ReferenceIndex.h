#pragma once

#include "find/logic/SearchIndex.h"

#include <QString>
#include <memory>

// The index of everything the reference holds: the content built into the program and the user's indications
// database. Building it reads every content file and the whole database, so it is done away from the window
// that waits for it.
namespace find {

struct ReferenceIndex
{
    std::shared_ptr<const SearchIndex> index;
    QString problem; // the database could not be read: its records are missing from the index
};

ReferenceIndex buildReferenceIndex(const QString &indicationsDatabase);

} // namespace find
