#pragma once

#include "jet/Bytes.h"
#include "jet/PageFile.h"
#include "jet/TableDef.h"
#include "jet/Value.h"

#include <cstdint>
#include <vector>

namespace jet {

// Where a row's bytes lie on its page: [start, end), and the flags of its row-offset entry.
struct RowSpan
{
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint16_t flags = 0;
};

std::uint16_t pageRowCount(const Format &format, const Bytes &page);
RowSpan rowSpan(PageFile &file, std::uint32_t pageNumber, const Bytes &page, unsigned row);

// One row split into its columns: per column either absent (null) or its stored bytes. A Yes/No column has
// no bytes; its value is whether it is present.
struct RowFields
{
    std::vector<bool> present;
    std::vector<Bytes> bytes; // indexed like TableDef::columns
};

RowFields crackRow(PageFile &file, const TableDef &def, const std::uint8_t *row, std::size_t size);
Bytes assembleRow(const Format &format, const TableDef &def, const RowFields &fields);

Value decodeField(PageFile &file, const TableDef &def, const Column &column, bool present,
                  const Bytes &bytes);

// The bytes of a memo or OLE value from its 12-byte header, following long-value rows.
Bytes readLongValue(PageFile &file, const std::uint8_t *field, std::size_t size);

// A row's identity: the place of its first row-offset entry, which stays put when the row moves.
struct RowId
{
    std::uint32_t page = 0;
    std::uint16_t row = 0;
    bool operator==(const RowId &) const = default;
};

// Every live row of the table in page order.
std::vector<RowId> scanRows(PageFile &file, const TableDef &def);
// The bytes of a row, following an overflow pointer; the place they were found goes to where.
Bytes rowBytes(PageFile &file, const TableDef &def, RowId id, RowId *where = nullptr);
std::vector<Value> readRow(PageFile &file, const TableDef &def, RowId id);

// Reads many rows of one table, keeping its working buffers from row to row.
class RowReader
{
public:
    RowReader(PageFile &file, const TableDef &def);
    std::vector<Value> read(RowId id);

private:
    PageFile &m_file;
    const TableDef &m_def;
    Bytes m_scratch; // a long value gathered from its chain of rows
};

} // namespace jet
