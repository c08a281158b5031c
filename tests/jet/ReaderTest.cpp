#include "PeerTools.h"
#include "jet/Database.h"

#include <algorithm>
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
