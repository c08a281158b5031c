#pragma once

#include "jet/Error.h"
#include "jet/Rows.h"
#include "jet/TableDef.h"
#include "jet/Value.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace jet {

class PageFile;
class WriterHold;

struct TableData
{
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows; // in the order of the table's pages
    std::vector<RowId> ids;               // where each row is
};

// One field to change: the column's index in TableDef::columns and its new value.
using FieldChange = std::pair<std::size_t, Value>;

// An open Jet 3 or Jet 4 file. Each call reads under the file's shared lock and sees the file as the last
// commit left it, whichever program made it; every write runs in its own transaction under the exclusive
// lock, starts from the pages on disk and is atomic (see PageFile).
class Database
{
public:
    // Opens shared; read-only (see readOnly()) when the file or its folder is not writable.
    static Result<std::unique_ptr<Database>> open(const std::string &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const std::string &path() const;
    Version version() const;
    bool readOnly() const;
    std::vector<std::string> tableNames(bool includeSystem = false) const;

    Result<TableDef> tableDef(const std::string &table);
    Result<std::vector<RowId>> rowIds(const std::string &table);
    Result<std::vector<Value>> readRow(const std::string &table, RowId row);
    Result<TableData> readTable(const std::string &table);
    // Hands each row of the table to visit, in the order of its pages, keeping none: one pass over a table
    // too large to hold. The rows are those of one moment, as for readTable.
    using RowVisitor = std::function<void(RowId, std::vector<Value> &)>;
    Status scanTable(const std::string &table, const RowVisitor &visit);

    // Whether rows of the table may be changed; the error says why not.
    Status checkWritable(const std::string &table);
    // values: one per column of the table, in TableDef::columns order; an auto-number column left null is
    // numbered by the table.
    Result<RowId> insertRow(const std::string &table, std::vector<Value> values);
    // Many rows in one transaction: all of them or none.
    Status insertRows(const std::string &table, const std::vector<std::vector<Value>> &rows);
    Status updateRow(const std::string &table, RowId row, const std::vector<FieldChange> &changes);
    Status deleteRow(const std::string &table, RowId row);

    // While the hold lives, no other writer, in this program or another, can begin a change of the file (it
    // waits, up to a limit); reads go on. For a change made beside this database, such as a copy renamed into
    // the file's place; no change may be made through this database meanwhile, and the hold must not outlive
    // it.
    Result<std::unique_ptr<WriterHold>> holdWriters();

    // Test hook: the next commit fails after this many page writes, as if the process died there (Crash) or
    // as a failed write the program lives on after (IoError).
    void failAfterPageWrites(int writes, bool crash = true);
    // Test hooks: called before each page write of a commit, and when its journal is synced.
    void onPageWrite(std::function<void(int)> hook);
    void onJournalSynced(std::function<void()> hook);

private:
    Database() = default;
    struct CatalogEntry
    {
        std::string name;
        std::uint32_t page;
        bool system;
    };
    const CatalogEntry &entry(const std::string &table) const;
    const TableDef &cachedDef(const std::string &table);
    void requireWritable(const TableDef &def) const;
    // A table whose pages disagree with its definition is never written: a write could only add damage.
    void requireSound(const TableDef &def);
    // Runs a change in a transaction on a definition re-read from disk.
    template <typename F> void write(const std::string &table, F &&change);
    void loadCatalog();
    // At the start of a read: reads the catalog again, and forgets table definitions, when another program
    // changed the file since.
    void catchUp();

    std::unique_ptr<PageFile> m_file;
    std::vector<CatalogEntry> m_catalog;
    std::map<std::uint32_t, TableDef> m_defs;
    std::set<std::uint32_t> m_sound; // tables found whole; our own writes keep them so
    std::uint64_t m_generation = 0; // the PageFile's generation the catalog and definitions were read at
};

} // namespace jet
