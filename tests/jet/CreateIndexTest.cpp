// The system tables' indexes of a new file, decoded here byte by byte and held against the rows they index
// and against the file the Jet engine itself wrote (adox_jet4.mdb).
#include "PeerTools.h"
#include "jet/Create.h"
#include "jet/IndexPages.h"
#include "jet/PageFile.h"
#include "jet/Rows.h"
#include "jet/TableDef.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t Page = 4096;

struct SystemTable
{
    const char *name;
    std::uint32_t page;
};
const SystemTable systemTables[] = {
    {"MSysObjects", 2}, {"MSysACEs", 3}, {"MSysQueries", 4}, {"MSysRelationships", 5}};

// ---- Decoding, written from the format notes and independent of the code under test ----

class RawFile
{
public:
    explicit RawFile(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        const std::string text = s.str();
        m_bytes.assign(text.begin(), text.end());
    }
    std::uint32_t pageCount() const { return static_cast<std::uint32_t>(m_bytes.size() / Page); }
    const std::uint8_t *page(std::uint32_t n) const { return m_bytes.data() + std::size_t(n) * Page; }
    std::size_t size() const { return m_bytes.size(); }

private:
    Bytes m_bytes;
};

std::uint16_t u16(const std::uint8_t *p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t u32(const std::uint8_t *p)
{
    return u16(p) | std::uint32_t(u16(p + 2)) << 16;
}

// Row `row` of a data page: [start, end).
std::pair<std::size_t, std::size_t> rowBounds(const std::uint8_t *page, std::size_t row)
{
    const std::size_t start = u16(page + 14 + 2 * row) & 0x1FFF;
    const std::size_t end = row == 0 ? Page : u16(page + 14 + 2 * (row - 1)) & 0x1FFF;
    return {start, end};
}

// The pages an inline page map lists, and how many pages its bitmap reaches.
struct PageMap
{
    std::set<std::uint32_t> pages;
    std::size_t reach = 0;
};
PageMap readInlineMap(const RawFile &file, std::uint32_t pointer)
{
    const std::uint8_t *page = file.page(pointer >> 8);
    const auto [start, end] = rowBounds(page, pointer & 0xFF);
    PageMap map;
    EXPECT_EQ(page[start], 0) << "inline map expected";
    const std::uint32_t first = u32(page + start + 1);
    map.reach = (end - start - 5) * 8;
    for (std::size_t i = 0; i < map.reach; ++i)
        if (page[start + 5 + i / 8] & (1u << (i % 8)))
            map.pages.insert(static_cast<std::uint32_t>(first + i));
    return map;
}

struct IndexDef
{
    std::string name;
    std::vector<std::string> columns; // all ascending
    std::uint8_t flags = 0;
    bool primaryKey = false;
    std::uint32_t firstPage = 0;
    std::uint32_t mapPointer = 0;
    std::vector<std::uint16_t> columnNumbers;
    std::uint32_t keyCount = 0; // the count the definition keeps

    bool sameDefinition(const IndexDef &o) const
    {
        return name == o.name && columns == o.columns && flags == o.flags && primaryKey == o.primaryKey;
    }
};

std::string asciiName(const std::uint8_t *p, std::size_t &pos)
{
    const std::size_t length = u16(p + pos);
    std::string name;
    for (std::size_t i = 0; i < length; i += 2)
        name += static_cast<char>(p[pos + 2 + i]);
    pos += 2 + length;
    return name;
}

// The indexes of a table whose definition fits its first page, in the order of their names.
std::vector<IndexDef> readIndexes(const RawFile &file, std::uint32_t tablePage)
{
    const std::uint8_t *p = file.page(tablePage);
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(u32(p + 4), 0u) << "definition continues on another page";
    const std::uint16_t columnCount = u16(p + 45);
    const std::uint32_t indexCount = u32(p + 47), realCount = u32(p + 51);
    std::size_t pos = 63 + 12 * std::size_t(realCount);
    std::map<std::uint16_t, std::string> columnNames;
    std::vector<std::uint16_t> numbers;
    for (std::uint16_t i = 0; i < columnCount; ++i, pos += 25)
        numbers.push_back(u16(p + pos + 5));
    for (std::uint16_t n : numbers)
        columnNames[n] = asciiName(p, pos);
    struct Real
    {
        std::vector<std::uint16_t> columns;
        std::uint32_t map, first;
        std::uint8_t flags;
    };
    std::vector<Real> reals;
    for (std::uint32_t i = 0; i < realCount; ++i, pos += 52) {
        Real r{{}, u32(p + pos + 34), u32(p + pos + 38), p[pos + 46]};
        for (std::size_t slot = 0; slot < 10; ++slot) {
            const std::uint16_t column = u16(p + pos + 4 + 3 * slot);
            if (column != 0xFFFF) {
                EXPECT_EQ(p[pos + 6 + 3 * slot], 1) << "ascending";
                r.columns.push_back(column);
            }
        }
        reals.push_back(r);
    }
    std::vector<IndexDef> indexes;
    for (std::uint32_t i = 0; i < indexCount; ++i, pos += 28) {
        const std::uint32_t real = u32(p + pos + 8);
        EXPECT_LT(real, reals.size());
        IndexDef d;
        d.primaryKey = p[pos + 23] == 1;
        if (real < reals.size()) {
            const Real &r = reals[real];
            for (std::uint16_t c : r.columns)
                d.columns.push_back(columnNames[c]);
            d.columnNumbers = r.columns;
            d.flags = r.flags;
            d.firstPage = r.first;
            d.mapPointer = r.map;
            d.keyCount = u32(p + 63 + 12 * std::size_t(real) + 4);
        }
        indexes.push_back(d);
    }
    for (IndexDef &d : indexes)
        d.name = asciiName(p, pos);
    return indexes;
}

// The entries of a leaf page; each ends with its row's page (3 bytes) and row number.
std::vector<Bytes> readLeaf(const std::uint8_t *p, std::uint32_t number)
{
    EXPECT_EQ(p[0], 4) << "page " << number << " is no index leaf";
    EXPECT_EQ(u16(p + 24), 0) << "entries share no prefix";
    std::vector<Bytes> entries;
    std::size_t start = 0;
    for (std::size_t bit = 0; bit < std::size_t(453) * 8; ++bit)
        if (p[27 + bit / 8] & (1u << (bit % 8))) {
            entries.emplace_back(p + 480 + start, p + 480 + bit);
            start = bit;
        }
    EXPECT_EQ(u16(p + 2), Page - 480 - start) << "free space of page " << number;
    return entries;
}

std::vector<Bytes> readLeaf(const RawFile &file, std::uint32_t number)
{
    return readLeaf(file.page(number), number);
}

jet::RowId entryRow(const Bytes &entry)
{
    const std::size_t n = entry.size();
    return {static_cast<std::uint32_t>(entry[n - 4] << 16 | entry[n - 3] << 8 | entry[n - 2]), entry[n - 1]};
}

Bytes longKey(std::int64_t value)
{
    const auto bits = static_cast<std::uint32_t>(value) ^ 0x80000000u;
    return {0x7F, std::uint8_t(bits >> 24), std::uint8_t(bits >> 16), std::uint8_t(bits >> 8),
            std::uint8_t(bits)};
}

std::string hex(const Bytes &b)
{
    std::string s;
    char buffer[4];
    for (std::uint8_t v : b) {
        std::snprintf(buffer, sizeof buffer, "%02x ", v);
        s += buffer;
    }
    return s;
}

// Name keys of the catalog index (ParentId, Name) in the Jet engine's own files, by name.
std::map<std::string, Bytes> engineNameKeys()
{
    std::map<std::string, Bytes> keys;
    if (peers::fixturesDir().empty())
        return keys;
    for (const char *sample : {"adox_jet4.mdb", "empty.mdb", "overflowTestV2000.mdb", "test2V2000.mdb"}) {
        const std::string path = peers::fixturesDir() + "/" + sample;
        RawFile raw(path);
        auto file = jet::PageFile::open(path);
        const jet::TableDef def = jet::readTableDef(*file, 2, "MSysObjects");
        for (const IndexDef &index : readIndexes(raw, 2)) {
            if (index.name != "ParentIdName")
                continue;
            for (const Bytes &entry : readLeaf(raw, index.firstPage)) {
                const auto values = jet::readRow(*file, def, entryRow(entry));
                keys[values[2].text] = Bytes(entry.begin() + 5, entry.end() - 4);
            }
        }
    }
    return keys;
}

const std::map<std::string, Bytes> &engineKeys()
{
    static const auto keys = engineNameKeys();
    return keys;
}

jet::NewTable tableNamed(const std::string &name)
{
    using T = jet::NewColumn::Type;
    return {name, {{"Indications", T::Text, 255}, {"Oils", T::Memo}}};
}

// ---- New files, one per table name ----

struct NameCase
{
    const char *label;
    const char *name;
    Bytes key; // of the name in the catalog index, worked out by hand from the "General" sort order
};

const NameCase nameCases[] = {
    {"Indications",
     "Indications",
     {0x7F, 0x59, 0x62, 0x4F, 0x59, 0x4D, 0x4A, 0x6D, 0x59, 0x64, 0x62, 0x6B, 0x01, 0x00}},
    {"SharedWithAnEngineFile", "Table1", {0x7F, 0x6D, 0x4A, 0x4C, 0x5E, 0x51, 0x38, 0x01, 0x00}},
    {"SpacesAndDigits",
     "Oil Blends 2",
     {0x7F, 0x64, 0x59, 0x5E, 0x07, 0x4C, 0x5E, 0x51, 0x62, 0x4F, 0x6B, 0x07, 0x3A, 0x01, 0x00}},
    {"SortsAfterEverySystemName",
     "zz Top 90",
     {0x7F, 0x78, 0x78, 0x07, 0x6D, 0x64, 0x66, 0x07, 0x48, 0x36, 0x01, 0x00}},
    {"SortsFirst", "A", {0x7F, 0x4A, 0x01, 0x00}},
};

void PrintTo(const NameCase &c, std::ostream *out)
{
    *out << '"' << c.name << '"';
}

class CreatedIndexTest : public ::testing::TestWithParam<NameCase>
{
protected:
    std::string path;
    void SetUp() override
    {
        path = peers::tempDir() + "/index-" + GetParam().label + ".mdb";
        std::vector<std::vector<jet::Value>> rows;
        rows.reserve(30);
        for (int i = 0; i < 30; ++i)
            rows.push_back(
                {jet::Value::ofText("Row " + std::to_string(i)), jet::Value::ofText(std::string(900, 'o'))});
        const auto created = jet::createDatabase(path, tableNamed(GetParam().name), rows);
        ASSERT_TRUE(created) << created.error().message;
    }
};

TEST_P(CreatedIndexTest, EveryRowIsIndexedOnceInKeyOrder)
{
    RawFile raw(path);
    auto file = jet::PageFile::open(path);
    for (const SystemTable &table : systemTables) {
        SCOPED_TRACE(table.name);
        const jet::TableDef def = jet::readTableDef(*file, table.page, table.name);
        const std::vector<jet::RowId> rows = jet::scanRows(*file, def);
        for (const IndexDef &index : readIndexes(raw, table.page)) {
            SCOPED_TRACE(index.name);
            const std::vector<Bytes> entries = readLeaf(raw, index.firstPage);
            ASSERT_EQ(entries.size(), rows.size());
            std::set<std::pair<std::uint32_t, std::uint16_t>> seen;
            std::set<Bytes> keys;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                if (i > 0) {
                    EXPECT_LT(entries[i - 1], entries[i]) << "entry " << i << " out of order";
                }
                const jet::RowId row = entryRow(entries[i]);
                EXPECT_TRUE(seen.insert({row.page, row.row}).second) << "row indexed twice";
                EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << "no such row";
                const auto values = jet::readRow(*file, def, row);
                const Bytes key(entries[i].begin(), entries[i].end() - 4);
                keys.insert(key);
                Bytes expected;
                bool known = true;
                for (std::uint16_t c : index.columnNumbers) {
                    Bytes segment;
                    if (def.columns[c].type == 4) {
                        segment = longKey(values[c].integer);
                    } else if (def.columns[c].type == 10 && values[c].text == GetParam().name) {
                        segment = GetParam().key;
                    } else if (def.columns[c].type == 10 && engineKeys().count(values[c].text)) {
                        segment = engineKeys().at(values[c].text);
                    } else {
                        ASSERT_EQ(def.columns[c].type, 10) << "only Long and text keys expected";
                        known = false; // a system name, known only from the sample files
                    }
                    expected.insert(expected.end(), segment.begin(), segment.end());
                }
                if (known) {
                    EXPECT_EQ(hex(key), hex(expected)) << "row " << row.page << ":" << row.row;
                }
            }
            EXPECT_EQ(index.keyCount, keys.size()) << "distinct keys the definition records";
        }
    }
    if (engineKeys().empty())
        GTEST_SKIP() << "keys of system names not compared: sample folder absent (AMBRELIS_SHARED_FIXTURES)";
}

