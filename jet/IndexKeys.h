#pragma once

#include "jet/Bytes.h"
#include "jet/Rows.h"
#include "jet/TableDef.h"
#include "jet/Value.h"

#include <string>
#include <vector>

namespace jet {

// Keys of ascending Jet 4 index entries. Jet finds rows by comparing keys byte by byte, so a key must be
// exactly the one Jet would build: only what can be encoded with certainty is; anything else throws
// Unsupported rather than leave an entry that Access would sort into the wrong place.
//
// Supported: Long fields, and text in the "General" sort order made of ASCII letters, digits and spaces
// between words (the characters of catalog names).

// The key segment of one field: a flag byte, then the value's sort bytes.
Bytes indexKey(const Column &column, const Value &value);

// The sort key of a text in the "General" sort order, flag byte included.
Bytes generalTextKey(const std::string &utf8);

// Whether generalTextKey accepts the text.
bool hasGeneralTextKey(const std::string &utf8);

// One leaf entry: the key segments of the index's columns, then the row: page (3 bytes) and row number, both
// big-endian as the rest of the key.
Bytes indexEntry(const std::vector<Bytes> &segments, RowId row);

} // namespace jet
