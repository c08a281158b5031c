#include "jet/Create.h"

#include "jet/Bytes.h"
#include "jet/Format.h"
#include "jet/IndexKeys.h"
#include "jet/IndexPages.h"
#include "jet/PageFile.h"
#include "jet/Rows.h"
#include "jet/TableDef.h"
#include "jet/Text.h"
#include "jet/Writer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <unistd.h>

namespace jet {

namespace {

// Fixed page numbers of a new file; the system tables' index pages follow the user table's definition.
constexpr std::uint32_t GlobalMapPage = 1;
constexpr std::uint32_t CatalogPage = 2;
constexpr std::uint32_t AcesPage = 3;
constexpr std::uint32_t QueriesPage = 4;
constexpr std::uint32_t RelationshipsPage = 5;
constexpr std::uint32_t MapsPage = 6;
constexpr std::uint32_t UserTablePage = 7;
constexpr std::uint32_t FirstIndexPage = 8;

constexpr std::uint32_t TableMagic = 1625;  // stored in every definition and column block
constexpr std::uint32_t IndexMagic = 1923;  // stored in every index block
constexpr std::uint16_t SortGeneral = 1033; // the "General" sort order
constexpr std::size_t InlineMapBytes = 64;  // bitmap of an inline page map: 512 pages

// Index flags as Jet sets them on the system tables' indexes.
constexpr std::uint8_t IndexUnique = 0x01;
constexpr std::uint8_t IndexIgnoreNulls = 0x02;
constexpr std::uint8_t IndexRequired = 0x08;
constexpr std::uint8_t IndexAlwaysSet = 0x80; // on every index of the Jet 4 sample files
constexpr std::size_t IndexColumnSlots = 10;

constexpr std::uint8_t FlagsFixed = 0x13;
constexpr std::uint8_t FlagsVariable = 0x12;
constexpr std::uint8_t FlagsBinary = 0x32;
constexpr std::uint8_t FlagsUserVariable = 0x02; // what Access gives the columns of a user's table

constexpr std::int64_t TablesContainer = 0x0F000001;
constexpr std::int64_t DatabasesContainer = 0x0F000002;
constexpr std::int64_t RelationshipsContainer = 0x0F000003;
constexpr std::int64_t RootContainer = 0x0F000000;
constexpr std::int64_t DatabaseObject = 0x10000000;
constexpr std::int64_t SystemObject = -2147483648LL; // flag 0x80000000 as the signed Long it is stored as

struct ColumnSpec
{
    const char *name;
    std::uint8_t type;
    std::uint16_t length;
    std::uint8_t flags;
    std::uint8_t extFlags = 0;
};

struct IndexSpec
{
    const char *name;
    std::vector<std::uint16_t> columns; // column numbers, each ascending
    std::uint8_t flags;
    bool primaryKey = false;
};

struct TableSpec
{
    std::string name;
    std::uint32_t page;
    std::uint8_t tableType;
    std::vector<ColumnSpec> columns;     // in column-number order
    std::vector<IndexSpec> indexes = {}; // in index-number order
};

std::vector<ColumnSpec> catalogColumns()
{
    return {
        {"Id", TypeLong, 4, FlagsFixed},
        {"ParentId", TypeLong, 4, FlagsFixed},
        {"Name", TypeText, 510, FlagsVariable},
        {"Type", TypeInt, 2, FlagsFixed},
        {"DateCreate", TypeDateTime, 8, FlagsFixed},
        {"DateUpdate", TypeDateTime, 8, FlagsFixed},
        {"Owner", TypeBinary, 510, FlagsBinary},
        {"Flags", TypeLong, 4, FlagsFixed},
        {"Database", TypeMemo, 0, FlagsVariable},
        {"Connect", TypeMemo, 0, FlagsVariable},
        {"ForeignName", TypeText, 510, FlagsVariable},
        {"RmtInfoShort", TypeBinary, 510, FlagsVariable},
        {"RmtInfoLong", TypeOle, 0, FlagsVariable},
        {"Lv", TypeOle, 0, FlagsVariable},
        {"LvProp", TypeOle, 0, FlagsVariable},
        {"LvModule", TypeOle, 0, FlagsVariable},
        {"LvExtra", TypeOle, 0, FlagsVariable},
    };
}

std::vector<TableSpec> systemTables()
{
    return {
        {"MSysObjects",
         CatalogPage,
         TableSystem,
         catalogColumns(),
         {{"ParentIdName", {1, 2}, IndexAlwaysSet | IndexUnique},
          {"Id", {0}, IndexAlwaysSet | IndexUnique, true}}},
        {"MSysACEs",
         AcesPage,
         TableSystem,
         {{"ObjectId", TypeLong, 4, FlagsFixed},
          {"SID", TypeBinary, 510, FlagsBinary},
          {"ACM", TypeLong, 4, FlagsFixed},
          {"FInheritable", TypeBool, 1, FlagsFixed}},
         {{"ObjectId", {0}, IndexAlwaysSet | IndexRequired}}},
        {"MSysQueries",
         QueriesPage,
         TableSystem,
         {{"ObjectId", TypeLong, 4, FlagsFixed},
          {"Attribute", TypeByte, 1, FlagsFixed},
          {"Order", TypeBinary, 510, FlagsVariable},
          {"Name1", TypeText, 510, FlagsVariable},
          {"Name2", TypeText, 510, FlagsVariable},
          {"Expression", TypeMemo, 0, FlagsVariable},
          {"Flag", TypeInt, 2, FlagsFixed},
          {"LvExtra", TypeLong, 4, FlagsFixed}},
         {{"ObjectIdAttribute", {0, 1, 2}, IndexAlwaysSet | IndexUnique, true}}},
        {"MSysRelationships",
         RelationshipsPage,
         TableSystem,
         {{"szRelationship", TypeText, 510, FlagsVariable},
          {"grbit", TypeLong, 4, FlagsFixed},
          {"ccolumn", TypeLong, 4, FlagsFixed},
          {"icolumn", TypeLong, 4, FlagsFixed},
          {"szObject", TypeText, 510, FlagsVariable},
          {"szColumn", TypeText, 510, FlagsVariable},
          {"szReferencedObject", TypeText, 510, FlagsVariable},
          {"szReferencedColumn", TypeText, 510, FlagsVariable}},
         {{"szRelationship", {0}, IndexAlwaysSet | IndexIgnoreNulls},
          {"szObject", {4}, IndexAlwaysSet | IndexIgnoreNulls},
          {"szReferencedObject", {6}, IndexAlwaysSet | IndexIgnoreNulls}}},
    };
}

// Where each index of the system tables keeps its one page, in table and index order.
std::vector<std::vector<std::uint32_t>> indexPages(const std::vector<TableSpec> &tables)
{
    std::vector<std::vector<std::uint32_t>> pages;
    std::uint32_t next = FirstIndexPage;
    for (const TableSpec &t : tables) {
        pages.emplace_back();
        for (std::size_t i = 0; i < t.indexes.size(); ++i)
            pages.back().push_back(next++);
    }
    return pages;
}

// The page that holds every page-map row of the new file: tables and long values have two (owned and free
// pages), indexes one (their pages).
class MapPage
{
public:
    explicit MapPage(const Format &f) : m_format(f) {}
    // Returns the row pointer of the owned-pages map; the free-pages map is the next row.
    std::uint32_t addPair()
    {
        const std::uint32_t owned = addRow({});
        addRow({});
        return owned;
    }
    std::uint32_t addRow(std::vector<std::uint32_t> pages)
    {
        const auto row = static_cast<std::uint32_t>(m_rows.size());
        m_rows.push_back(std::move(pages));
        return makePointer(MapsPage, row);
    }
    Bytes build() const
    {
        Bytes page(m_format.pageSize, 0);
        page[0] = PageData;
        page[1] = 0x01;
        const std::size_t rowSize = 5 + InlineMapBytes;
        const std::size_t header = m_format.dataRowTable + 2 * m_rows.size();
        if (header + rowSize * m_rows.size() > m_format.pageSize)
            fail(ErrorKind::Unsupported,
                 "The page maps of a new file with this many memo fields do not fit one page");
        std::size_t pos = m_format.pageSize;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            pos -= rowSize; // type 0 (inline), first page 0, then the bitmap
            for (std::uint32_t p : m_rows[i])
                page[pos + 5 + p / 8] |= static_cast<std::uint8_t>(1u << (p % 8));
            put16(page.data() + m_format.dataRowTable + 2 * i, static_cast<std::uint32_t>(pos));
        }
        put16(page.data() + 2, static_cast<std::uint32_t>(pos - header));
        put16(page.data() + m_format.dataRowCount, static_cast<std::uint32_t>(m_rows.size()));
        return page;
    }

private:
    const Format &m_format;
    std::vector<std::vector<std::uint32_t>> m_rows;
};

// Index blocks after the column names: the real indexes (their columns, page map and first page), then the
// logical ones in name order with their names; Jet keeps names sorted as it does for columns.
void appendIndexBlocks(Bytes &def, const TableSpec &spec, const std::vector<std::uint32_t> &indexMaps,
                       const std::vector<std::uint32_t> &indexPages)
{
    for (std::size_t i = 0; i < spec.indexes.size(); ++i) {
        const IndexSpec &x = spec.indexes[i];
        append32(def, IndexMagic);
        for (std::size_t slot = 0; slot < IndexColumnSlots; ++slot) {
            const bool used = slot < x.columns.size();
            append16(def, used ? x.columns[slot] : 0xFFFF);
            def.push_back(used ? 0x01 : 0x00); // 1: ascending
        }
        append32(def, indexMaps[i]);
        append32(def, indexPages[i]);
        append32(def, 0);
        def.push_back(x.flags);
        def.insert(def.end(), 5, 0);
    }
    std::vector<std::size_t> byName(spec.indexes.size());
    for (std::size_t i = 0; i < byName.size(); ++i)
        byName[i] = i;
    std::stable_sort(byName.begin(), byName.end(), [&](std::size_t a, std::size_t b) {
        return foldCase(spec.indexes[a].name) < foldCase(spec.indexes[b].name);
    });
    for (std::size_t i : byName) {
        append32(def, TableMagic);
        append32(def, static_cast<std::uint32_t>(i)); // the index's number
        append32(def, static_cast<std::uint32_t>(i)); // the real index it uses
        def.push_back(0);                             // no related table
        append32(def, 0xFFFFFFFF);
        append32(def, 0);
        def.push_back(0x04);
        def.push_back(0x04);
        def.push_back(spec.indexes[i].primaryKey ? 0x01 : 0x00);
        append32(def, 0);
    }
    for (std::size_t i : byName) {
        const Bytes name = encodeJet4Text(spec.indexes[i].name, false);
        append16(def, static_cast<std::uint32_t>(name.size()));
        def.insert(def.end(), name.begin(), name.end());
    }
}

Bytes tableDefPage(const Format &f, const TableSpec &spec, MapPage &maps,
                   const std::vector<std::uint32_t> &indexPages = {})
{
    const std::uint32_t owned = maps.addPair();
    std::vector<LongValueMaps> longValueMaps;
    std::uint16_t varCount = 0;
    for (std::size_t i = 0; i < spec.columns.size(); ++i) {
        const ColumnSpec &c = spec.columns[i];
        if (!(c.flags & ColFixed))
            ++varCount;
        if (c.type == TypeMemo || c.type == TypeOle) {
            const std::uint32_t lv = maps.addPair();
            longValueMaps.push_back({static_cast<std::uint16_t>(i), lv, lv + 1});
        }
    }
    std::vector<std::uint32_t> indexMaps;
    indexMaps.reserve(indexPages.size());
    for (std::uint32_t page : indexPages)
        indexMaps.push_back(maps.addRow({page}));

    const auto indexCount = static_cast<std::uint32_t>(spec.indexes.size());
    Bytes def(f.tdefIndexInfo + indexCount * f.realIndexInfoSize, 0); // index entry counts: set once filled
    def[0] = PageTableDef;
    def[1] = 0x01;
    put32(def.data() + 12, TableMagic);
    def[24] = 0x01;
    def[f.tdefTableType] = spec.tableType;
    const auto columnCount = static_cast<std::uint32_t>(spec.columns.size());
    put16(def.data() + f.tdefMaxColumns, columnCount);
    put16(def.data() + f.tdefVarColumns, varCount);
    put16(def.data() + f.tdefColumnCount, columnCount);
    put32(def.data() + f.tdefIndexCount, indexCount);
    put32(def.data() + f.tdefRealIndexCount, indexCount);
    put32(def.data() + f.tdefOwnedPages, owned);
    put32(def.data() + f.tdefFreePages, owned + 1);

    // Column blocks and names go in name order, as Jet keeps them.
    std::vector<std::size_t> order(spec.columns.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return foldCase(spec.columns[a].name) < foldCase(spec.columns[b].name);
    });
    std::vector<std::uint16_t> fixedOffset(spec.columns.size(), 0), varIndex(spec.columns.size(), 0);
    std::uint16_t nextFixed = 0, nextVar = 0;
    for (std::size_t i = 0; i < spec.columns.size(); ++i) {
        const ColumnSpec &c = spec.columns[i];
        if (c.flags & ColFixed) {
            varIndex[i] = nextVar;    // Jet records how many variable columns precede a fixed one
            if (c.type != TypeBool) { // a Yes/No value lives in the null mask, and Jet gives it offset 0
                fixedOffset[i] = nextFixed;
                nextFixed = static_cast<std::uint16_t>(nextFixed + c.length);
            }
        } else {
            varIndex[i] = nextVar++;
        }
    }
    for (std::size_t i : order) {
        const ColumnSpec &c = spec.columns[i];
        Bytes block(f.columnBlockSize, 0);
        block[f.colType] = c.type;
        put32(block.data() + 1, TableMagic);
        put16(block.data() + f.colNumber, static_cast<std::uint32_t>(i));
        put16(block.data() + f.colVarIndex, varIndex[i]);
        if (spec.tableType == TableUser)
            put16(block.data() + 9, static_cast<std::uint32_t>(i)); // the column's place in the table
        put16(block.data() + 11, SortGeneral);
        block[f.colFlags] = c.flags;
        block[f.colExtFlags] = c.extFlags;
        put16(block.data() + f.colFixedOffset, fixedOffset[i]);
        put16(block.data() + f.colLength, c.length);
        def.insert(def.end(), block.begin(), block.end());
    }
    for (std::size_t i : order) {
        const Bytes name = encodeJet4Text(spec.columns[i].name, false);
        append16(def, static_cast<std::uint32_t>(name.size()));
        def.insert(def.end(), name.begin(), name.end());
    }
    appendIndexBlocks(def, spec, indexMaps, indexPages);
    // The long-value maps, like the columns, in name order.
    for (std::size_t i : order)
        for (const LongValueMaps &m : longValueMaps)
            if (m.column == i) {
                append16(def, m.column);
                append32(def, m.owned);
                append32(def, m.free);
            }
    append16(def, 0xFFFF);
    if (def.size() > f.pageSize)
        fail(ErrorKind::Unsupported, "The definition of table \"" + spec.name + "\" does not fit one page");
    put32(def.data() + 8, static_cast<std::uint32_t>(def.size()));
    put16(def.data() + 2, static_cast<std::uint32_t>(f.pageSize - def.size() - 8));
    def.resize(f.pageSize, 0);
    return def;
}

