#include "jet/TableDef.h"

#include "jet/Rows.h"
#include "jet/Text.h"

#include <algorithm>
#include <set>

namespace jet {

namespace {

// Bounds-checked reading of the concatenated definition.
class DefReader
{
public:
    DefReader(const Bytes &data, const std::string &context) : m_data(data), m_context(context) {}
    const std::uint8_t *at(std::size_t offset, std::size_t size) const
    {
        if (offset > m_data.size() || size > m_data.size() - offset)
            fail(ErrorKind::Corrupt, m_context + ": table definition runs past its pages");
        return m_data.data() + offset;
    }
    std::uint8_t u8(std::size_t o) const { return *at(o, 1); }
    std::uint16_t u16(std::size_t o) const { return get16(at(o, 2)); }
    std::uint32_t u32(std::size_t o) const { return get32(at(o, 4)); }

private:
    const Bytes &m_data;
    const std::string &m_context;
};

bool sameName(const std::string &a, const std::string &b)
{
    return foldCase(a) == foldCase(b);
}

} // namespace

const Column *TableDef::column(const std::string &wanted) const
{
    for (const Column &c : columns)
        if (sameName(c.name, wanted))
            return &c;
    return nullptr;
}

std::uint16_t TableDef::rowColumnCount() const
{
    std::uint16_t count = 0;
    for (const Column &c : columns)
        count = std::max<std::uint16_t>(count, c.number + 1);
    return count;
}

TableDef readTableDef(PageFile &file, std::uint32_t page, const std::string &name)
{
    const Format &f = file.format();
    const std::string context = "Corrupt database \"" + file.path() + "\", table \"" + name + "\"";
    TableDef def;
    def.name = name;
    def.page = page;

    Bytes data;
    std::set<std::uint32_t> seen;
    for (std::uint32_t p = page; p != 0;) {
        if (!seen.insert(p).second || seen.size() > 64)
            fail(ErrorKind::Corrupt, context + ": table definition pages form a loop");
        const Bytes &bytes = file.page(p);
        if (bytes[0] != PageTableDef)
            fail(ErrorKind::Corrupt, context + ": page " + std::to_string(p) + " is not a table definition");
        if (data.empty())
            data = bytes;
        else
            data.insert(data.end(), bytes.begin() + f.tdefContinuation, bytes.end());
        def.pages.push_back(p);
        p = get32(bytes.data() + 4);
    }

    DefReader r(data, context);
    def.rowCount = r.u32(f.tdefRowCount);
    def.autoNumber = r.u32(f.tdefAutoNumber);
    def.tableType = r.u8(f.tdefTableType);
    const std::uint16_t columnCount = r.u16(f.tdefColumnCount);
    def.indexCount = r.u32(f.tdefIndexCount);
    def.realIndexCount = r.u32(f.tdefRealIndexCount);
    def.ownedPages = r.u32(f.tdefOwnedPages);
    def.freePages = r.u32(f.tdefFreePages);
    if (def.indexCount > 1000 || def.realIndexCount > 1000)
        fail(ErrorKind::Corrupt, context + ": impossible number of indexes");

    std::size_t pos = f.tdefIndexInfo + std::size_t(def.realIndexCount) * f.realIndexInfoSize;
    for (std::uint16_t i = 0; i < columnCount; ++i, pos += f.columnBlockSize) {
        const std::uint8_t *block = r.at(pos, f.columnBlockSize);
        Column c;
        c.type = block[f.colType];
        c.number = get16(block + f.colNumber);
        c.varIndex = get16(block + f.colVarIndex);
        c.flags = block[f.colFlags];
        c.extFlags = f.version == Version::Jet4 ? block[f.colExtFlags] : 0;
        c.fixedOffset = get16(block + f.colFixedOffset);
        c.length = get16(block + f.colLength);
        def.columns.push_back(c);
    }
    auto readName = [&]() {
        const std::size_t length = f.nameLengthSize == 2 ? r.u16(pos) : r.u8(pos);
        pos += f.nameLengthSize;
        const std::uint8_t *text = r.at(pos, length);
        pos += length;
        return f.unicode ? decodeJet4Text(text, length) : decodeCp1252(text, length);
    };
    for (Column &c : def.columns)
        c.name = readName();
    // Blocks are stored by name; the table's own order is by column number.
    std::stable_sort(def.columns.begin(), def.columns.end(),
                     [](const Column &a, const Column &b) { return a.number < b.number; });
    pos += std::size_t(def.realIndexCount) * f.realIndexBlockSize;
    pos += std::size_t(def.indexCount) * f.logicalIndexBlockSize;
    for (std::uint32_t i = 0; i < def.indexCount; ++i)
        def.indexNames.push_back(readName());
    if (f.version == Version::Jet4) {
        while (pos + 2 <= data.size() && r.u16(pos) != 0xFFFF && pos + 10 <= data.size()) {
            def.longValueMaps.push_back({r.u16(pos), r.u32(pos + 2), r.u32(pos + 6)});
            pos += 10;
        }
    }
    return def;
}

namespace {

struct MapRow
{
    std::uint32_t page;
    RowSpan span;
};

MapRow locateMap(PageFile &file, std::uint32_t rowPointer)
{
    const std::uint32_t page = pointerPage(rowPointer);
    const Bytes &bytes = file.page(page);
    const RowSpan span = rowSpan(file, page, bytes, pointerRow(rowPointer));
    if (span.end - span.start < 5)
        fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": page map on page " +
                                     std::to_string(page) + " is too short");
    return {page, span};
}

} // namespace

