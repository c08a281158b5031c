#pragma once

#include "jet/PageFile.h"
#include "jet/Rows.h"
#include "jet/TableDef.h"
#include "jet/Value.h"

#include <optional>
#include <vector>

namespace jet {

// Row changes inside one open transaction of a Jet 4 file. Pages are laid out again as a whole when a row
// changes size, so each page's row table and free space stay right; rows that no longer fit their page move,
// leaving an overflow pointer behind so that their identity stays.
class TableWriter
{
public:
    TableWriter(PageFile &file, TableDef def);

    RowId insert(std::vector<Value> values);
    void update(RowId id, const std::vector<std::pair<std::size_t, Value>> &changes);
    void remove(RowId id);
    // Writes the row count and auto-number back into the definition.
    void finish();

private:
    struct PageRow
    {
        Bytes data;
        std::uint16_t flags = 0;
    };
    std::vector<PageRow> pageRows(std::uint32_t page);
    void layOut(std::uint32_t page, const std::vector<PageRow> &rows);
    std::uint32_t freeSpace(std::uint32_t page);

    Bytes encodeFields(RowFields &fields, const std::vector<std::optional<Value>> &values);
    Bytes encodeField(const Column &column, const Value &value, bool &present);
    Bytes storeLongValue(const Column &column, const Bytes &data, bool inlineAllowed);
    std::uint32_t putLongValueRow(const Column &column, const Bytes &row);
    void freeLongValue(const Column &column, const Bytes &field);
    RowId placeRow(const Bytes &row, std::uint16_t flags);
    std::uint32_t newDataPage(bool longValues, const Column *column);
    // Marks the row deleted; a page left without a live row leaves its table's maps and is given back.
    void deleteAt(RowId where);
    void releaseIfEmpty(std::uint32_t page, const std::vector<PageRow> &rows);

    PageFile &m_file;
    const Format &m_format;
    TableDef m_def;
    std::int64_t m_rowDelta = 0;
    bool m_autoNumberChanged = false;
    PageAllocator m_pages;
    std::uint32_t m_dataHint = 0;
    std::vector<std::uint32_t> m_lvalHint; // per column
};

} // namespace jet
