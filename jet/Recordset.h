#pragma once

#include "jet/Database.h"
#include "jet/Error.h"
#include "jet/Value.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jet {

// An updatable record set over one table, kept in the order of its query, as a bound data control uses it.
//
// The query is "Select * From <table> [Order By <field> [Asc|Desc]]"; text is ordered without regard to
// case, nulls first, ties in the table's own order. Records added through the set go to its end.
// Field edits are held until update(); moving to another record drops edits not yet written, so the caller
// writes them first (as a data control does when the current record is about to change).
class Recordset
{
public:
    static Result<std::unique_ptr<Recordset>> open(Database &db, const std::string &sql);

    const std::string &table() const { return m_table; }
    // True when the file, its folder or the table cannot be written; the reason is writeError().
    bool readOnly() const { return !m_writable.ok(); }
    const Status &writeError() const { return m_writable; }
    std::vector<std::string> fieldNames() const;
    std::size_t recordCount() const { return m_rows.size(); }

    // No current record: the set is empty, or the current record was deleted.
    bool hasCurrent() const { return m_adding || (!m_deleted && m_current < m_rows.size()); }
    std::size_t position() const { return m_current; }

    // At either end the set stays on the end record.
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    // criteria: [Field] = 'value' (an apostrophe inside doubled), compared without regard to case. Makes the
    // first match in the set's order current and returns true; without a match returns false and the current
    // record stays.
    Result<bool> findFirst(const std::string &criteria);

    Result<Value> value(const std::string &field) const;
    // The field as text, empty for a null.
    Result<std::string> text(const std::string &field) const;
    Status setValue(const std::string &field, Value value);
    Status setText(const std::string &field, const std::string &text);
    bool editing() const { return m_adding || !m_edits.empty(); }

    // Writes the edits of the current record, or the new record of addNew().
    Status update();
    void cancelUpdate();
    // A new empty record becomes current; it is written by update().
    Status addNew();
    // Deletes the current record; afterwards there is no current record until the next move.
    Status deleteCurrent();

private:
    Recordset(Database &db) : m_db(db) {}
    std::optional<std::size_t> fieldIndex(const std::string &field) const;
    void leave();

    Database &m_db;
    std::string m_table;
    TableDef m_def;
    Status m_writable;
    struct Row
    {
        RowId id;
        std::vector<Value> values;
    };
    std::vector<Row> m_rows;
    std::size_t m_current = 0;
    bool m_adding = false;
    bool m_deleted = false;
    std::vector<Value> m_newRecord;
    std::vector<std::pair<std::size_t, Value>> m_edits;
};

} // namespace jet
