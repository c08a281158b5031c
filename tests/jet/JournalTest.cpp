// Stops the writer after each of its page writes in turn, as a crash or power cut would, and checks that the
// next open puts the file back exactly as it was, for our reader and for mdbtools.
#include "PeerTools.h"
#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"
#include "jet/Database.h"
#include "jet/PageFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

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

std::string contents(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string &original()
{
    static const std::string path = [] {
        std::vector<std::vector<jet::Value>> rows;
        for (int i = 0; i < 30; ++i)
            rows.push_back({text("Name " + std::to_string(i)), text(repeat("Oil ", 5 + i)),
                            text(i % 3 ? "Bath" : repeat("Massage ", 1200)), jet::Value::null()});
        const std::string p = peers::tempDir() + "/journal-original.mdb";
        EXPECT_TRUE(jet::createDatabase(p, indications::tableDefinition(), rows));
        return p;
    }();
    return path;
}

struct FaultCase
{
    const char *name;
    std::function<jet::Status(jet::Database &, const std::vector<jet::RowId> &)> change;
};

const FaultCase faultCases[] = {
    {"UpdateThatMovesTheRowAndWritesLongValues",
     [](jet::Database &db, const auto &ids) {
         return db.updateRow("Indications", ids[4],
                             {{1, text(repeat("Lavender ", 3000))}, {3, text(repeat("Note ", 700))}});
     }},
    {"InsertThatAllocatesPages",
     [](jet::Database &db, const auto &) {
         return db.insertRow("Indications",
                             {text("New"), text(repeat("Pine ", 5000)), text("Steam"), text("n")})
                        .ok()
                    ? jet::Status{}
                    : jet::Status{jet::Error{jet::ErrorKind::Io, "insert failed"}};
     }},
    {"DeleteOfARowWithAChain",
     [](jet::Database &db, const auto &ids) { return db.deleteRow("Indications", ids[3]); }},
};

class FaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(FaultTest, EveryInterruptedCommitIsRolledBackOnTheNextOpen)
{
    const std::string before = contents(original());
    const auto exportBefore = peers::mdbExport(original(), "Indications");
    ASSERT_FALSE(exportBefore.empty());
    const std::string path = peers::tempDir() + "/journal-" + GetParam().name + ".mdb";
    const std::string journal = jet::PageFile::journalPath(path);

    int faults = 0;
    for (int writes = 0;; ++writes) {
        ASSERT_LT(writes, 1000) << "the change never completed";
        fs::copy_file(original(), path, fs::copy_options::overwrite_existing);
        fs::remove(journal);
        jet::Status status;
        {
            auto db = jet::Database::open(path);
            ASSERT_TRUE(db) << db.error().message;
            const auto ids = *(*db)->rowIds("Indications");
            (*db)->failAfterPageWrites(writes);
            status = GetParam().change(**db, ids);
        }
        if (status) {
            EXPECT_FALSE(fs::exists(journal));
            EXPECT_NE(contents(path), before);
            auto db = jet::Database::open(path);
            ASSERT_TRUE(db);
            auto ours = peers::ourExport(**db, "Indications");
            auto theirs = peers::mdbExport(path, "Indications");
            std::sort(ours.begin() + 1, ours.end());
            std::sort(theirs.begin() + 1, theirs.end());
            EXPECT_EQ(ours, theirs);
            break;
        }
        ++faults;
        EXPECT_EQ(status.error().kind, jet::ErrorKind::Io) << status.error().message;
        EXPECT_TRUE(fs::exists(journal)) << "stopped after " << writes << " page writes";
        {
            auto db = jet::Database::open(path); // recovers
            ASSERT_TRUE(db) << db.error().message;
            auto ours = peers::ourExport(**db, "Indications");
            auto expected = exportBefore;
            std::sort(ours.begin() + 1, ours.end());
            std::sort(expected.begin() + 1, expected.end());
            EXPECT_EQ(ours, expected) << "stopped after " << writes << " page writes";
        }
        EXPECT_FALSE(fs::exists(journal));
        EXPECT_EQ(contents(path), before) << "stopped after " << writes << " page writes";
        EXPECT_EQ(peers::mdbExport(path, "Indications"), exportBefore);
    }
    EXPECT_GE(faults, 2) << "the change should take several page writes";
}

INSTANTIATE_TEST_SUITE_P(Cases, FaultTest, ::testing::ValuesIn(faultCases),
                         [](const auto &info) { return std::string(info.param.name); });

// While a commit writes its pages, another process cannot take the file's write lock.
TEST(LockTest, AnotherProcessCannotLockTheFileWhileACommitWrites)
{
    const std::string path = peers::tempDir() + "/locked-while-writing.mdb";
    fs::copy_file(original(), path, fs::copy_options::overwrite_existing);
    const std::string tryLock = "python3 -c \"import fcntl,sys; f=open(sys.argv[1],'r+b'); fcntl.lockf(f, "
                                "fcntl.LOCK_EX | fcntl.LOCK_NB)\" " +
                                peers::quote(path) + " 2>/dev/null";
    ASSERT_EQ(peers::run(tryLock).exitCode, 0) << "nobody holds the lock before the change";
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    std::vector<int> refused;
    (*db)->onPageWrite([&](int) { refused.push_back(peers::run(tryLock).exitCode); });
    ASSERT_TRUE(
        (*db)->updateRow("Indications", (*db)->rowIds("Indications")->front(), {{0, text("Locked")}}));
    ASSERT_FALSE(refused.empty());
    for (int code : refused)
        EXPECT_NE(code, 0) << "another process took the lock during the commit";
    EXPECT_EQ(peers::run(tryLock).exitCode, 0) << "the lock is released after the change";
}

struct TornJournal
{
    const char *name;
    std::string content;
};

const TornJournal tornJournals[] = {
    {"Empty", ""},
    {"OnlyTheMagic", "JETJRNL1"},
    {"Garbage", std::string(5000, '\x5A')},
};

class TornJournalTest : public ::testing::TestWithParam<TornJournal>
{
};

// A journal cut short was being written when the process died, before any page was touched.
TEST_P(TornJournalTest, IsDiscardedAndTheFileLeftAlone)
{
    const std::string path = peers::tempDir() + "/torn-" + GetParam().name + ".mdb";
    fs::copy_file(original(), path, fs::copy_options::overwrite_existing);
    const std::string journal = jet::PageFile::journalPath(path);
    std::ofstream(journal, std::ios::binary) << GetParam().content;
    {
        auto db = jet::Database::open(path);
        ASSERT_TRUE(db) << db.error().message;
        EXPECT_EQ((*db)->readTable("Indications")->rows.size(), 30u);
    }
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_EQ(contents(path), contents(original()));
}

INSTANTIATE_TEST_SUITE_P(Cases, TornJournalTest, ::testing::ValuesIn(tornJournals),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
