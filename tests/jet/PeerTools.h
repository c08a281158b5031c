#pragma once

#include "jet/Database.h"

#include <optional>
#include <string>
#include <vector>

// Helpers that compare our reader with the peer readers (mdbtools, mdb-reader) on the same file.
namespace peers {

// The shared sample folder, or empty when it is absent.
std::string fixturesDir();
std::string tempDir();
// A new file in tempDir() with a table "Indications" of a text and three memo columns (Indications, Oils,
// Method, Notes), like the program's own; empty when it could not be made.
std::string createIndicationsFile(const std::string &name, const std::vector<std::vector<jet::Value>> &rows);

struct CommandResult
{
    int exitCode = -1;
    std::string output;
};
CommandResult run(const std::string &command);
std::string quote(const std::string &text);

// A CSV cell: nullopt for an unquoted empty cell, which mdb-export prints for a null.
using Cell = std::optional<std::string>;
using Record = std::vector<Cell>;
std::vector<Record> parseCsv(const std::string &text);

// Our value in mdb-export's words (dates as "%Y-%m-%d %H:%M:%S", binary stripped).
Cell formatLikeMdbExport(const jet::Value &value, const jet::Column &column);
// mdb-export's view of a table: its header, then the records.
std::vector<Record> mdbExport(const std::string &file, const std::string &table);
// Our view of the same, formatted the same way.
std::vector<Record> ourExport(jet::Database &db, const std::string &table);

// mdb-reader (npm): the tables of a file as JSON text, {"table": [{"column": value}]}.
// nullopt with a reason when it is not installed.
std::optional<std::string> mdbReaderJson(const std::string &file, std::string *whyNot);

} // namespace peers
