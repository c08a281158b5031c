#include "jet/Writer.h"

#include "jet/Database.h"
#include "jet/Text.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>

namespace jet {

namespace {

constexpr std::uint8_t LongValueInline = 0x80;
constexpr std::uint8_t LongValueOneRow = 0x40;
constexpr std::size_t MaxRowsPerPage = 255; // a row pointer holds the row number in one byte

bool isLongValuePage(const Bytes &page)
{
    return page[0] == PageData && std::memcmp(page.data() + 4, "LVAL", 4) == 0;
}

bool isDeleted(std::uint16_t flags)
{
    return (flags & (RowDeleted | RowOverflow)) == (RowDeleted | RowOverflow);
}

// A deleted long-value row's entry can be taken again: nothing points at it any more, unlike a deleted data
// row, whose place may still be someone's record identity.
template <typename Rows> auto firstDeleted(Rows &rows)
{
    return std::find_if(rows.begin(), rows.end(), [](const auto &r) { return isDeleted(r.flags); });
}

template <typename T> Bytes bytesOf(T value)
{
    Bytes b(sizeof value);
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

} // namespace

TableWriter::TableWriter(PageFile &file, TableDef def)
    : m_file(file), m_format(file.format()), m_def(std::move(def)), m_pages(file),
      m_lvalHint(m_def.columns.size(), 0)
{}

std::vector<TableWriter::PageRow> TableWriter::pageRows(std::uint32_t page)
{
    const Bytes &b = m_file.page(page);
    const std::uint16_t count = pageRowCount(m_format, b);
    std::vector<PageRow> rows(count);
    for (std::uint16_t r = 0; r < count; ++r) {
        const std::uint16_t entry = get16(b.data() + m_format.dataRowTable + 2 * r);
        rows[r].flags = entry & ~RowOffsetMask;
        if (isDeleted(entry)) {
            // A deleted row keeps its bytes only if they still make sense.
            const std::uint32_t start = entry & RowOffsetMask;
            const std::uint32_t end =
                r == 0 ? m_format.pageSize
                       : (get16(b.data() + m_format.dataRowTable + 2 * (r - 1)) & RowOffsetMask);
            if (start <= end && end <= m_format.pageSize && start >= m_format.dataRowTable + 2u * count)
                rows[r].data.assign(b.begin() + start, b.begin() + end);
            continue;
        }
        const RowSpan span = rowSpan(m_file, page, b, r);
        rows[r].data.assign(b.begin() + span.start, b.begin() + span.end);
    }
    return rows;
}

std::uint32_t TableWriter::freeSpace(std::uint32_t page)
{
    const auto rows = pageRows(page);
    std::size_t used = m_format.dataRowTable + 2 * rows.size();
    for (const PageRow &r : rows)
        used += r.data.size();
    return used >= m_format.pageSize ? 0 : static_cast<std::uint32_t>(m_format.pageSize - used);
}

void TableWriter::layOut(std::uint32_t page, const std::vector<PageRow> &rows)
{
    Bytes out(m_format.pageSize, 0);
    const Bytes &old = m_file.page(page);
    std::copy_n(old.begin(), m_format.dataRowTable, out.begin());
    const std::size_t header = m_format.dataRowTable + 2 * rows.size();
    std::size_t pos = m_format.pageSize;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].data.size() > pos || pos - rows[i].data.size() < header)
            fail(ErrorKind::Corrupt,
                 "Rows do not fit page " + std::to_string(page) + " of \"" + m_file.path() + "\"");
        pos -= rows[i].data.size();
        std::copy(rows[i].data.begin(), rows[i].data.end(), out.begin() + static_cast<std::ptrdiff_t>(pos));
        put16(out.data() + m_format.dataRowTable + 2 * i, static_cast<std::uint32_t>(pos) | rows[i].flags);
    }
    put16(out.data() + 2, static_cast<std::uint32_t>(pos - header));
    put16(out.data() + m_format.dataRowCount, static_cast<std::uint32_t>(rows.size()));
    m_file.modify(page) = std::move(out);
}