Bytes headerPage(const Format &f, double created)
{
    Bytes page(f.pageSize, 0);
    const std::uint8_t start[] = {0x00, 0x01, 0x00, 0x00};
    std::copy(std::begin(start), std::end(start), page.begin());
    std::memcpy(page.data() + 4, "Standard Jet DB", 15);
    page[0x14] = 0x01; // Jet 4
    // Fields under the mask (values as every Jet 4 file carries them).
    page[0x19] = 0x01;
    page[0x1C] = 0x01;
    page[0x1D] = 0x01;
    for (std::uint32_t i = 0; i < 4; ++i)
        put32(page.data() + 0x20 + std::size_t(4) * i, 2 + i);
    put16(page.data() + 0x3C, 1252); // code page
    // An empty password is stored as the whole-day part of the creation date, repeated.
    const auto day = static_cast<std::uint32_t>(std::floor(created));
    for (std::size_t i = 0; i < 10; ++i)
        put32(page.data() + 0x42 + 4 * i, day);
    put16(page.data() + 0x6E, SortGeneral);
    std::memcpy(page.data() + 0x72, &created, sizeof created);
    applyHeaderMask(page.data() + 0x18, f.headerMaskLength);
    return page;
}

// The file's own map: row 0 of page 1, where a set bit marks a free page; pages past the end count as free.
// The bitmap takes all of the page that row 1 leaves, so that the file can grow to about 125 MB (32,032
// pages) before the map runs out.
Bytes globalMapPage(const Format &f, std::uint32_t usedPages)
{
    Bytes page(f.pageSize, 0);
    page[0] = PageData;
    page[1] = 0x01;
    put32(page.data() + 4, GlobalMapPage); // where a data page names its table, Jet names this page itself
    const Bytes second(5 + InlineMapBytes, 0);
    const std::size_t header = f.dataRowTable + 4;
    Bytes map(f.pageSize - header - second.size(), 0xFF);
    map[0] = 0;
    put32(map.data() + 1, 0);
    for (std::uint32_t p = 0; p < usedPages; ++p)
        map[5 + p / 8] &= static_cast<std::uint8_t>(~(1u << (p % 8)));
    const std::size_t first = f.pageSize - map.size();
    const std::size_t next = first - second.size();
    std::copy(map.begin(), map.end(), page.begin() + static_cast<std::ptrdiff_t>(first));
    put16(page.data() + f.dataRowTable, static_cast<std::uint32_t>(first));
    put16(page.data() + f.dataRowTable + 2, static_cast<std::uint32_t>(next));
    put16(page.data() + 2, static_cast<std::uint32_t>(next - header));
    put16(page.data() + f.dataRowCount, 2);
    return page;
}

