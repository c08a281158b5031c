#include "PeerTools.h"
#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"
#include "jet/Database.h"
#include "jet/PageFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<jet::Value>>;

jet::Value text(const std::string &s)
{
    return jet::Value::ofText(s);
}

std::string repeat(const std::string &s, std::size_t n)
{
    std::string out;
    while (n--)
        out += s;
    return out;
}

jet::NewTable indicationsTable()
{
    return indications::tableDefinition();
}

Rows startRows()
{
    Rows rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back({text("Name " + std::to_string(i)), text("Oils " + std::to_string(i)),
                        text(repeat("Method ", i % 7 == 0 ? 300 : 3)),
                        text(i % 5 == 0 ? repeat("Note ", 2000) : "")});
    return rows;
}

std::string freshCopy(const std::string &name, const std::string &folder = peers::tempDir())
{
    const std::string path = folder + "/" + name;
    fs::remove(path);
    fs::remove(jet::PageFile::journalPath(path));
    EXPECT_TRUE(jet::createDatabase(path, indicationsTable(), startRows()));
    return path;
}

Rows readAll(const std::string &path, const std::string &table = "Indications")
{
    auto db = jet::Database::open(path);
    EXPECT_TRUE(db) << db.error().message;
    if (!db)
        return {};
    auto data = (*db)->readTable(table);
    EXPECT_TRUE(data) << data.error().message;
    return data ? data->rows : Rows{};
}

// Both peers must read what we read, for every table of the file.
void expectPeersAgree(const std::string &path)
{
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    for (const std::string &table : (*db)->tableNames(true)) {
        auto ours = peers::ourExport(**db, table);
        auto theirs = peers::mdbExport(path, table);
        ASSERT_FALSE(theirs.empty()) << "mdb-export failed on " << table;
        std::sort(ours.begin() + 1, ours.end());
        std::sort(theirs.begin() + 1, theirs.end());
        EXPECT_EQ(ours, theirs) << table;
    }
    const auto count = peers::run("mdb-count " + peers::quote(path) + " Indications");
    EXPECT_EQ(count.output, std::to_string((*db)->readTable("Indications")->rows.size()) + "\n");

    std::string whyNot;
    const auto json = peers::mdbReaderJson(path, &whyNot);
    if (!json)
        GTEST_SKIP() << "mdb-reader not compared: " << whyNot;
    ASSERT_FALSE(json->empty()) << whyNot;
    const QJsonArray rows =
        QJsonDocument::fromJson(QByteArray::fromStdString(*json)).object()["Indications"].toArray();
    std::vector<std::vector<std::string>> theirs, ours;
    for (const QJsonValue &row : rows) {
        std::vector<std::string> r;
        for (const indications::Field field : indications::Fields) {
            const char *f = indications::fieldName(field);
            r.push_back(row.toObject()[f].isNull() ? "<null>" : row.toObject()[f].toString().toStdString());
        }
        theirs.push_back(r);
    }
    const auto table = (*db)->readTable("Indications");
    for (const auto &row : table->rows) {
        std::vector<std::string> r;
        for (const jet::Value &v : row)
            r.push_back(v.isNull() ? "<null>" : v.text);
        ours.push_back(r);
    }
    std::sort(theirs.begin(), theirs.end());
    std::sort(ours.begin(), ours.end());
    EXPECT_EQ(theirs, ours) << "mdb-reader";
}

struct UpdateCase
{
    const char *name;
    std::size_t row;
    std::size_t field;
    jet::Value value;
    bool moves = false; // the row no longer fits its page and leaves an overflow pointer behind
};

bool leftAPointer(const std::string &path, jet::RowId id)
{
    auto file = jet::PageFile::open(path);
    const jet::Bytes &page = file->page(id.page);
    const std::uint16_t entry = jet::get16(page.data() + file->format().dataRowTable + 2 * id.row);
    return (entry & (jet::RowOverflow | jet::RowDeleted)) == jet::RowOverflow;
}

const UpdateCase updateCases[] = {
    {"TextGrowsInPlace", 3, 0, text("Name 3 with a longer name")},
    {"TextBecomesNonLatin", 4, 0, text("Bronchite à Ελλάδα 支气管炎")},
    {"InlineMemoBecomesOneLongValueRow", 1, 1, text(repeat("Lavender, ", 250))},
    {"InlineMemoBecomesAChain", 2, 2, text(repeat("Steam inhalation. ", 700))},
    {"ChainShrinksToInline", 0, 3, text("Short note")},
    {"LongValueRowShrinksToEmpty", 7, 2, text("")},
    {"MemoBecomesNull", 10, 3, jet::Value::null()},
    {"RowOutgrowsItsPageAndMoves", 12, 1, text(repeat("Rosemary ", 200)), true},
};

