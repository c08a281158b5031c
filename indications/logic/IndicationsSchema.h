#pragma once

#include "jet/Create.h"

#include <array>

// The one table of Indications.mdb, as the build's generator creates it and the indications page edits it.
// Standard C++ only, so that the engine's tests and benchmarks can build the same table.
namespace indications {

enum class Field { Indications, Oils, Method, Notes };

inline constexpr const char *TableName = "Indications";
// In the table's column order.
inline constexpr std::array<Field, 4> Fields{Field::Indications, Field::Oils, Field::Method, Field::Notes};

constexpr const char *fieldName(Field field)
{
    switch (field) {
    case Field::Indications:
        return "Indications";
    case Field::Oils:
        return "Oils";
    case Field::Method:
        return "Method";
    case Field::Notes:
        return "Notes";
    }
    return "";
}

// The name of each record is short text; the oil list, the method and the notes are memos.
inline jet::NewTable tableDefinition()
{
    using T = jet::NewColumn::Type;
    jet::NewTable table{TableName, {}};
    for (const Field field : Fields)
        table.columns.push_back({fieldName(field), field == Field::Indications ? T::Text : T::Memo, 255});
    return table;
}

} // namespace indications