double jetNow()
{
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 25569.0 + std::floor(seconds) / 86400.0; // day 25569 is 1 January 1970
}

Value date(double d)
{
    return Value::ofReal(Value::Kind::DateTime, d);
}

Value longValue(std::int64_t n)
{
    return Value::ofInteger(Value::Kind::Long, n);
}

std::vector<Value> catalogRow(std::int64_t id, std::int64_t parent, const std::string &name,
                              std::int64_t type, std::int64_t flags, double now)
{
    std::vector<Value> row(17);
    row[0] = longValue(id);
    row[1] = longValue(parent);
    row[2] = Value::ofText(name);
    row[3] = Value::ofInteger(Value::Kind::Int, type);
    row[4] = date(now);
    row[5] = date(now);
    row[6].kind = Value::Kind::Binary; // owner: present, empty
    row[7] = longValue(flags);
    return row;
}

// The catalog's unique index on (ParentId, Name) must take the new table's name.
void checkTableName(const std::string &name)
{
    if (name.empty() || name.size() > 64 || name.front() == ' ' || !hasGeneralTextKey(name))
        fail(ErrorKind::Unsupported, "Table name \"" + name +
                                         "\" is not supported: use 1 to 64 ASCII letters, digits and spaces "
                                         "between words");
    for (const TableSpec &spec : systemTables())
        if (foldCase(spec.name) == foldCase(name))
            fail(ErrorKind::Unsupported, "Table name \"" + name + "\" is taken by a system table");
}

