// Files whose pages, page maps and row counts disagree: each is reported as damaged, naming the file, and no
// write reaches it.
#include "PeerTools.h"
#include "jet/Create.h"
#include "jet/Database.h"
#include "jet/PageFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;
constexpr std::size_t PageSize = 4096;

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A sound file whose table spans several data pages, with memos on long-value pages among them.
std::string soundFile(const std::string &name)
{
    const std::string path = peers::tempDir() + "/" + name;
    using T = jet::NewColumn::Type;
    std::vector<std::vector<jet::Value>> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back({jet::Value::ofText("Record " + std::to_string(i)),
                        jet::Value::ofText(std::string(300 + 40 * (i % 9), 'o')),
                        jet::Value::ofText(std::string(i % 10 == 0 ? 5000 : 20, 'm'))});
    EXPECT_TRUE(jet::createDatabase(
        path, {"Indications", {{"Indications", T::Text, 255}, {"Oils", T::Memo}, {"Method", T::Memo}}},
        rows));
    return path;
}

// The table's data pages in page order, read while the file is sound.
struct Layout
{
    jet::TableDef def;
    std::vector<std::uint32_t> dataPages;
};

Layout layoutOf(const std::string &path)
{
    Layout layout;
    auto db = jet::Database::open(path);
    EXPECT_TRUE(db);
    layout.def = *(*db)->tableDef("Indications");
    const auto ids = (*db)->rowIds("Indications");
    for (const jet::RowId &id : *ids)
        if (layout.dataPages.empty() || layout.dataPages.back() != id.page)
            layout.dataPages.push_back(id.page);
    return layout;
}

using Damage = void (*)(const std::string &path, const Layout &layout);

struct DamageCase
{
    const char *name;
    Damage damage;
};

void cutAtPageBoundary(const std::string &path, const Layout &layout)
{
    fs::resize_file(path, layout.dataPages.back() * PageSize);
}

void cutMidPage(const std::string &path, const Layout &layout)
{
    fs::resize_file(path, layout.dataPages.back() * PageSize + PageSize / 2);
}

void overwritePage(const std::string &path, std::uint32_t page, const std::string &with)
{
    std::string bytes = fileBytes(path);
    bytes.replace(page * PageSize, PageSize, with);
    writeBytes(path, bytes);
}

void zeroDataPage(const std::string &path, const Layout &layout)
{
    overwritePage(path, layout.dataPages[1], std::string(PageSize, '\0'));
}

void randomiseDataPage(const std::string &path, const Layout &layout)
{
    std::mt19937 random(15);
    std::string page(PageSize, '\0');
    for (char &c : page)
        c = static_cast<char>(random());
    overwritePage(path, layout.dataPages[1], page);
}

void clearPageMapBit(const std::string &path, const Layout &layout)
{
    auto file = jet::PageFile::open(path);
    file->begin();
    jet::changePageMap(*file, layout.def.ownedPages, layout.dataPages[1], false);
    file->commit();
}

void countOneRowMore(const std::string &path, const Layout &layout)
{
    auto file = jet::PageFile::open(path);
    file->begin();
    std::uint8_t *definition = file->modify(layout.def.page).data() + file->format().tdefRowCount;
    jet::put32(definition, jet::get32(definition) + 1);
    file->commit();
}

const DamageCase damages[] = {
    {"CutAtPageBoundary", cutAtPageBoundary}, {"CutMidPage", cutMidPage},
    {"DataPageZeroed", zeroDataPage},         {"DataPageRandomised", randomiseDataPage},
    {"PageMapBitCleared", clearPageMapBit},   {"FewerRowsThanCounted", countOneRowMore},
};

class DamageTest : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(DamageTest, IsReportedAsDamageAndNoWriteChangesAByte)
{
    const std::string path = soundFile(std::string("damaged-") + GetParam().name + ".mdb");
    const Layout layout = layoutOf(path);
    ASSERT_GE(layout.dataPages.size(), 3u) << "the table spans several data pages";
    GetParam().damage(path, layout);
    const std::string before = fileBytes(path);

    auto db = jet::Database::open(path);
    if (!db) {
        EXPECT_EQ(db.error().kind, jet::ErrorKind::Corrupt) << db.error().message;
        EXPECT_NE(db.error().message.find(path), std::string::npos) << db.error().message;
        return;
    }
    const auto read = (*db)->readTable("Indications");
    ASSERT_FALSE(read) << read->rows.size() << " rows read as if the file were whole";
    EXPECT_EQ(read.error().kind, jet::ErrorKind::Corrupt);
    EXPECT_NE(read.error().message.find(path), std::string::npos) << read.error().message;
    EXPECT_NE(read.error().message.find("damaged"), std::string::npos) << read.error().message;

    const jet::Status writable = (*db)->checkWritable("Indications");
    ASSERT_FALSE(writable);
    EXPECT_EQ(writable.error().kind, jet::ErrorKind::Corrupt);
    const auto row = [](const char *name) {
        return std::vector<jet::Value>{jet::Value::ofText(name), jet::Value::null(), jet::Value::null()};
    };
    EXPECT_FALSE((*db)->insertRow("Indications", row("Added")));
    EXPECT_FALSE((*db)->insertRows("Indications", {row("One"), row("Two")}));
    const jet::RowId first{layout.dataPages.front(), 0};
    EXPECT_FALSE((*db)->updateRow("Indications", first, {{0, jet::Value::ofText("Changed")}}));
    EXPECT_FALSE((*db)->deleteRow("Indications", first));
    db->reset();
    EXPECT_TRUE(fileBytes(path) == before) << "a write reached the damaged file";
    EXPECT_FALSE(fs::exists(jet::PageFile::journalPath(path)));
}

INSTANTIATE_TEST_SUITE_P(Cases, DamageTest, ::testing::ValuesIn(damages),
                         [](const auto &info) { return std::string(info.param.name); });

// The checks hold no sound file for damaged: the sample files that Access and the Jet engine wrote.
TEST(DamageTest, SoundSampleFilesReadWhole)
{
    if (peers::fixturesDir().empty())
        GTEST_SKIP() << "sample folder absent (AMBRELIS_SHARED_FIXTURES)";
    for (const auto &entry : fs::directory_iterator(peers::fixturesDir())) {
        if (entry.path().extension() != ".mdb")
            continue;
        auto db = jet::Database::open(entry.path().string());
        ASSERT_TRUE(db) << db.error().message;
        for (const std::string &table : (*db)->tableNames(true)) {
            const auto read = (*db)->readTable(table);
            EXPECT_TRUE(read) << read.error().message;
        }
    }
}

} // namespace
