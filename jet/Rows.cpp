#include "jet/Rows.h"

#include "jet/Text.h"

#include <algorithm>
#include <cstring>

namespace jet {

namespace {

[[noreturn]] void corrupt(PageFile &file, std::uint32_t page, const std::string &what)
{
    fail(ErrorKind::Corrupt,
         "Corrupt database \"" + file.path() + "\": page " + std::to_string(page) + ": " + what);
}

} // namespace

std::uint16_t pageRowCount(const Format &format, const Bytes &page)
{
    const std::uint16_t count = get16(page.data() + format.dataRowCount);
    const std::uint32_t room = (format.pageSize - format.dataRowTable) / 2;
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(count, room));
}

RowSpan rowSpan(PageFile &file, std::uint32_t pageNumber, const Bytes &page, unsigned row)
{
    const Format &f = file.format();
    const std::uint16_t count = get16(page.data() + f.dataRowCount);
    if (row >= count || f.dataRowTable + 2 * std::uint32_t(count) > f.pageSize)
        corrupt(file, pageNumber, "no row " + std::to_string(row));
    const std::uint16_t entry = get16(page.data() + f.dataRowTable + 2 * row);
    RowSpan span;
    span.flags = entry & ~RowOffsetMask;
    span.start = entry & RowOffsetMask;
    span.end = row == 0 ? f.pageSize : (get16(page.data() + f.dataRowTable + 2 * (row - 1)) & RowOffsetMask);
    if (span.start < f.dataRowTable + 2 * std::uint32_t(count) || span.start > span.end ||
        span.end > f.pageSize)
        corrupt(file, pageNumber, "row " + std::to_string(row) + " lies outside its page");
    return span;
}

namespace {

// One column of a row as it lies in the row's bytes.
struct FieldSpan
{
    const std::uint8_t *data = nullptr;
    std::size_t size = 0;
    bool present = false;
};

[[noreturn]] void badRow(PageFile &file, const TableDef &def, const std::string &what)
{
    fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\", table \"" + def.name + "\": " + what);
}

// Splits a row into its columns without copying; spans is indexed like def.columns.
void crackSpans(PageFile &file, const TableDef &def, const std::uint8_t *row, std::size_t size,
                FieldSpan *spans)
{
    const Format &f = file.format();
    if (size < f.rowCountSize)
        badRow(file, def, "row too short");
    const std::uint16_t rowColumns = f.rowCountSize == 2 ? get16(row) : row[0];
    const std::size_t maskSize = (std::size_t(rowColumns) + 7) / 8;
    if (maskSize + f.rowCountSize + f.rowCountSize > size)
        badRow(file, def, "row too short for its null mask");
    const std::size_t maskStart = size - maskSize;
    auto notNull = [&](std::uint16_t number) {
        return number < rowColumns && (row[maskStart + number / 8] & (1u << (number % 8))) != 0;
    };

    // Offsets of the variable-width columns, relative to the row's start; the last one ends the data.
    // Jet 4 stores them as a table read in place; Jet 3 needs its jump table applied first.
    std::size_t varCount = 0;
    std::size_t jet3Offsets[257];
    if (f.version == Version::Jet4) {
        varCount = get16(row + maskStart - 2);
        if (2 * (varCount + 1) + 2 + maskSize > size)
            badRow(file, def, "row too short for its column offsets");
    } else {
        varCount = row[maskStart - 1];
        const std::size_t last = size - 1;
        std::size_t jumps = last / 256;
        if (jumps + varCount + 3 + maskSize > size)
            badRow(file, def, "row too short for its column offsets");
        const std::size_t first = maskStart - jumps - 2;
        // A jump table one entry longer than the offsets need ends with a dummy entry.
        if ((first - varCount) / 256 < jumps)
            --jumps;
        std::size_t used = 0;
        for (std::size_t i = 0; i <= varCount; ++i) {
            while (used < jumps && i == row[maskStart - 2 - used])
                ++used;
            jet3Offsets[i] = row[first - i] + used * 256;
        }
    }
    auto offset = [&](std::size_t i) -> std::size_t {
        return f.version == Version::Jet4 ? get16(row + maskStart - 2 - 2 * (i + 1)) : jet3Offsets[i];
    };

    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        const Column &c = def.columns[i];
        FieldSpan &span = spans[i];
        span = {};
        if (c.type == TypeBool) {
            span.present = notNull(c.number);
            continue;
        }
        if (!notNull(c.number))
            continue;
        if (c.fixed()) {
            const std::size_t start = f.rowCountSize + std::size_t(c.fixedOffset);
            if (start + c.length > size)
                badRow(file, def, "column \"" + c.name + "\" runs past its row");
            span.data = row + start;
            span.size = c.length;
        } else {
            if (c.varIndex >= varCount)
                continue;
            const std::size_t start = offset(c.varIndex);
            const std::size_t end = offset(c.varIndex + 1u);
            if (start > end || end > size)
                badRow(file, def, "column \"" + c.name + "\" runs past its row");
            span.data = row + start;
            span.size = end - start;
        }
        span.present = true;
    }
}