// Fills the index pages of a system table from the rows it holds, and records in its definition how many
// distinct keys each index has, as Jet does.
void fillIndexes(PageFile &file, const TableSpec &spec, const std::vector<std::uint32_t> &pages)
{
    const Format &f = file.format();
    const TableDef def = readTableDef(file, spec.page, spec.name);
    const std::vector<RowId> ids = scanRows(file, def);
    std::vector<std::vector<Value>> rows;
    rows.reserve(ids.size());
    RowReader reader(file, def);
    for (RowId id : ids)
        rows.push_back(reader.read(id));
    for (std::size_t i = 0; i < spec.indexes.size(); ++i) {
        const IndexSpec &index = spec.indexes[i];
        const std::string what = "Index \"" + std::string(index.name) + "\" of table \"" + spec.name + "\"";
        std::vector<Bytes> entries;
        std::set<Bytes> keys;
        for (std::size_t r = 0; r < ids.size(); ++r) {
            std::vector<Bytes> segments;
            for (std::uint16_t c : index.columns)
                segments.push_back(indexKey(def.columns.at(c), rows[r].at(c)));
            entries.push_back(indexEntry(segments, ids[r]));
            const Bytes key(entries.back().begin(), entries.back().end() - 4);
            if (!keys.insert(key).second && (index.flags & IndexUnique))
                fail(ErrorKind::Unsupported, what + " would hold the same key twice");
        }
        file.modify(pages[i]) = indexLeafPage(f, spec.page, std::move(entries), what);
        put32(file.modify(spec.page).data() + f.tdefIndexInfo + i * f.realIndexInfoSize + 4,
              static_cast<std::uint32_t>(keys.size()));
    }
}

} // namespace