class UpdateTest : public ::testing::TestWithParam<UpdateCase>
{
};

TEST_P(UpdateTest, ChangesOnlyThatFieldAndPeersReadTheResult)
{
    const UpdateCase &c = GetParam();
    const std::string path = freshCopy(std::string("update-") + c.name + ".mdb");
    Rows expected = startRows();
    jet::RowId id;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db) << db.error().message;
        auto ids = (*db)->rowIds("Indications");
        id = (*ids)[c.row];
        ASSERT_TRUE(ids);
        ASSERT_TRUE((*db)->updateRow("Indications", (*ids)[c.row], {{c.field, c.value}}));
        expected[c.row][c.field] = c.value;
        // A second change to the same row, after it may have moved, still finds it.
        ASSERT_TRUE((*db)->updateRow("Indications", (*ids)[c.row], {{0, text("Renamed")}}));
        expected[c.row][0] = text("Renamed");
        EXPECT_EQ((*db)->readTable("Indications")->rows, expected);
    }
    if (c.moves) {
        EXPECT_TRUE(leftAPointer(path, id));
    }
    EXPECT_EQ(readAll(path), expected);
    expectPeersAgree(path);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdateTest, ::testing::ValuesIn(updateCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(WriterTest, InsertsFillPagesThenAllocateNewOnes)
{
    const std::string path = freshCopy("insert.mdb");
    const auto before = fs::file_size(path);
    Rows expected = startRows();
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db);
        for (int i = 0; i < 150; ++i) {
            std::vector<jet::Value> row{text("Added " + std::to_string(i)), text(repeat("Oil ", i)),
                                        jet::Value::null(),
                                        text(i % 50 == 0 ? repeat("Long note ", 900) : "n")};
            ASSERT_TRUE((*db)->insertRow("Indications", row));
            expected.push_back(row);
        }
    }
    EXPECT_GT(fs::file_size(path), before);
    EXPECT_EQ(readAll(path), expected);
    expectPeersAgree(path);
}

TEST(WriterTest, DeletesRowsAndTheirLongValues)
{
    const std::string path = freshCopy("delete.mdb");
    Rows expected = startRows();
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db);
        auto ids = *(*db)->rowIds("Indications");
        // Rows with inline memos, long-value rows and chains.
        for (std::size_t i : {0u, 5u, 7u, 13u, 39u})
            ASSERT_TRUE((*db)->deleteRow("Indications", ids[i]));
        for (std::size_t i : {39u, 13u, 7u, 5u, 0u})
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE((*db)->deleteRow("Indications", ids[5])) << "a deleted row is gone";
    }
    EXPECT_EQ(readAll(path), expected);
    expectPeersAgree(path);
}

// One 40 KB memo edited 10,000 times, each edit a commit of its own, as the page writes a record when it is
// left: the pages the old text leaves are taken again, so the file stays near its first size.
// A folder in memory where the system has one: each commit syncs the disk three times, and 10,000 of them
// take seconds in memory but minutes on a busy disk.
std::string memoryFolder()
{
    static const std::string folder = [] {
        std::string pattern = "/dev/shm/jet-test-XXXXXX";
        const char *made = fs::is_directory("/dev/shm") ? mkdtemp(pattern.data()) : nullptr;
        return made ? std::string(made) : peers::tempDir();
    }();
    return folder;
}

TEST(WriterTest, ManyEditsOfOneMemoReuseTheFreedPages)
{
    const std::string path = freshCopy("edits.mdb", memoryFolder());
    const auto memo = [](int edit) {
        return text(repeat("Edit " + std::to_string(edit) + ": lavender, rosemary, thyme. ", 40000 / 36));
    };
    Rows expected = startRows();
    std::uintmax_t afterFirst = 0;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db) << db.error().message;
        const jet::RowId id = (*(*db)->rowIds("Indications"))[3];
        for (int edit = 0; edit < 10000; ++edit) {
            ASSERT_TRUE((*db)->updateRow("Indications", id, {{3, memo(edit)}})) << "edit " << edit;
            if (edit == 0)
                afterFirst = fs::file_size(path);
        }
        expected[3][3] = memo(9999);
    }
    // The stated bound: the size after the first edit and eight pages to spare. Were freed pages never taken
    // again, each edit would add the memo's eleven pages (440 MB in all).
    EXPECT_LE(fs::file_size(path), afterFirst + 8 * 4096);
    EXPECT_EQ(readAll(path), expected);
    expectPeersAgree(path);
}