std::uint32_t TableWriter::newDataPage(bool longValues, const Column *column)
{
    const std::uint32_t page = m_pages.allocate();
    Bytes &b = m_file.modify(page);
    b[0] = PageData;
    b[1] = 0x01;
    put16(b.data() + 2, m_format.pageSize - m_format.dataRowTable);
    if (longValues)
        std::memcpy(b.data() + 4, "LVAL", 4);
    else
        put32(b.data() + 4, m_def.page);
    const LongValueMaps *maps = nullptr;
    if (longValues)
        for (const LongValueMaps &m : m_def.longValueMaps)
            if (column && m.column == column->number)
                maps = &m;
    changePageMap(m_file, maps ? maps->owned : m_def.ownedPages, page, true);
    changePageMap(m_file, maps ? maps->free : m_def.freePages, page, true);
    return page;
}

RowId TableWriter::placeRow(const Bytes &row, std::uint16_t flags)
{
    const std::size_t need = row.size() + 2;
    auto fits = [&](std::uint32_t page) {
        const Bytes &b = m_file.page(page);
        return b[0] == PageData && get32(b.data() + 4) == m_def.page &&
               pageRowCount(m_format, b) < MaxRowsPerPage && freeSpace(page) >= need;
    };
    std::uint32_t page = 0;
    if (m_dataHint != 0 && fits(m_dataHint)) {
        page = m_dataHint;
    } else {
        // Only the newest page the table lists as having room: rows then stay in the order they were added.
        const std::vector<std::uint32_t> candidates = readPageMap(m_file, m_def.freePages);
        if (!candidates.empty() && candidates.back() != m_dataHint && fits(candidates.back()))
            page = candidates.back();
        if (page == 0)
            page = newDataPage(false, nullptr);
    }
    m_dataHint = page;
    auto rows = pageRows(page);
    rows.push_back({row, flags});
    layOut(page, rows);
    return RowId{page, static_cast<std::uint16_t>(rows.size() - 1)};
}

std::uint32_t TableWriter::putLongValueRow(const Column &column, const Bytes &row)
{
    const std::size_t index = static_cast<std::size_t>(&column - m_def.columns.data());
    auto fits = [&](std::uint32_t page) {
        const Bytes &b = m_file.page(page);
        if (!isLongValuePage(b))
            return false;
        auto rows = pageRows(page);
        const bool newEntry = firstDeleted(rows) == rows.end();
        return (!newEntry || rows.size() < MaxRowsPerPage) &&
               freeSpace(page) >= row.size() + (newEntry ? 2 : 0);
    };
    std::uint32_t page = m_lvalHint[index] != 0 && fits(m_lvalHint[index]) ? m_lvalHint[index] : 0;
    if (page == 0) {
        for (const LongValueMaps &m : m_def.longValueMaps) {
            if (m.column != column.number)
                continue;
            const auto candidates = readPageMap(m_file, m.free);
            int looks = 0;
            for (auto it = candidates.rbegin(); it != candidates.rend() && looks < 8 && page == 0;
                 ++it, ++looks)
                if (fits(*it))
                    page = *it;
        }
    }
    if (page == 0)
        page = newDataPage(true, &column);
    m_lvalHint[index] = page;
    auto rows = pageRows(page);
    auto slot = firstDeleted(rows);
    if (slot == rows.end())
        slot = rows.insert(rows.end(), PageRow{});
    *slot = {row, 0};
    layOut(page, rows);
    return makePointer(page, static_cast<std::uint32_t>(slot - rows.begin()));
}

Bytes TableWriter::storeLongValue(const Column &column, const Bytes &data, bool inlineAllowed)
{
    Bytes field(12, 0);
    const auto length = static_cast<std::uint32_t>(data.size());
    if (length > 0x3FFFFFFF)
        fail(ErrorKind::Unsupported, "Value of \"" + column.name + "\" is too long");
    if (inlineAllowed) {
        Bytes inlined(12 + data.size(), 0);
        put32(inlined.data(), length | (std::uint32_t(LongValueInline) << 24));
        std::copy(data.begin(), data.end(), inlined.begin() + 12);
        return inlined;
    }
    if (data.size() <= m_format.maxRowSize) {
        put32(field.data(), length | (std::uint32_t(LongValueOneRow) << 24));
        put32(field.data() + 4, putLongValueRow(column, data));
        return field;
    }
    // A chain: each row starts with the pointer to the next; written from the end so each knows its next.
    const std::size_t chunk = m_format.maxRowSize - 4;
    std::uint32_t next = 0;
    for (std::size_t end = data.size(); end > 0;) {
        const std::size_t start = (end - 1) / chunk * chunk;
        Bytes row(4, 0);
        put32(row.data(), next);
        row.insert(row.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(end));
        next = putLongValueRow(column, row);
        end = start;
    }
    put32(field.data(), length);
    put32(field.data() + 4, next);
    return field;
}

