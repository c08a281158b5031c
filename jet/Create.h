#pragma once

#include "jet/Error.h"
#include "jet/Value.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

struct NewColumn
{
    enum class Type { Text, Memo };
    std::string name;
    Type type = Type::Text;
    std::uint16_t size = 255; // characters, for Text
};

struct NewTable
{
    std::string name;
    std::vector<NewColumn> columns;
};

// Creates a Jet 4 (Access 2000) file holding the Jet system tables, with their indexes as the Jet engine lays
// them out, and one user table of text and memo columns without indexes, filled with rows (one Value per
// column, Text or Null). The table's name goes into the catalog's text index, so it must be 1 to 64 ASCII
// letters, digits and spaces between words, and no system table's. The file appears at path only when
// complete; an existing file there is replaced.
Status createDatabase(const std::string &path, const NewTable &table,
                      const std::vector<std::vector<Value>> &rows = {});

} // namespace jet