// Rows deleted with their long values give their pages back; the rows added next take them.
TEST(WriterTest, PagesOfDeletedRowsAreTakenAgain)
{
    const std::string path = freshCopy("delete-reuse.mdb");
    const auto batch = [](int n) {
        Rows rows;
        for (int i = 0; i < 60; ++i)
            rows.push_back({text("Batch " + std::to_string(n) + " " + std::to_string(i)),
                            text(repeat("Frankincense ", 400)), text(repeat("Massage. ", 30)), text("")});
        return rows;
    };
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    const std::size_t kept = (*(*db)->rowIds("Indications")).size();
    ASSERT_TRUE((*db)->insertRows("Indications", batch(0)));
    const auto full = fs::file_size(path);
    for (int n = 1; n <= 5; ++n) {
        const auto ids = *(*db)->rowIds("Indications");
        for (std::size_t i = kept; i < ids.size(); ++i)
            ASSERT_TRUE((*db)->deleteRow("Indications", ids[i]));
        ASSERT_TRUE((*db)->insertRows("Indications", batch(n)));
    }
    EXPECT_LE(fs::file_size(path), full + 4 * 4096);
    Rows expected = startRows();
    const Rows last = batch(5);
    expected.insert(expected.end(), last.begin(), last.end());
    Rows stored = readAll(path);
    std::sort(stored.begin(), stored.end(), [](auto &a, auto &b) { return a[0].text < b[0].text; });
    std::sort(expected.begin(), expected.end(), [](auto &a, auto &b) { return a[0].text < b[0].text; });
    EXPECT_EQ(stored, expected);
    db->reset();
    expectPeersAgree(path);
}

// The file's own map narrowed to an inline bitmap of 512 pages, as files from other programs may have it.
void narrowGlobalMap(const std::string &path)
{
    auto file = jet::PageFile::open(path);
    const jet::Format &f = file->format();
    file->begin();
    const jet::Bytes page = file->page(1);
    std::vector<jet::Bytes> rows;
    for (unsigned r = 0; r < jet::pageRowCount(f, page); ++r) {
        const jet::RowSpan span = jet::rowSpan(*file, 1, page, r);
        rows.emplace_back(page.begin() + span.start, page.begin() + span.end);
    }
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(rows[0][0], 0) << "an inline map";
    ASSERT_GE(rows[0].size(), 5u + 64u);
    rows[0].resize(5 + 64);
    jet::Bytes out(f.pageSize, 0);
    std::copy_n(page.begin(), f.dataRowTable, out.begin());
    std::size_t pos = f.pageSize;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        pos -= rows[i].size();
        std::copy(rows[i].begin(), rows[i].end(), out.begin() + static_cast<std::ptrdiff_t>(pos));
        jet::put16(out.data() + f.dataRowTable + 2 * i, static_cast<std::uint32_t>(pos));
    }
    jet::put16(out.data() + 2, static_cast<std::uint32_t>(pos - f.dataRowTable - 2 * rows.size()));
    file->modify(1) = out;
    file->commit();
}

std::uint8_t mapKind(jet::PageFile &file, std::uint32_t pointer)
{
    const jet::Bytes &page = file.page(jet::pointerPage(pointer));
    return page[jet::rowSpan(file, jet::pointerPage(pointer), page, jet::pointerRow(pointer)).start];
}

// Whether the file's own map calls the page free, read as Access reads it: a set bit is free, a page past an
// inline bitmap's reach counts as free, a page whose bitmap page a reference map lacks as in use.
bool freeInGlobalMap(jet::PageFile &file, std::uint32_t page)
{
    const jet::Bytes &mapPage = file.page(1);
    const jet::RowSpan span = jet::rowSpan(file, 1, mapPage, 0);
    const std::uint8_t *row = mapPage.data() + span.start;
    const std::size_t size = span.end - span.start;
    if (row[0] == 0) {
        const std::uint32_t first = jet::get32(row + 1);
        if (page < first || page - first >= (size - 5) * 8)
            return true;
        return (row[5 + (page - first) / 8] >> ((page - first) % 8)) & 1;
    }
    const std::size_t perPage = (file.format().pageSize - 4) * 8;
    const std::size_t slot = page / perPage;
    if (1 + 4 * slot + 4 > size || jet::get32(row + 1 + 4 * slot) == 0)
        return false;
    const jet::Bytes &bitmap = file.page(jet::get32(row + 1 + 4 * slot));
    EXPECT_EQ(bitmap[0], jet::PageMapBitmap);
    const std::size_t bit = page % perPage;
    return (bitmap[4 + bit / 8] >> (bit % 8)) & 1;
}