Status createDatabase(const std::string &path, const NewTable &table,
                      const std::vector<std::vector<Value>> &rows)
{
    return guarded([&]() -> Status {
        const Format &f = Format::jet4();
        if (table.columns.empty())
            fail(ErrorKind::Unsupported, "Table \"" + table.name + "\" needs at least one column");
        checkTableName(table.name);
        const double now = jetNow();

        TableSpec user{table.name, UserTablePage, TableUser, {}};
        for (const NewColumn &c : table.columns) {
            const bool text = c.type == NewColumn::Type::Text;
            if (text && (c.size == 0 || c.size > 255))
                fail(ErrorKind::Unsupported, "Text field \"" + c.name + "\" must hold 1 to 255 characters");
            user.columns.push_back({c.name.c_str(), text ? TypeText : TypeMemo,
                                    static_cast<std::uint16_t>(text ? 2 * c.size : 0), FlagsUserVariable,
                                    ColExtCompressed});
        }

        const std::vector<TableSpec> system = systemTables();
        const auto systemIndexPages = indexPages(system);
        std::uint32_t pageCount = FirstIndexPage;
        for (const auto &p : systemIndexPages)
            pageCount += static_cast<std::uint32_t>(p.size());

        MapPage maps(f);
        std::vector<Bytes> pages(pageCount);
        pages[0] = headerPage(f, now);
        pages[GlobalMapPage] = globalMapPage(f, pageCount);
        for (std::size_t t = 0; t < system.size(); ++t) {
            pages[system[t].page] = tableDefPage(f, system[t], maps, systemIndexPages[t]);
            for (std::uint32_t p : systemIndexPages[t])
                pages[p] = indexLeafPage(f, system[t].page, {}, system[t].name);
        }
        pages[UserTablePage] = tableDefPage(f, user, maps);
        pages[MapsPage] = maps.build();

        const std::string temporary = path + ".new";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            for (const Bytes &p : pages)
                out.write(reinterpret_cast<const char *>(p.data()), static_cast<std::streamsize>(p.size()));
            out.flush();
            if (!out)
                fail(ErrorKind::Io, "Cannot write \"" + temporary + "\"");
        }
        try {
            auto file = PageFile::open(temporary);
            file->begin();
            {
                TableWriter catalog(*file, readTableDef(*file, CatalogPage, "MSysObjects"));
                catalog.insert(catalogRow(TablesContainer, RootContainer, "Tables", 3, SystemObject, now));
                catalog.insert(
                    catalogRow(DatabasesContainer, RootContainer, "Databases", 3, SystemObject, now));
                catalog.insert(
                    catalogRow(RelationshipsContainer, RootContainer, "Relationships", 3, SystemObject, now));
                catalog.insert(
                    catalogRow(DatabaseObject, DatabasesContainer, "MSysDb", 2, SystemObject, now));
                for (const TableSpec &spec : system)
                    catalog.insert(catalogRow(spec.page, TablesContainer, spec.name, 1, SystemObject, now));
                catalog.insert(catalogRow(UserTablePage, TablesContainer, table.name, 1, 0, now));
                catalog.finish();
            }
            TableWriter writer(*file, readTableDef(*file, UserTablePage, table.name));
            for (const auto &row : rows)
                writer.insert(row);
            writer.finish();
            for (std::size_t t = 0; t < system.size(); ++t)
                fillIndexes(*file, system[t], systemIndexPages[t]);
            file->commit();
        } catch (...) {
            std::remove(temporary.c_str());
            throw;
        }
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            std::remove(temporary.c_str());
            fail(ErrorKind::Io, "Cannot create \"" + path + "\"");
        }
        return {};
    });
}

} // namespace jet