std::vector<std::uint32_t> readPageMap(PageFile &file, std::uint32_t rowPointer, MapReach reach)
{
    const MapRow map = locateMap(file, rowPointer);
    const Bytes &bytes = file.page(map.page);
    const std::uint8_t *row = bytes.data() + map.span.start;
    const std::size_t size = map.span.end - map.span.start;
    std::vector<std::uint32_t> pages;
    const std::uint64_t total = reach == MapReach::Whole ? std::uint64_t(1) << 32 : file.pageCount();
    if (row[0] == 0) {
        const std::uint32_t first = get32(row + 1);
        for (std::size_t i = 0; i < (size - 5) * 8; ++i)
            if (row[5 + i / 8] & (1u << (i % 8)) && first + i < total)
                pages.push_back(static_cast<std::uint32_t>(first + i));
    } else if (row[0] == 1) {
        const std::size_t perPage = std::size_t(file.format().pageSize - 4) * 8;
        for (std::size_t k = 0; 1 + 4 * k + 4 <= size; ++k) {
            const std::uint32_t bitmapPage = get32(row + 1 + 4 * k);
            if (bitmapPage == 0)
                continue;
            const Bytes &bitmap = file.page(bitmapPage);
            if (bitmap[0] != PageMapBitmap)
                fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": page " +
                                             std::to_string(bitmapPage) + " is not a page-map page");
            for (std::size_t i = 0; i < perPage; ++i) {
                const std::size_t number = k * perPage + i;
                if (number >= total)
                    break;
                if (bitmap[4 + i / 8] & (1u << (i % 8)))
                    pages.push_back(static_cast<std::uint32_t>(number));
            }
        }
    } else {
        fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": unknown page-map kind on page " +
                                     std::to_string(map.page));
    }
    return pages;
}