// Inserts and a moved row take pages past the reach of the inline maps: the file's own (narrowed to 512
// pages), the table's and its memo columns'. Each map turns into a list of bitmap pages, no written page is
// left unrecorded, and both peers read every row.
TEST(WriterTest, GrowsPastWhatAnInlinePageMapReaches)
{
    const std::string path = freshCopy("grow.mdb");
    narrowGlobalMap(path);
    if (HasFatalFailure())
        return;
    Rows expected = startRows();
    jet::RowId moved;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db) << db.error().message;
        for (int batch = 0; batch < 3; ++batch) {
            Rows rows;
            for (int i = 0; i < 100; ++i) {
                const int n = batch * 100 + i;
                rows.push_back({text("Grown " + std::to_string(n)), text(repeat("Cedarwood ", 300 + n % 7)),
                                text(repeat("Diffuse. ", 350)), text(n % 3 ? "" : "Patch test first")});
            }
            ASSERT_TRUE((*db)->insertRows("Indications", rows));
            expected.insert(expected.end(), rows.begin(), rows.end());
        }
        moved = (*(*db)->rowIds("Indications"))[12];
        const jet::Value longer = text(repeat("Rosemary ", 200));
        ASSERT_TRUE((*db)->updateRow("Indications", moved, {{1, longer}}));
        expected[12][1] = longer;
    }
    EXPECT_TRUE(leftAPointer(path, moved));
    EXPECT_EQ(readAll(path), expected);

    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    const jet::TableDef def = *(*db)->tableDef("Indications");
    auto file = jet::PageFile::open(path);
    ASSERT_GT(file->pageCount(), 600u);
    EXPECT_EQ(mapKind(*file, jet::makePointer(1, 0)), 1);
    EXPECT_EQ(mapKind(*file, def.ownedPages), 1);
    const auto owned = jet::readPageMap(*file, def.ownedPages);
    std::vector<std::uint32_t> longValuePages;
    for (const jet::LongValueMaps &m : def.longValueMaps) {
        const auto pages = jet::readPageMap(*file, m.owned);
        longValuePages.insert(longValuePages.end(), pages.begin(), pages.end());
    }
    int bitmapPages = 0;
    for (std::uint32_t p = 0; p < file->pageCount(); ++p) {
        EXPECT_FALSE(freeInGlobalMap(*file, p)) << "page " << p << " is in use";
        const jet::Bytes &page = file->page(p);
        bitmapPages += page[0] == jet::PageMapBitmap;
        if (page[0] != jet::PageData)
            continue;
        if (std::memcmp(page.data() + 4, "LVAL", 4) == 0) {
            EXPECT_NE(std::find(longValuePages.begin(), longValuePages.end(), p), longValuePages.end())
                << "long-value page " << p << " is in its column's map";
        } else if (jet::get32(page.data() + 4) == def.page) {
            EXPECT_NE(std::find(owned.begin(), owned.end(), p), owned.end())
                << "data page " << p << " is in the table's map";
        }
    }
    EXPECT_GE(bitmapPages, 3) << "the file's, the table's and the memos' maps each have one";
    expectPeersAgree(path);
}

// On a file Access made, a change touches the row's own page and nothing else.
TEST(WriterTest, ChangeToAnAccessFileLeavesEveryOtherPageAsItWas)
{
    if (peers::fixturesDir().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    const std::string source = peers::fixturesDir() + "/overflowTestV2000.mdb";
    const std::string path = peers::tempDir() + "/overflow-copy.mdb";
    fs::copy_file(source, path, fs::copy_options::overwrite_existing);
    auto readPages = [](const std::string &p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string original = readPages(path);
    std::vector<std::string> otherTables;
    jet::RowId target;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db);
        auto ids = *(*db)->rowIds("Table1");
        target = ids[1];
        ASSERT_TRUE((*db)->updateRow("Table1", target, {{1, text("changed")}}));
        auto rows = (*db)->readTable("Table1")->rows;
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto &r) { return r[1].text == "changed"; }), 1);
        otherTables = (*db)->tableNames(true);
    }
    const std::string changed = readPages(path);
    ASSERT_EQ(changed.size(), original.size());
    std::vector<std::size_t> differing;
    for (std::size_t p = 0; p < original.size() / 4096; ++p)
        if (original.compare(p * 4096, 4096, changed, p * 4096, 4096) != 0)
            differing.push_back(p);
    // The row is an overflow pointer whose data lives on another page: that page alone changes.
    EXPECT_EQ(differing.size(), 1u);
    for (const std::string &table : otherTables) {
        if (table != "Table1") {
            EXPECT_EQ(peers::mdbExport(path, table), peers::mdbExport(source, table)) << table;
        }
    }
}