INSTANTIATE_TEST_SUITE_P(Names, CreatedIndexTest, ::testing::ValuesIn(nameCases),
                         [](const auto &info) { return std::string(info.param.label); });

// The hand-worked keys above, held against the engine's wherever one of its catalogs has the name.
TEST(CreateIndexKeyTest, HandWorkedKeysEqualTheJetEnginesWhereItHasTheName)
{
    if (engineKeys().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    int compared = 0;
    for (const NameCase &c : nameCases)
        if (const auto it = engineKeys().find(c.name); it != engineKeys().end()) {
            EXPECT_EQ(hex(c.key), hex(it->second)) << c.name;
            ++compared;
        }
    EXPECT_GT(compared, 0);
}

// ---- Against the Jet engine's own file ----

class CreatedFileTest : public ::testing::Test
{
protected:
    std::string path = peers::tempDir() + "/index-definitions.mdb";
    std::string engine;
    void SetUp() override
    {
        ASSERT_TRUE(jet::createDatabase(path, tableNamed("Indications"), {}));
        if (!peers::fixturesDir().empty())
            engine = peers::fixturesDir() + "/adox_jet4.mdb";
    }
};

TEST_F(CreatedFileTest, SystemIndexesAreDefinedAsTheJetEngineDefinesThem)
{
    RawFile ours(path);
    for (const SystemTable &table : systemTables) {
        SCOPED_TRACE(table.name);
        const auto indexes = readIndexes(ours, table.page);
        ASSERT_FALSE(indexes.empty());
        std::set<std::uint32_t> pages;
        for (const IndexDef &index : indexes) {
            // Each index owns its one page, listed in its own page map and marked in use in the file's map.
            EXPECT_TRUE(pages.insert(index.firstPage).second) << index.name;
            EXPECT_EQ(readInlineMap(ours, index.mapPointer).pages, std::set<std::uint32_t>{index.firstPage})
                << index.name;
            EXPECT_EQ(u32(ours.page(index.firstPage) + 4), table.page) << index.name;
            EXPECT_EQ(readInlineMap(ours, 1u << 8).pages.count(index.firstPage), 0u) << index.name << " free";
        }
        if (engine.empty())
            continue;
        const auto theirs = readIndexes(RawFile(engine), table.page);
        ASSERT_EQ(indexes.size(), theirs.size());
        for (std::size_t i = 0; i < indexes.size(); ++i)
            EXPECT_TRUE(indexes[i].sameDefinition(theirs[i]))
                << indexes[i].name << " (" << int(indexes[i].flags) << ") against " << theirs[i].name << " ("
                << int(theirs[i].flags) << ")";
    }
    if (engine.empty())
        GTEST_SKIP() << "definitions not compared: sample folder absent (AMBRELIS_SHARED_FIXTURES)";
}

std::vector<std::string> indexLines(const std::string &file, const std::string &table)
{
    const auto out = peers::run("mdb-schema --indexes -T " + peers::quote(table) + " " + peers::quote(file) +
                                " postgres 2>/dev/null");
    std::vector<std::string> lines;
    std::istringstream in(out.output);
    for (std::string line; std::getline(in, line);)
        if (line.find("INDEX \"") != std::string::npos || line.find("PRIMARY KEY") != std::string::npos)
            lines.push_back(line);
    return lines;
}

TEST_F(CreatedFileTest, MdbSchemaListsTheSameIndexesAsForTheJetEnginesFile)
{
    if (engine.empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    for (const SystemTable &table : systemTables) {
        const auto theirs = indexLines(engine, table.name);
        EXPECT_FALSE(theirs.empty()) << table.name;
        EXPECT_EQ(indexLines(path, table.name), theirs) << table.name;
    }
}

TEST(CreateIndexRefusalTest, NamesTheCatalogIndexCannotTakeAreRefused)
{
    const char *names[] = {"Café", "Oil-Blends", "Trailing ",   " Leading",
                           "",     "msysaces",   "MSysObjects", "Tab\tle"};
    for (const std::string name : names) {
        const std::string path = peers::tempDir() + "/refused.mdb";
        const auto created = jet::createDatabase(path, tableNamed(name), {});
        ASSERT_FALSE(created) << "\"" << name << "\"";
        EXPECT_EQ(created.error().kind, jet::ErrorKind::Unsupported) << name;
        EXPECT_NE(created.error().message.find("\"" + name + "\""), std::string::npos)
            << created.error().message;
        EXPECT_FALSE(std::filesystem::exists(path)) << name;
    }
    const auto tooLong =
        jet::createDatabase(peers::tempDir() + "/refused.mdb", tableNamed(std::string(65, 'a')), {});
    EXPECT_FALSE(tooLong);
}

// Every page map of a new file lives on one page: two rows per memo field, beside the system tables' rows.
TEST(CreateIndexMapTest, MemoFieldsBeyondWhatThePageMapsHoldAreRefused)
{
    for (const auto &[memos, fits] : {std::pair{12, true}, std::pair{13, false}}) {
        jet::NewTable table{"Notes", {{"Title", jet::NewColumn::Type::Text, 50}}};
        for (int i = 0; i < memos; ++i)
            table.columns.push_back({"Memo" + std::to_string(i), jet::NewColumn::Type::Memo});
        const std::string path = peers::tempDir() + "/memos-" + std::to_string(memos) + ".mdb";
        const auto created = jet::createDatabase(path, table, {});
        EXPECT_EQ(bool(created), fits) << memos << " memo fields";
        EXPECT_EQ(std::filesystem::exists(path), fits);
        if (fits) {
            RawFile raw(path);
            const std::uint8_t *maps = raw.page(6);
            const std::size_t rows = u16(maps + 12);
            EXPECT_EQ(rows, 31u + 2 + 2 * memos);
            EXPECT_GE(rowBounds(maps, rows - 1).first, 14 + 2 * rows) << "rows overlap";
        } else {
            EXPECT_EQ(created.error().kind, jet::ErrorKind::Unsupported);
        }
    }
}

// The entries of one page may fill it to the last byte, and no further.
TEST(IndexLeafPageTest, FillsOnePageExactlyAndRefusesMore)
{
    struct Case
    {
        const char *name;
        std::size_t lastEntrySize;
        bool fits;
    };
    for (const Case &c : {Case{"ExactlyFull", 8, true}, Case{"OneByteOver", 9, false}}) {
        SCOPED_TRACE(c.name);
        std::vector<Bytes> entries;
        for (std::size_t i = 0; i < 451; ++i) // 451 * 8 + 8 = 3616 bytes: all the page has for entries
            entries.push_back({0x7F, 0x80, 0, std::uint8_t(i >> 8), std::uint8_t(i), 0, 0, 9});
        entries.push_back(Bytes(c.lastEntrySize, 0x7F));
        std::vector<Bytes> shuffled(entries.rbegin(), entries.rend());
        std::sort(entries.begin(), entries.end());
        try {
            const Bytes page = jet::indexLeafPage(jet::Format::jet4(), 2, shuffled, "Index \"Id\"");
            ASSERT_TRUE(c.fits);
            ASSERT_EQ(page.size(), Page);
            EXPECT_TRUE(readLeaf(page.data(), 0) == entries) << "entries stored whole, in key order";
            EXPECT_EQ(u32(page.data() + 4), 2u);
        } catch (const jet::Failure &f) {
            EXPECT_FALSE(c.fits) << f.error.message;
            EXPECT_EQ(f.error.kind, jet::ErrorKind::Unsupported);
            EXPECT_NE(f.error.message.find("Index \"Id\""), std::string::npos) << f.error.message;
        }
    }
}

// A file past 2 MB keeps every page it uses marked in use: the file's own map reaches that far.
TEST(CreateIndexMapTest, PageMapCoversAFileFarBeyondTwoMegabytes)
{
    const std::string path = peers::tempDir() + "/large.mdb";
    std::vector<std::vector<jet::Value>> rows;
    rows.reserve(700);
    for (int i = 0; i < 700; ++i)
        rows.push_back({jet::Value::ofText("Row " + std::to_string(i)),
                        jet::Value::ofText(std::string(4000, 'a' + i % 26))});
    const auto created = jet::createDatabase(path, tableNamed("Large"), rows);
    ASSERT_TRUE(created) << created.error().message;
    RawFile raw(path);
    ASSERT_GT(raw.size(), 2u * 1024 * 1024);
    const PageMap global = readInlineMap(raw, 1u << 8); // row 0 of page 1: set bits are free pages
    EXPECT_GE(global.reach, 32000u);
    for (std::uint32_t p = 0; p < raw.pageCount(); ++p)
        EXPECT_EQ(global.pages.count(p), 0u) << "page " << p << " of " << raw.pageCount() << " is in use";
    EXPECT_EQ(global.pages.size(), global.reach - raw.pageCount()) << "every page past the end is free";
}

} // namespace