namespace {

constexpr std::uint32_t GlobalMapPage = 1;

// Sets one page's bit in a map to bit. A page the map does not reach reads as outside: absent (false) in a
// table's maps; in the file's own map, free (true) past an inline bitmap's range, and in use (false) in a
// bitmap page not yet made or past a reference map's slots.
void setMapBit(PageFile &file, std::uint32_t rowPointer, std::uint32_t page, bool bit, bool outside)
{
    const MapRow map = locateMap(file, rowPointer);
    const std::size_t size = map.span.end - map.span.start;
    const std::uint8_t kind = file.page(map.page)[map.span.start];
    auto setBit = [bit](std::uint8_t *bits, std::size_t i) {
        if (bit)
            bits[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
        else
            bits[i / 8] &= static_cast<std::uint8_t>(~(1u << (i % 8)));
    };
    if (kind == 0) {
        const std::uint32_t first = get32(file.page(map.page).data() + map.span.start + 1);
        if (page >= first && page - first < (size - 5) * 8) {
            setBit(file.modify(map.page).data() + map.span.start + 5, page - first);
            return;
        }
        if (bit == outside)
            return;
        // The inline bitmap cannot reach the page: the map becomes a list of bitmap pages, which can. The
        // set bits carry over; every other page of the new map reads as clear (absent, or in use).
        const std::vector<std::uint32_t> pages = readPageMap(file, rowPointer);
        std::uint8_t *again = file.modify(map.page).data() + map.span.start;
        std::fill(again, again + size, std::uint8_t(0));
        again[0] = 1;
        for (std::uint32_t p : pages)
            setMapBit(file, rowPointer, p, true, false);
        setMapBit(file, rowPointer, page, bit, false);
        return;
    }
    // In a reference map a page past the slots, or in a slot without its bitmap page, reads as clear.
    const std::size_t perPage = std::size_t(file.format().pageSize - 4) * 8;
    const std::size_t slot = page / perPage;
    if (1 + 4 * slot + 4 > size) {
        if (!bit)
            return;
        fail(ErrorKind::Unsupported, "The page map on page " + std::to_string(map.page) + " of \"" +
                                         file.path() + "\" cannot reach page " + std::to_string(page));
    }
    std::uint32_t bitmapPage = get32(file.page(map.page).data() + map.span.start + 1 + 4 * slot);
    if (bitmapPage == 0) {
        if (!bit)
            return;
        bitmapPage = allocatePage(file);
        Bytes &fresh = file.modify(bitmapPage);
        fresh[0] = PageMapBitmap;
        fresh[1] = 0x01;
        put32(file.modify(map.page).data() + map.span.start + 1 + 4 * slot, bitmapPage);
    }
    const Bytes &bitmap = file.page(bitmapPage);
    if (bitmap[0] != PageMapBitmap)
        fail(ErrorKind::Corrupt, "Corrupt database \"" + file.path() + "\": page " +
                                     std::to_string(bitmapPage) + " is not a page-map page");
    setBit(file.modify(bitmapPage).data() + 4, page % perPage);
}

} // namespace

std::uint32_t allocatePage(PageFile &file)
{
    const std::uint32_t page = file.append();
    // In the file's own map (row 0 of page 1) a set bit means free. Were the new page left out of that map,
    // Access would count it as free and could give it to something else.
    setMapBit(file, makePointer(GlobalMapPage, 0), page, false, true);
    return page;
}

std::uint32_t PageAllocator::allocate()
{
    if (!m_free) {
        // In the file's own map a set bit means free.
        m_free = readPageMap(m_file, makePointer(GlobalMapPage, 0));
        std::reverse(m_free->begin(), m_free->end());
    }
    while (!m_free->empty()) {
        const std::uint32_t page = m_free->back();
        m_free->pop_back();
        // Another program may free a page without clearing it; only an empty page is surely unused.
        const Bytes &bytes = m_file.page(page);
        if (page <= GlobalMapPage ||
            std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b; }))
            continue;
        setMapBit(m_file, makePointer(GlobalMapPage, 0), page, false, true);
        return page;
    }
    return allocatePage(m_file);
}

void PageAllocator::release(std::uint32_t page)
{
    m_file.modify(page).assign(m_file.format().pageSize, 0);
    setMapBit(m_file, makePointer(GlobalMapPage, 0), page, true, true);
    if (m_free)
        m_free->push_back(page);
}

void changePageMap(PageFile &file, std::uint32_t rowPointer, std::uint32_t page, bool present)
{
    setMapBit(file, rowPointer, page, present, false);
}

} // namespace jet
