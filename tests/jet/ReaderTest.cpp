#include "PeerTools.h"
#include "jet/Create.h"
#include "jet/Database.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SampleFile
{
    const char *file;
    jet::Version version;
    std::vector<std::string> userTables;
};

const SampleFile samples[] = {
    {"adox_jet4.mdb", jet::Version::Jet4, {}},
    {"empty.mdb", jet::Version::Jet4, {}},
    {"test2V2000.mdb", jet::Version::Jet4, {"MSP_PROJECTS"}},
    {"testUnicodeCompV2003.mdb", jet::Version::Jet4, {"Table"}},
    {"testV1997.mdb", jet::Version::Jet3, {"Table1", "Table2", "Table3", "Table4"}},
    {"overflowTestV2000.mdb", jet::Version::Jet4, {"Table1"}},
};

class SampleTest : public ::testing::TestWithParam<SampleFile>
{
protected:
    void SetUp() override
    {
        if (peers::fixturesDir().empty())
            GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
        path = peers::fixturesDir() + "/" + GetParam().file;
    }
    std::string path;
};

TEST_P(SampleTest, IsTheVersionItsNameClaims)
{
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    EXPECT_EQ((*db)->version(), GetParam().version);
    EXPECT_EQ((*db)->tableNames(), GetParam().userTables);
}

// Every table, system tables included, reads as mdb-export reads it. Peers return rows in orders of their
// own, so the rows are compared as sorted lists.
TEST_P(SampleTest, EveryTableReadsAsMdbExportReadsIt)
{
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    const auto tables = (*db)->tableNames(true);
    ASSERT_FALSE(tables.empty());
    for (const std::string &table : tables) {
        auto ours = peers::ourExport(**db, table);
        auto theirs = peers::mdbExport(path, table);
        ASSERT_FALSE(theirs.empty()) << "mdb-export failed on " << table;
        ASSERT_FALSE(ours.empty()) << (*db)->readTable(table).error().message;
        EXPECT_EQ(ours.front(), theirs.front()) << table << ": header";
        std::sort(ours.begin() + 1, ours.end());
        std::sort(theirs.begin() + 1, theirs.end());
        EXPECT_EQ(ours, theirs) << table;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleTest, ::testing::ValuesIn(samples), [](const auto &info) {
    std::string name = info.param.file;
    name.erase(name.find('.'));
    std::replace(name.begin(), name.end(), '_', 'X');
    return name;
});

} // namespace

namespace {

// Damage done to a file our writer made; the reader must report it, never crash or read out of bounds.
struct Damage
{
    const char *name;
    std::function<void(std::string &file)> apply;
    jet::ErrorKind kind;
};

constexpr std::size_t Page = 4096;
constexpr std::size_t UserTablePage = 7; // where a new file keeps its one table's definition

std::size_t firstUserDataPage(const std::string &file)
{
    for (std::size_t p = 8; p < file.size() / Page; ++p)
        if (file[p * Page] == 1 &&
            jet::get32(reinterpret_cast<const std::uint8_t *>(file.data()) + p * Page + 4) == UserTablePage)
            return p;
    return 0;
}

void put16At(std::string &file, std::size_t at, std::uint32_t v)
{
    file[at] = static_cast<char>(v & 0xFF);
    file[at + 1] = static_cast<char>(v >> 8);
}

const Damage damages[] = {
    {"CutShort", [](std::string &f) { f.resize(2 * Page); }, jet::ErrorKind::Corrupt},
    {"UnknownVersion", [](std::string &f) { f[0x14] = 5; }, jet::ErrorKind::Unsupported},
    {"EncryptionKeySet", [](std::string &f) { f[0x3E] = static_cast<char>(f[0x3E] ^ 0x01); },
     jet::ErrorKind::Unsupported},
    {"CatalogIsNoDefinition", [](std::string &f) { f[2 * Page] = 1; }, jet::ErrorKind::Corrupt},
    {"DefinitionContinuesIntoItself", [](std::string &f) { f[UserTablePage * Page + 4] = UserTablePage; },
     jet::ErrorKind::Corrupt},
    {"PageMapOutsideTheFile", [](std::string &f) { put16At(f, UserTablePage * Page + 55 + 1, 0xFFFF); },
     jet::ErrorKind::Corrupt},
    {"RowTableLongerThanThePage",
     [](std::string &f) { put16At(f, firstUserDataPage(f) * Page + 12, 0xFFFF); }, jet::ErrorKind::Corrupt},
    {"RowOffsetAtThePageEnd", [](std::string &f) { put16At(f, firstUserDataPage(f) * Page + 14, 0x0FFF); },
     jet::ErrorKind::Corrupt},
    {"ColumnCountBeyondTheRow",
     [](std::string &f) {
         const std::size_t page = firstUserDataPage(f) * Page;
         const std::size_t row =
             jet::get16(reinterpret_cast<const std::uint8_t *>(f.data()) + page + 14) & 0x1FFF;
         put16At(f, page + row, 0x7FFF);
     },
     jet::ErrorKind::Corrupt},
};

class DamageTest : public ::testing::TestWithParam<Damage>
{
};

TEST_P(DamageTest, IsReportedAsAnError)
{
    using T = jet::NewColumn::Type;
    const std::string path = peers::tempDir() + "/damaged-" + GetParam().name + ".mdb";
    std::vector<std::vector<jet::Value>> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back(
            {jet::Value::ofText("Row " + std::to_string(i)), jet::Value::ofText(std::string(3000, 'm'))});
    ASSERT_TRUE(
        jet::createDatabase(path, {"Indications", {{"Indications", T::Text, 255}, {"Oils", T::Memo}}}, rows));
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    GetParam().apply(bytes);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    jet::Error error;
    auto db = jet::Database::open(path);
    if (!db) {
        error = db.error();
    } else {
        auto table = (*db)->readTable("Indications");
        ASSERT_FALSE(table) << "damage went unnoticed";
        error = table.error();
    }
    EXPECT_EQ(error.kind, GetParam().kind) << error.message;
    EXPECT_NE(error.message.find(path), std::string::npos) << error.message;
}

INSTANTIATE_TEST_SUITE_P(Cases, DamageTest, ::testing::ValuesIn(damages),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