void TableWriter::deleteAt(RowId where)
{
    auto rows = pageRows(where.page);
    if (where.row >= rows.size())
        fail(ErrorKind::Corrupt, "No row " + std::to_string(where.row) + " on page " +
                                     std::to_string(where.page) + " of \"" + m_file.path() + "\"");
    rows[where.row].data.clear();
    rows[where.row].flags = RowDeleted | RowOverflow;
    layOut(where.page, rows);
    releaseIfEmpty(where.page, rows);
}

void TableWriter::releaseIfEmpty(std::uint32_t page, const std::vector<PageRow> &rows)
{
    if (!std::all_of(rows.begin(), rows.end(), [](const PageRow &r) { return isDeleted(r.flags); }))
        return;
    // A long-value page may be listed by any memo column of the table, in files of other programs.
    if (isLongValuePage(m_file.page(page))) {
        for (const LongValueMaps &m : m_def.longValueMaps) {
            changePageMap(m_file, m.owned, page, false);
            changePageMap(m_file, m.free, page, false);
        }
    } else {
        changePageMap(m_file, m_def.ownedPages, page, false);
        changePageMap(m_file, m_def.freePages, page, false);
    }
    m_pages.release(page);
    if (m_dataHint == page)
        m_dataHint = 0;
    std::replace(m_lvalHint.begin(), m_lvalHint.end(), page, 0u);
}

void TableWriter::freeLongValue(const Column &, const Bytes &field)
{
    if (field.size() < 12)
        return;
    const std::uint8_t kind = field[3] & 0xC0;
    if (kind == LongValueInline)
        return;
    std::uint32_t pointer = get32(field.data() + 4);
    for (std::uint32_t hops = 0; pointer != 0 && hops < m_file.pageCount() * MaxRowsPerPage; ++hops) {
        const RowId at{pointerPage(pointer), static_cast<std::uint16_t>(pointerRow(pointer))};
        const Bytes &page = m_file.page(at.page);
        if (!isLongValuePage(page) || at.row >= pageRowCount(m_format, page))
            return; // not ours to free: leave it rather than damage another row
        const RowSpan span = rowSpan(m_file, at.page, page, at.row);
        if (span.flags & RowDeleted)
            return;
        const std::uint32_t next =
            kind == 0 && span.end - span.start >= 4 ? get32(page.data() + span.start) : 0;
        deleteAt(at);
        pointer = next;
    }
}

Bytes TableWriter::encodeField(const Column &c, const Value &v, bool &present)
{
    using K = Value::Kind;
    present = !v.isNull();
    if (c.type == TypeBool) {
        present = present && (v.integer != 0 || v.real != 0);
        return {};
    }
    if (!present)
        return {};
    const bool integral =
        v.kind == K::Bool || v.kind == K::Byte || v.kind == K::Int || v.kind == K::Long || v.kind == K::Money;
    const bool real = v.kind == K::Single || v.kind == K::Double || v.kind == K::DateTime;
    const std::int64_t n = integral ? v.integer : static_cast<std::int64_t>(std::llround(v.real));
    const double d = real ? v.real : static_cast<double>(v.integer);
    auto needNumber = [&] {
        if (!integral && !real)
            fail(ErrorKind::Unsupported,
                 "Field \"" + c.name + "\" of table \"" + m_def.name + "\" takes a number");
    };
    switch (c.type) {
    case TypeByte:
        needNumber();
        return Bytes{static_cast<std::uint8_t>(n)};
    case TypeInt:
        needNumber();
        return bytesOf(static_cast<std::int16_t>(n));
    case TypeLong:
        needNumber();
        return bytesOf(static_cast<std::int32_t>(n));
    case TypeMoney:
        needNumber();
        return bytesOf(v.kind == K::Money ? v.integer : static_cast<std::int64_t>(std::llround(d * 10000)));
    case TypeFloat:
        needNumber();
        return bytesOf(static_cast<float>(d));
    case TypeDouble:
    case TypeDateTime:
        needNumber();
        return bytesOf(d);
    case TypeText: {
        // The column's length is in bytes of plain UCS-2, two per character, whatever form is stored.
        if (textLength(v.text) > c.length / 2u)
            fail(ErrorKind::Unsupported, "Text for field \"" + c.name + "\" of table \"" + m_def.name +
                                             "\" is longer than its " + std::to_string(c.length / 2) +
                                             " characters");
        Bytes b = encodeJet4Text(v.text, c.compressible());
        // The compressed form of a single character is longer than its plain form.
        if (b.size() > c.length)
            b = encodeJet4Text(v.text, false);
        return b;
    }
    case TypeBinary:
        if (v.text.size() > c.length)
            fail(ErrorKind::Unsupported, "Value for field \"" + c.name + "\" is too long");
        return Bytes(v.text.begin(), v.text.end());
    default:
        fail(ErrorKind::Unsupported,
             "Field \"" + c.name + "\" of table \"" + m_def.name + "\" has a type this program cannot write");
    }
}