// Small tables need no allocation for their spans.
class SpanBuffer
{
public:
    explicit SpanBuffer(std::size_t count)
    {
        if (count > std::size(m_local))
            m_heap.resize(count);
    }
    FieldSpan *data() { return m_heap.empty() ? m_local : m_heap.data(); }

private:
    FieldSpan m_local[32];
    std::vector<FieldSpan> m_heap;
};

} // namespace

RowFields crackRow(PageFile &file, const TableDef &def, const std::uint8_t *row, std::size_t size)
{
    SpanBuffer buffer(def.columns.size());
    FieldSpan *spans = buffer.data();
    crackSpans(file, def, row, size, spans);
    RowFields fields;
    fields.present.resize(def.columns.size());
    fields.bytes.resize(def.columns.size());
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        fields.present[i] = spans[i].present;
        if (spans[i].size > 0)
            fields.bytes[i].assign(spans[i].data, spans[i].data + spans[i].size);
    }
    return fields;
}

Bytes assembleRow(const Format &f, const TableDef &def, const RowFields &fields)
{
    const std::uint16_t rowColumns = def.rowColumnCount();
    std::size_t fixedSize = 0;
    std::vector<const Column *> variable;
    for (const Column &c : def.columns) {
        if (c.type == TypeBool)
            continue;
        if (c.fixed())
            fixedSize = std::max<std::size_t>(fixedSize, std::size_t(c.fixedOffset) + c.length);
        else
            variable.push_back(&c);
    }
    std::sort(variable.begin(), variable.end(), [](auto *a, auto *b) { return a->varIndex < b->varIndex; });

    Bytes row(f.rowCountSize + fixedSize, 0);
    put16(row.data(), rowColumns);
    std::vector<std::uint8_t> mask((rowColumns + 7) / 8, 0);
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        const Column &c = def.columns[i];
        if (fields.present[i])
            mask[c.number / 8] |= static_cast<std::uint8_t>(1u << (c.number % 8));
        if (c.fixed() && c.type != TypeBool && fields.present[i])
            std::copy_n(fields.bytes[i].begin(), std::min<std::size_t>(c.length, fields.bytes[i].size()),
                        row.begin() + f.rowCountSize + c.fixedOffset);
    }
    // A dropped column leaves its slot among the variable columns: it stays, empty.
    const std::size_t slots = variable.empty() ? 0 : std::size_t(variable.back()->varIndex) + 1;
    std::vector<std::size_t> offsets;
    auto next = variable.begin();
    for (std::size_t slot = 0; slot < slots; ++slot) {
        offsets.push_back(row.size());
        for (; next != variable.end() && (*next)->varIndex == slot; ++next) {
            const std::size_t i = static_cast<std::size_t>(*next - def.columns.data());
            if (fields.present[i])
                row.insert(row.end(), fields.bytes[i].begin(), fields.bytes[i].end());
        }
    }
    append16(row, static_cast<std::uint32_t>(row.size())); // end of the data
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        append16(row, static_cast<std::uint32_t>(*it));
    append16(row, static_cast<std::uint32_t>(slots));
    row.insert(row.end(), mask.begin(), mask.end());
    return row;
}

