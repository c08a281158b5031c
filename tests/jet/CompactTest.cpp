// compactDatabase: a fresh copy of the rows in the file's place, read by mdb-export as the original was.
#include "jet/Compact.h"

#include "IndexedTable.h"
#include "PeerTools.h"
#include "jet/Create.h"
#include "jet/Database.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string repeat(const std::string &s, int n)
{
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

jet::Value text(const std::string &s)
{
    return jet::Value::ofText(s);
}

// mdb-export's records, in its order or sorted.
std::vector<peers::Record> exported(const std::string &path, bool sorted)
{
    auto records = peers::mdbExport(path, "Indications");
    if (sorted && !records.empty())
        std::sort(records.begin() + 1, records.end());
    return records;
}

// A file that many changes left with free space, moved rows and memos of every form.
std::string usedFile(const std::string &name)
{
    const std::string path = peers::tempDir() + "/" + name;
    using T = jet::NewColumn::Type;
    std::vector<std::vector<jet::Value>> rows;
    for (int i = 0; i < 80; ++i)
        rows.push_back({text("Indication " + std::to_string(i)), text(repeat("Bergamot, ", 3 + i % 5)),
                        text(repeat("Bath. ", i % 4 == 0 ? 900 : 4)),
                        i % 3 ? jet::Value::null() : text("Caf\xC3\xA9 \xCE\xB1\xCE\xB2 \xE2\x82\xAC")});
    EXPECT_TRUE(jet::createDatabase(
        path,
        {"Indications",
         {{"Indications", T::Text, 100}, {"Oils", T::Memo}, {"Method", T::Memo}, {"Notes", T::Memo}}},
        rows));
    auto db = jet::Database::open(path);
    const auto ids = *(*db)->rowIds("Indications");
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i % 7 == 0) {
            EXPECT_TRUE((*db)->deleteRow("Indications", ids[i]));
        } else if (i % 5 == 0) {
            EXPECT_TRUE((*db)->updateRow("Indications", ids[i], {{1, text(repeat("Rose otto, ", 150))}}));
        } else if (i % 4 == 0) {
            EXPECT_TRUE((*db)->updateRow("Indications", ids[i], {{2, text("Short now.")}}));
        }
    }
    return path;
}

TEST(CompactTest, MdbExportReadsTheCopyAsTheOriginal)
{
    const std::string path = usedFile("compact.mdb");
    const auto before = exported(path, true);
    ASSERT_GT(before.size(), 60u) << "mdb-export read the original";
    const auto sizeBefore = fs::file_size(path);

    const jet::Status compacted = jet::compactDatabase(path);
    ASSERT_TRUE(compacted) << compacted.error().message;

    // The rows of moved records come in another order from mdb-export, which reads them where they lie.
    EXPECT_EQ(exported(path, true), before);
    EXPECT_LT(fs::file_size(path), sizeBefore);
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    EXPECT_TRUE((*db)->checkWritable("Indications"));
    EXPECT_EQ(peers::ourExport(**db, "Indications"), exported(path, false)) << "a fresh copy lies in order";
    for (const auto &entry : fs::directory_iterator(peers::tempDir()))
        EXPECT_EQ(entry.path().string().find("compact.mdb."), std::string::npos) << entry.path();
}

// A table with an index, which the engine only reads, becomes one it writes.
TEST(CompactTest, ATableWithAnIndexBecomesWritable)
{
    const std::string path = usedFile("compact-indexed.mdb");
    std::uint32_t definition = 0;
    {
        auto db = jet::Database::open(path);
        definition = (*db)->tableDef("Indications")->page;
    }
    giveTableAnIndex(path, definition);
    const auto before = exported(path, true);
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db);
        ASSERT_EQ((*db)->checkWritable("Indications").error().kind, jet::ErrorKind::Unsupported);
    }
    ASSERT_TRUE(jet::compactDatabase(path));
    EXPECT_EQ(exported(path, true), before);
    auto db = jet::Database::open(path);
    EXPECT_TRUE((*db)->checkWritable("Indications"));
    EXPECT_TRUE((*db)->insertRow("Indications",
                                 {text("Added"), text("Lemon"), jet::Value::null(), jet::Value::null()}));
}

struct RefusalCase
{
    const char *name;
    const char *sample; // in the shared sample folder
    const char *reason;
};

const RefusalCase refusals[] = {
    {"SeveralTables", "testV1997.mdb", "4 tables"},
    {"NumberField", "testUnicodeCompV2003.mdb", "\"ID\""},
};

class CompactRefusalTest : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(CompactRefusalTest, LeavesTheFileAsItWasAndSaysWhy)
{
    if (peers::fixturesDir().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    const RefusalCase &c = GetParam();
    const std::string path = peers::tempDir() + "/compact-" + c.sample;
    fs::copy_file(peers::fixturesDir() + "/" + c.sample, path, fs::copy_options::overwrite_existing);
    const std::string before = fileBytes(path);
    const jet::Status compacted = jet::compactDatabase(path);
    ASSERT_FALSE(compacted);
    EXPECT_EQ(compacted.error().kind, jet::ErrorKind::Unsupported);
    EXPECT_NE(compacted.error().message.find(c.reason), std::string::npos) << compacted.error().message;
    EXPECT_TRUE(fileBytes(path) == before);
    EXPECT_FALSE(fs::exists(path + ".compact"));
}

INSTANTIATE_TEST_SUITE_P(Cases, CompactRefusalTest, ::testing::ValuesIn(refusals),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CompactTest, ADamagedFileIsLeftAlone)
{
    const std::string path = usedFile("compact-damaged.mdb");
    fs::resize_file(path, fs::file_size(path) / 2 / 4096 * 4096);
    const std::string before = fileBytes(path);
    const jet::Status compacted = jet::compactDatabase(path);
    ASSERT_FALSE(compacted);
    EXPECT_EQ(compacted.error().kind, jet::ErrorKind::Corrupt);
    EXPECT_TRUE(fileBytes(path) == before);
}

} // namespace

// A database that was open before the copy took the file's place writes to the copy, so its change is kept.
TEST(CompactTest, ADatabaseOpenMeanwhileWritesToTheCopy)
{
    const std::string path = usedFile("compact-open.mdb");
    auto other = jet::Database::open(path);
    ASSERT_TRUE(other);
    const std::size_t rowsBefore = (*other)->rowIds("Indications")->size();
    ASSERT_TRUE(jet::compactDatabase(path));
    const jet::Result<jet::RowId> added = (*other)->insertRow(
        "Indications", {text("Added meanwhile"), text("Lemon"), jet::Value::null(), jet::Value::null()});
    ASSERT_TRUE(added) << added.error().message;

    auto fresh = jet::Database::open(path);
    ASSERT_TRUE(fresh);
    const auto records = peers::ourExport(**fresh, "Indications");
    EXPECT_EQ(records.size(), rowsBefore + 2) << "the header, the rows, the added row";
    EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const peers::Record &r) {
        return !r.empty() && r.front() == "Added meanwhile";
    }));
}