Bytes TableWriter::encodeFields(RowFields &fields, const std::vector<std::optional<Value>> &values)
{
    // Long values go inline first; the biggest move to long-value pages until the row is of a modest size,
    // which keeps several rows on a page.
    std::vector<std::pair<std::size_t, Bytes>> longValues;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i])
            continue;
        const Column &c = m_def.columns[i];
        bool present = false;
        if (c.longValue()) {
            present = !values[i]->isNull();
            if (present) {
                Bytes data = c.type == TypeMemo ? encodeJet4Text(values[i]->text, c.compressible())
                                                : Bytes(values[i]->text.begin(), values[i]->text.end());
                fields.bytes[i] = storeLongValue(c, data, true);
                longValues.emplace_back(i, std::move(data));
            } else {
                fields.bytes[i].clear();
            }
        } else {
            fields.bytes[i] = encodeField(c, *values[i], present);
        }
        fields.present[i] = present;
    }
    std::stable_sort(longValues.begin(), longValues.end(),
                     [](const auto &a, const auto &b) { return a.second.size() > b.second.size(); });
    const std::size_t comfortable = m_format.maxRowSize / 2;
    for (auto &[i, data] : longValues) {
        if (assembleRow(m_format, m_def, fields).size() <= comfortable && data.size() <= comfortable)
            break;
        fields.bytes[i] = storeLongValue(m_def.columns[i], data, false);
    }
    Bytes row = assembleRow(m_format, m_def, fields);
    if (row.size() > m_format.maxRowSize)
        fail(ErrorKind::Unsupported, "A row of table \"" + m_def.name + "\" would be larger than a page");
    return row;
}