struct RefusalCase
{
    const char *name;
    const char *file;
    const char *table;
    jet::ErrorKind kind;
};

const RefusalCase refusals[] = {
    {"TableWithTextIndex", "testUnicodeCompV2003.mdb", "Table", jet::ErrorKind::Unsupported},
    {"JetThreeFile", "testV1997.mdb", "Table3", jet::ErrorKind::Unsupported},
    {"SystemTableWithIndexes", "adox_jet4.mdb", "MSysObjects", jet::ErrorKind::Unsupported},
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(RefusalTest, WritesAreRefusedWithAReasonAndTheFileStaysAsItWas)
{
    if (peers::fixturesDir().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    const RefusalCase &c = GetParam();
    const std::string path = peers::tempDir() + "/refusal-" + c.file;
    fs::copy_file(peers::fixturesDir() + "/" + c.file, path, fs::copy_options::overwrite_existing);
    const auto before = peers::run("sha256sum < " + peers::quote(path)).output;
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    const jet::Status writable = (*db)->checkWritable(c.table);
    ASSERT_FALSE(writable);
    EXPECT_EQ(writable.error().kind, c.kind);
    EXPECT_NE(writable.error().message.find(c.file), std::string::npos) << writable.error().message;
    auto ids = (*db)->rowIds(c.table);
    ASSERT_TRUE(ids);
    const std::size_t columns = (*db)->tableDef(c.table)->columns.size();
    const auto inserted = (*db)->insertRow(c.table, std::vector<jet::Value>(columns));
    ASSERT_FALSE(inserted);
    EXPECT_EQ(inserted.error().kind, c.kind);
    if (!ids->empty()) {
        EXPECT_FALSE((*db)->deleteRow(c.table, ids->front()));
        EXPECT_FALSE((*db)->updateRow(c.table, ids->front(), {{1, text("x")}}));
    }
    EXPECT_EQ(peers::run("sha256sum < " + peers::quote(path)).output, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusalTest, ::testing::ValuesIn(refusals),
                         [](const auto &info) { return std::string(info.param.name); });

struct TextLengthCase
{
    const char *name;
    std::uint16_t size; // characters
    std::string value;
    bool accepted;
};

const TextLengthCase textLengths[] = {
    {"CompressibleFull", 5, "Clove", true},
    {"CompressibleOneOver", 5, "Cloves", false},
    {"CompressibleNearTwiceOver", 5, "Cedarwood", false},
    {"CompressibleSingleCharacter", 1, "a", true},
    {"CompressibleLatin1Full", 5, "N\xC3\xA9rol", true},
    {"PlainFull", 5, "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5", true},             // five Greek letters
    {"PlainOneOver", 5, "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5\xCE\xB6", false}, // six
    {"PlainSingleCharacter", 1, "\xE2\x82\xAC", true},                              // the euro sign
    {"PairCountsTwo", 3, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", false},                // two emoji, four units
    {"PairFits", 4, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", true},
};

class TextLengthTest : public ::testing::TestWithParam<TextLengthCase>
{
};

// A Text(n) field holds n characters, however many bytes their stored form takes.
TEST_P(TextLengthTest, TextFieldHoldsItsNumberOfCharacters)
{
    const TextLengthCase &c = GetParam();
    const std::string path = peers::tempDir() + "/text-length.mdb";
    using T = jet::NewColumn::Type;
    ASSERT_TRUE(jet::createDatabase(path, {"Short", {{"Name", T::Text, c.size}, {"Notes", T::Memo}}}));
    const auto before = peers::run("sha256sum < " + peers::quote(path)).output;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db) << db.error().message;
        const auto inserted = (*db)->insertRow("Short", {text(c.value), jet::Value::null()});
        EXPECT_EQ(inserted.ok(), c.accepted);
        if (!inserted.ok()) {
            EXPECT_NE(inserted.error().message.find("Name"), std::string::npos) << inserted.error().message;
        }
    }
    if (c.accepted) {
        EXPECT_EQ(readAll(path, "Short"), Rows({{text(c.value), jet::Value::null()}}));
        const auto exported = peers::mdbExport(path, "Short");
        ASSERT_EQ(exported.size(), 2u) << "mdb-export failed";
        // mdb-export prints characters outside the basic plane as question marks.
        if (c.value.find('\xF0') == std::string::npos) {
            EXPECT_EQ(exported[1][0], c.value);
        }
    } else {
        EXPECT_EQ(peers::run("sha256sum < " + peers::quote(path)).output, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextLengthTest, ::testing::ValuesIn(textLengths),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