namespace {

// The bytes of a memo or OLE value: in place when they lie in one row, else gathered into scratch.
std::pair<const std::uint8_t *, std::size_t> longValueBytes(PageFile &file, const std::uint8_t *field,
                                                            std::size_t size, Bytes &scratch)
{
    if (size == 0)
        return {nullptr, 0};
    if (size < 12)
        fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": memo header too short");
    const std::uint32_t word = get32(field);
    const std::uint32_t length = word & 0x3FFFFFFF;
    const std::uint8_t kind = static_cast<std::uint8_t>(word >> 24) & 0xC0;
    if (kind == 0x80) {
        if (12 + std::size_t(length) > size)
            fail(ErrorKind::Corrupt,
                 "Corrupt database \"" + file.path() + "\": inline memo longer than its row");
        return {field + 12, length};
    }
    scratch.clear();
    std::uint32_t pointer = get32(field + 4);
    const std::uint32_t maxHops = file.pageCount() * 256;
    for (std::uint32_t hops = 0; scratch.size() < length; ++hops) {
        const std::uint32_t page = pointerPage(pointer);
        if (pointer == 0 || hops > maxHops)
            fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": memo chain broken");
        const Bytes &bytes = file.page(page);
        if (bytes[0] != PageData)
            corrupt(file, page, "memo points to a page that holds no data");
        const RowSpan span = rowSpan(file, page, bytes, pointerRow(pointer));
        const std::uint8_t *row = bytes.data() + span.start;
        std::size_t rowSize = span.end - span.start;
        if (kind == 0x40) {
            if (rowSize < length)
                corrupt(file, page, "memo row shorter than its memo");
            return {row, length};
        }
        if (rowSize < 4)
            corrupt(file, page, "memo row too short");
        pointer = get32(row);
        const std::size_t take = std::min<std::size_t>(rowSize - 4, length - scratch.size());
        scratch.insert(scratch.end(), row + 4, row + 4 + take);
    }
    return {scratch.data(), scratch.size()};
}

template <typename T> T readAs(const std::uint8_t *bytes)
{
    T v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

Value decodeSpan(PageFile &file, const TableDef &def, const Column &c, const FieldSpan &field, Bytes &scratch)
{
    using K = Value::Kind;
    if (c.type == TypeBool)
        return Value::ofInteger(K::Bool, field.present ? 1 : 0);
    if (!field.present)
        return Value::null();
    const bool unicode = file.format().unicode;
    const std::uint8_t *b = field.data;
    auto need = [&](std::size_t n) {
        if (field.size < n)
            badRow(file, def, "column \"" + c.name + "\" too short");
    };
    auto text = [&](const std::uint8_t *data, std::size_t size) {
        return Value::ofText(unicode ? decodeJet4Text(data, size) : decodeCp1252(data, size));
    };
    switch (c.type) {
    case TypeByte:
        need(1);
        return Value::ofInteger(K::Byte, b[0]);
    case TypeInt:
        need(2);
        return Value::ofInteger(K::Int, readAs<std::int16_t>(b));
    case TypeLong:
        need(4);
        return Value::ofInteger(K::Long, readAs<std::int32_t>(b));
    case TypeMoney:
        need(8);
        return Value::ofInteger(K::Money, readAs<std::int64_t>(b));
    case TypeFloat:
        need(4);
        return Value::ofReal(K::Single, readAs<float>(b));
    case TypeDouble:
        need(8);
        return Value::ofReal(K::Double, readAs<double>(b));
    case TypeDateTime:
        need(8);
        return Value::ofReal(K::DateTime, readAs<double>(b));
    case TypeText:
        return text(b, field.size);
    case TypeMemo: {
        const auto [data, size] = longValueBytes(file, b, field.size, scratch);
        return text(data, size);
    }
    case TypeBinary:
    case TypeGuid:
    case TypeOle: {
        Value v;
        v.kind = K::Binary;
        const auto [data, size] =
            c.type == TypeOle ? longValueBytes(file, b, field.size, scratch) : std::pair{b, field.size};
        v.text.assign(reinterpret_cast<const char *>(data), size);
        return v;
    }
    default:
        return Value::null();
    }
}

// The page and place of a row's bytes, following an overflow pointer; the place they were found goes to
// where.
std::pair<const Bytes *, RowSpan> locateRow(PageFile &file, const TableDef &def, RowId id, RowId *where)
{
    for (int hop = 0; hop < 8; ++hop) {
        const Bytes &bytes = file.page(id.page);
        if (bytes[0] != PageData || get32(bytes.data() + 4) != def.page)
            corrupt(file, id.page, "row of table \"" + def.name + "\" on a page it does not own");
        const RowSpan span = rowSpan(file, id.page, bytes, id.row);
        if ((span.flags & (RowOverflow | RowDeleted)) == (RowOverflow | RowDeleted))
            fail(ErrorKind::NoCurrentRecord,
                 "The record of table \"" + def.name + "\" in \"" + file.path() + "\" has been deleted");
        if ((span.flags & RowOverflow) && !(span.flags & RowDeleted)) {
            if (span.end - span.start < 4)
                corrupt(file, id.page, "overflow pointer too short");
            id = RowId{get24(bytes.data() + span.start + 1), bytes[span.start]};
            continue;
        }
        if (where)
            *where = id;
        return {&bytes, span};
    }
    corrupt(file, id.page, "overflow pointers form a chain too long");
}

} // namespace