RowId TableWriter::insert(std::vector<Value> values)
{
    if (values.size() != m_def.columns.size())
        fail(ErrorKind::NoSuchField, "Table \"" + m_def.name + "\" has " +
                                         std::to_string(m_def.columns.size()) + " fields, not " +
                                         std::to_string(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Column &c = m_def.columns[i];
        if ((c.flags & ColAutoNumber) && c.type == TypeLong && values[i].isNull()) {
            values[i] = Value::ofInteger(Value::Kind::Long, ++m_def.autoNumber);
            m_autoNumberChanged = true;
        }
    }
    RowFields fields;
    fields.present.assign(values.size(), false);
    fields.bytes.assign(values.size(), {});
    std::vector<std::optional<Value>> all(values.begin(), values.end());
    const Bytes row = encodeFields(fields, all);
    ++m_rowDelta;
    return placeRow(row, 0);
}

void TableWriter::update(RowId id, const std::vector<std::pair<std::size_t, Value>> &changes)
{
    RowId where;
    const Bytes old = rowBytes(m_file, m_def, id, &where);
    RowFields fields = crackRow(m_file, m_def, old.data(), old.size());
    std::vector<std::optional<Value>> values(m_def.columns.size());
    for (const auto &[index, value] : changes) {
        if (index >= m_def.columns.size())
            fail(ErrorKind::NoSuchField,
                 "No field " + std::to_string(index) + " in table \"" + m_def.name + "\"");
        const Column &c = m_def.columns[index];
        if (c.longValue() && fields.present[index])
            freeLongValue(c, fields.bytes[index]);
        values[index] = value;
    }
    const Bytes row = encodeFields(fields, values);

    auto rows = pageRows(where.page);
    const std::size_t room = freeSpace(where.page) + rows[where.row].data.size();
    if (row.size() <= room) {
        rows[where.row].data = row;
        layOut(where.page, rows);
        return;
    }
    // The row moves; its first place becomes a pointer so that it keeps its identity.
    const RowId moved = placeRow(row, RowDeleted);
    if (!(where == id))
        deleteAt(where);
    auto home = pageRows(id.page);
    Bytes pointer(4);
    pointer[0] = static_cast<std::uint8_t>(moved.row);
    put24(pointer.data() + 1, moved.page);
    home[id.row] = {pointer, RowOverflow};
    layOut(id.page, home);
}

void TableWriter::remove(RowId id)
{
    RowId where;
    const Bytes old = rowBytes(m_file, m_def, id, &where);
    const RowFields fields = crackRow(m_file, m_def, old.data(), old.size());
    for (std::size_t i = 0; i < m_def.columns.size(); ++i)
        if (m_def.columns[i].longValue() && fields.present[i])
            freeLongValue(m_def.columns[i], fields.bytes[i]);
    if (!(where == id))
        deleteAt(where);
    deleteAt(id);
    --m_rowDelta;
}

void TableWriter::finish()
{
    if (m_rowDelta == 0 && !m_autoNumberChanged)
        return;
    Bytes &b = m_file.modify(m_def.page);
    const std::int64_t count = std::int64_t(get32(b.data() + m_format.tdefRowCount)) + m_rowDelta;
    put32(b.data() + m_format.tdefRowCount, static_cast<std::uint32_t>(std::max<std::int64_t>(count, 0)));
    if (m_autoNumberChanged)
        put32(b.data() + m_format.tdefAutoNumber, m_def.autoNumber);
}

// ---- Database's writing calls ----

void Database::requireWritable(const TableDef &def) const
{
    if (m_file->format().version != Version::Jet4)
        fail(ErrorKind::Unsupported,
             "\"" + m_file->path() + "\" is an Access 97 (Jet 3) file, which this program only reads");
    if (m_file->readOnly())
        fail(ErrorKind::ReadOnly,
             "\"" + m_file->path() + "\" is read-only: the file or its folder cannot be written");
    if (def.realIndexCount > 0)
        fail(ErrorKind::Unsupported,
             "Table \"" + def.name + "\" in \"" + m_file->path() +
                 "\" has indexes this program cannot keep up to date, so it is read-only");
}

void Database::requireSound(const TableDef &def)
{
    if (m_sound.count(def.page))
        return;
    scanRows(*m_file, def);
    m_sound.insert(def.page);
}

template <typename F> void Database::write(const std::string &table, F &&change)
{
    {
        const ReadLock lock(*m_file);
        catchUp();
        requireWritable(cachedDef(table));
        requireSound(cachedDef(table));
    }
    const CatalogEntry &e = entry(table);
    m_file->begin();
    try {
        TableDef def = readTableDef(*m_file, e.page, e.name);
        requireWritable(def);
        TableWriter writer(*m_file, std::move(def));
        change(writer);
        writer.finish();
        m_file->commit();
    } catch (...) {
        if (m_file->inTransaction())
            m_file->rollback();
        m_defs.clear();
        throw;
    }
    m_defs.clear();
}

Status Database::checkWritable(const std::string &table)
{
    return guarded([&]() -> Status {
        const ReadLock lock(*m_file);
        catchUp();
        requireWritable(cachedDef(table));
        requireSound(cachedDef(table));
        return {};
    });
}

Result<RowId> Database::insertRow(const std::string &table, std::vector<Value> values)
{
    return guarded([&]() -> Result<RowId> {
        RowId id;
        write(table, [&](TableWriter &w) { id = w.insert(std::move(values)); });
        return id;
    });
}

Status Database::insertRows(const std::string &table, const std::vector<std::vector<Value>> &rows)
{
    return guarded([&]() -> Status {
        write(table, [&](TableWriter &w) {
            for (const auto &row : rows)
                w.insert(row);
        });
        return {};
    });
}

Status Database::updateRow(const std::string &table, RowId row, const std::vector<FieldChange> &changes)
{
    return guarded([&]() -> Status {
        write(table, [&](TableWriter &w) { w.update(row, changes); });
        return {};
    });
}

Status Database::deleteRow(const std::string &table, RowId row)
{
    return guarded([&]() -> Status {
        write(table, [&](TableWriter &w) { w.remove(row); });
        return {};
    });
}

} // namespace jet