Bytes readLongValue(PageFile &file, const std::uint8_t *field, std::size_t size)
{
    Bytes scratch;
    const auto [data, length] = longValueBytes(file, field, size, scratch);
    if (data == scratch.data())
        return scratch;
    return Bytes(data, data + length);
}

Value decodeField(PageFile &file, const TableDef &def, const Column &c, bool present, const Bytes &b)
{
    Bytes scratch;
    return decodeSpan(file, def, c, FieldSpan{b.data(), b.size(), present}, scratch);
}

namespace {

[[noreturn]] void damaged(PageFile &file, const TableDef &def, const std::string &what)
{
    fail(ErrorKind::Corrupt,
         "The database \"" + file.path() + "\" is damaged: table \"" + def.name + "\" " + what);
}

bool knownPageKind(std::uint8_t kind)
{
    return kind == PageData || kind == PageTableDef || kind == PageIndexNode || kind == PageIndexLeaf ||
           kind == PageMapBitmap;
}

} // namespace

std::vector<RowId> scanRows(PageFile &file, const TableDef &def)
{
    const Format &f = file.format();
    std::vector<RowId> rows;
    for (std::uint32_t p : readPageMap(file, def.ownedPages, MapReach::Whole)) {
        if (p >= file.pageCount())
            damaged(file, def,
                    "has page " + std::to_string(p) + ", past the end of the file (" +
                        std::to_string(file.pageCount()) + " pages): the file has been cut short");
        const Bytes &bytes = file.page(p);
        if (bytes[0] != PageData || get32(bytes.data() + 4) != def.page) {
            // Access also lists a table's index pages among its own.
            if (!knownPageKind(bytes[0]))
                damaged(file, def, "has page " + std::to_string(p) + ", which holds no page of a database");
            continue;
        }
        const std::uint16_t count = pageRowCount(f, bytes);
        for (std::uint16_t r = 0; r < count; ++r) {
            if ((get16(bytes.data() + f.dataRowTable + 2 * r) & RowDeleted) == 0)
                rows.push_back({p, r});
        }
    }
    // Rows the definition counts but no page of the table holds were lost: a page overwritten, or left out
    // of the table's page map.
    if (rows.size() < def.rowCount)
        damaged(file, def,
                "counts " + std::to_string(def.rowCount) + " rows, but its pages hold only " +
                    std::to_string(rows.size()));
    return rows;
}

Bytes rowBytes(PageFile &file, const TableDef &def, RowId id, RowId *where)
{
    const auto [page, span] = locateRow(file, def, id, where);
    return Bytes(page->begin() + span.start, page->begin() + span.end);
}

RowReader::RowReader(PageFile &file, const TableDef &def) : m_file(file), m_def(def) {}

std::vector<Value> RowReader::read(RowId id)
{
    const auto [page, span] = locateRow(m_file, m_def, id, nullptr);
    const std::size_t count = m_def.columns.size();
    SpanBuffer buffer(count);
    FieldSpan *spans = buffer.data();
    crackSpans(m_file, m_def, page->data() + span.start, span.end - span.start, spans);
    std::vector<Value> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(decodeSpan(m_file, m_def, m_def.columns[i], spans[i], m_scratch));
    return values;
}

std::vector<Value> readRow(PageFile &file, const TableDef &def, RowId id)
{
    return RowReader(file, def).read(id);
}

} // namespace jet
