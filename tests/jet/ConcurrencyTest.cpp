// Two or three processes on one file: readers never see a commit half applied or play a live writer's journal
// back, open databases follow other processes' commits, and every commit reported as done stays in the file.
#include "PeerTools.h"
#include "jet/Database.h"
#include "jet/PageFile.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Every row's memo is its name repeated, and its notes give the memo's length, so that a row put together
// from two states of the file shows.
std::string memoFor(const std::string &name, int copies)
{
    std::string out;
    for (int i = 0; i < copies; ++i)
        out += name + ";";
    return out;
}

std::vector<jet::Value> rowFor(const std::string &name, int copies)
{
    const std::string memo = memoFor(name, copies);
    return {jet::Value::ofText(name), jet::Value::ofText(memo), jet::Value::ofText("Steam"),
            jet::Value::ofText(std::to_string(memo.size()))};
}

// The rows of a read, by name, with what is wrong with any of them.
struct Snapshot
{
    std::map<std::string, std::string> memos;
    std::string faults;
};

Snapshot check(const jet::TableData &data)
{
    Snapshot s;
    for (const auto &row : data.rows) {
        const std::string &name = row[0].text;
        const std::string &memo = row[1].text;
        const std::size_t copies = memo.size() / (name.size() + 1);
        if (memo != memoFor(name, static_cast<int>(copies)) || row[3].text != std::to_string(memo.size()))
            s.faults += "row \"" + name + "\" is not whole; ";
        if (!s.memos.emplace(name, memo).second)
            s.faults += "row \"" + name + "\" twice; ";
    }
    return s;
}

Snapshot read(const std::string &path)
{
    auto db = jet::Database::open(path);
    if (!db)
        return {{}, db.error().message};
    auto data = (*db)->readTable("Indications");
    if (!data)
        return {{}, data.error().message};
    return check(*data);
}

const std::string &original()
{
    static const std::string path = [] {
        std::vector<std::vector<jet::Value>> rows;
        for (int i = 0; i < 12; ++i)
            rows.push_back(rowFor("Row " + std::to_string(i), i % 3 ? 4 : 900));
        return peers::createIndicationsFile("concurrency-original.mdb", rows);
    }();
    EXPECT_FALSE(path.empty());
    return path;
}

std::string freshCopy(const std::string &name)
{
    const std::string path = peers::tempDir() + "/" + name + ".mdb";
    fs::copy_file(original(), path, fs::copy_options::overwrite_existing);
    fs::remove(jet::PageFile::journalPath(path));
    return path;
}

// Runs body in a child process; its result is the exit code.
pid_t spawn(const std::function<int()> &body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        _exit(code);
    }
    return pid;
}

int exitCodeOf(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// One-byte signals between processes.
class Signal
{
public:
    Signal() { EXPECT_EQ(pipe(m_fds), 0); }
    ~Signal()
    {
        close(m_fds[0]);
        close(m_fds[1]);
    }
    void send(char c) { EXPECT_EQ(write(m_fds[1], &c, 1), 1); }
    // The next byte, or nullopt when none came within the time.
    std::optional<char> receive(std::chrono::milliseconds within = std::chrono::seconds(15))
    {
        pollfd p{m_fds[0], POLLIN, 0};
        char c = 0;
        if (poll(&p, 1, static_cast<int>(within.count())) == 1 && ::read(m_fds[0], &c, 1) == 1)
            return c;
        return std::nullopt;
    }

private:
    int m_fds[2] = {-1, -1};
};

std::string contents(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

jet::RowId idOf(jet::Database &db, const std::string &name)
{
    auto data = db.readTable("Indications");
    for (std::size_t i = 0; data && i < data->rows.size(); ++i)
        if (data->rows[i][0].text == name)
            return data->ids[i];
    ADD_FAILURE() << "no row " << name;
    return {};
}

// One commit of several pages: two rows whose memos take pages of their own.
jet::Status addRows(jet::Database &db, const std::string &tag)
{
    return db.insertRows("Indications", {rowFor(tag, 1500), rowFor(tag + " too", 700)});
}

// A reader started while a commit sits between its synced journal and its page writes reads the file as the
// last commit left it, at once, and leaves the live writer's journal alone; then the commit completes.
TEST(ConcurrencyTest, AReaderOpeningDuringACommitNeitherWaitsNorPlaysTheJournalBack)
{
    const std::string path = freshCopy("open-during-commit");
    const std::string journal = jet::PageFile::journalPath(path);
    const std::string result = path + ".reader";
    Signal go, reply;
    const pid_t reader = spawn([&] {
        if (go.receive() != 'g')
            return 2;
        bool told = false;
        jet::PageFile::onLockWait([&] {
            if (!std::exchange(told, true))
                reply.send('w');
        });
        const Snapshot s = read(path);
        std::ofstream(result) << s.memos.size() << " " << s.memos.count("New") + s.memos.count("New too")
                              << "\n"
                              << s.faults;
        reply.send('d');
        return 0;
    });

    auto db = jet::Database::open(path);
    ASSERT_TRUE(db) << db.error().message;
    std::optional<char> answer;
    bool journalStayed = false;
    (*db)->onJournalSynced([&] {
        go.send('g');
        answer = reply.receive(std::chrono::seconds(5));
        journalStayed = fs::exists(journal);
    });
    const jet::Status status = addRows(**db, "New");
    (*db)->onJournalSynced({});
    ASSERT_EQ(exitCodeOf(reader), 0);
    ASSERT_TRUE(status) << status.error().message;
    EXPECT_EQ(answer, 'd') << "the reader did not read while the writer was paused";
    EXPECT_TRUE(journalStayed) << "the reader removed the live writer's journal";

    std::istringstream in(contents(result));
    std::size_t rows = 0, added = 0;
    std::string faults;
    in >> rows >> added;
    in.ignore();
    std::getline(in, faults);
    EXPECT_EQ(rows, 12u);
    EXPECT_EQ(added, 0u);
    EXPECT_EQ(faults, "");

    EXPECT_FALSE(fs::exists(jet::PageFile::journalPath(path)));
    const Snapshot after = read(path);
    EXPECT_EQ(after.faults, "");
    EXPECT_EQ(after.memos.size(), 14u);
    EXPECT_EQ(after.memos.count("New"), 1u);
}

// An open database reads what another process committed since its last read, not pages it kept from before.
TEST(ConcurrencyTest, AnOpenDatabaseFollowsAnotherProcesssCommits)
{
    const std::string path = freshCopy("follows-commits");
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    ASSERT_EQ(check(*(*db)->readTable("Indications")).faults, "");
    for (int round = 0; round < 3; ++round) {
        const std::string tag = "Round " + std::to_string(round);
        const jet::RowId gone = idOf(**db, "Row 0");
        const pid_t writer = spawn([&] {
            auto other = jet::Database::open(path);
            if (!other || !addRows(**other, tag))
                return 1;
            const auto moved = rowFor("Row 1", 700 + round);
            if (!(*other)->updateRow("Indications", idOf(**other, "Row 1"), {{1, moved[1]}, {3, moved[3]}}))
                return 2;
            return (*other)->deleteRow("Indications", idOf(**other, "Row 0")) ? 0 : 3;
        });
        ASSERT_EQ(exitCodeOf(writer), 0);
        EXPECT_FALSE((*db)->readRow("Indications", gone)) << tag << ": a deleted row still reads";
        auto data = (*db)->readTable("Indications");
        ASSERT_TRUE(data) << data.error().message;
        const Snapshot s = check(*data);
        EXPECT_EQ(s.faults, "") << tag;
        EXPECT_EQ(s.memos.count(tag), 1u) << tag;
        EXPECT_EQ(s.memos.count("Row 0"), 0u) << tag;
        EXPECT_EQ(s.memos.at("Row 1"), memoFor("Row 1", 700 + round)) << tag;
        auto ours = peers::ourExport(**db, "Indications");
        auto theirs = peers::mdbExport(path, "Indications");
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        EXPECT_EQ(ours, theirs) << tag;
        // For the next round to delete.
        ASSERT_TRUE((*db)->insertRow("Indications", rowFor("Row 0", 3 + round)));
    }
}

// A read asked for while another process's commit has written some of its pages waits for the rest.
TEST(ConcurrencyTest, AnOpenDatabaseNeverSeesACommitHalfApplied)
{
    const std::string path = freshCopy("half-applied");
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    ASSERT_EQ(check(*(*db)->readTable("Indications")).faults, "");
    Signal paused, resume;
    const pid_t writer = spawn([&] {
        auto other = jet::Database::open(path);
        if (!other)
            return 1;
        (*other)->onPageWrite([&](int written) {
            if (written == 2) {
                paused.send('p');
                resume.receive();
            }
        });
        return addRows(**other, "Late") ? 0 : 1;
    });
    ASSERT_EQ(paused.receive(), 'p');
    bool waited = false;
    jet::PageFile::onLockWait([&] {
        if (!std::exchange(waited, true))
            resume.send('r');
    });
    auto data = (*db)->readTable("Indications");
    jet::PageFile::onLockWait({});
    if (!waited)
        resume.send('r');
    ASSERT_EQ(exitCodeOf(writer), 0);
    EXPECT_TRUE(waited) << "the read did not wait for the commit";
    ASSERT_TRUE(data) << data.error().message;
    const Snapshot s = check(*data);
    EXPECT_EQ(s.faults, "");
    EXPECT_EQ(s.memos.count("Late"), 1u);
    EXPECT_EQ(s.memos.count("Late too"), 1u);
}

// Locks belong to the open file, not the process: two databases on one file in one process take turns too.
TEST(ConcurrencyTest, TwoDatabasesInOneProcessTakeTurnsToWrite)
{
    const std::string path = freshCopy("one-process");
    auto first = jet::Database::open(path);
    auto second = jet::Database::open(path);
    ASSERT_TRUE(first && second);
    Signal paused, resume;
    (*first)->onJournalSynced([&] {
        paused.send('p');
        resume.receive();
    });
    jet::Status firstStatus;
    std::thread writer([&] { firstStatus = addRows(**first, "First"); });
    EXPECT_EQ(paused.receive(), 'p'); // no ASSERT: the thread must be joined
    bool waited = false;
    jet::PageFile::onLockWait([&] {
        if (!std::exchange(waited, true))
            resume.send('r');
    });
    const jet::Status secondStatus = addRows(**second, "Second");
    jet::PageFile::onLockWait({});
    if (!waited)
        resume.send('r');
    writer.join();
    EXPECT_TRUE(waited) << "the second database did not wait for the first one's change";
    ASSERT_TRUE(firstStatus) << firstStatus.error().message;
    ASSERT_TRUE(secondStatus) << secondStatus.error().message;
    const Snapshot s = read(path);
    EXPECT_EQ(s.faults, "");
    EXPECT_EQ(s.memos.size(), 16u);
    EXPECT_EQ(s.memos.count("First too") + s.memos.count("Second too"), 2u);
}

// A program that puts a new copy in the file's place (a compaction) holds the other writers off meanwhile, so
// that no commit lands in the file it replaces.
TEST(ConcurrencyTest, AHoldKeepsOtherProgramsWritersOutUntilItEnds)
{
    const std::string path = freshCopy("held");
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    auto hold = (*db)->holdWriters();
    ASSERT_TRUE(hold) << hold.error().message;
    Signal waiting;
    const pid_t writer = spawn([&] {
        bool told = false;
        jet::PageFile::onLockWait([&] {
            if (!std::exchange(told, true))
                waiting.send('w');
        });
        auto other = jet::Database::open(path);
        return other && addRows(**other, "Later") ? 0 : 1;
    });
    EXPECT_EQ(waiting.receive(std::chrono::seconds(5)), 'w') << "the other program's change did not wait";
    const Snapshot during = read(path);
    EXPECT_EQ(during.faults, "");
    EXPECT_EQ(during.memos.size(), 12u);
    hold->reset();
    ASSERT_EQ(exitCodeOf(writer), 0);
    EXPECT_EQ(read(path).memos.count("Later"), 1u);
}

// An open database whose file is replaced under its name reads and writes the new file, not the old one.
TEST(ConcurrencyTest, AFileReplacedUnderItsNameIsOpenedAgain)
{
    const std::string path = freshCopy("replaced");
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    ASSERT_EQ((*db)->readTable("Indications")->rows.size(), 12u);
    const std::string copy = peers::createIndicationsFile("replacement.mdb", {rowFor("Only", 3)});
    ASSERT_FALSE(copy.empty());
    fs::rename(copy, path);
    auto data = (*db)->readTable("Indications");
    ASSERT_TRUE(data) << data.error().message;
    const Snapshot s = check(*data);
    EXPECT_EQ(s.faults, "");
    EXPECT_EQ(s.memos.size(), 1u);
    ASSERT_TRUE(addRows(**db, "After"));
    const Snapshot after = read(path);
    EXPECT_EQ(after.faults, "");
    EXPECT_EQ(after.memos.size(), 3u);
}

// A commit whose write fails leaves the file, and the open database's view of it, as the last commit left
// them.
TEST(ConcurrencyTest, AFailedCommitLeavesTheViewAtTheLastCommittedState)
{
    const std::string path = freshCopy("failed-commit");
    const std::string before = contents(path);
    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    const auto exportBefore = peers::ourExport(**db, "Indications");
    for (int writes : {0, 1, 2, 3}) {
        (*db)->failAfterPageWrites(writes, false);
        const jet::Status status = addRows(**db, "Never");
        ASSERT_FALSE(status) << "the fault was not injected after " << writes << " writes";
        EXPECT_EQ(status.error().kind, jet::ErrorKind::Io);
        EXPECT_EQ(peers::ourExport(**db, "Indications"), exportBefore) << "after " << writes << " writes";
        EXPECT_EQ(contents(path), before) << "after " << writes << " writes";
        EXPECT_FALSE(fs::exists(jet::PageFile::journalPath(path)));
    }
    (*db)->failAfterPageWrites(-1);
    ASSERT_TRUE(addRows(**db, "Later"));
    const Snapshot s = read(path);
    EXPECT_EQ(s.faults, "");
    EXPECT_EQ(s.memos.count("Later"), 1u);
    EXPECT_EQ(s.memos.count("Never"), 0u);
}

// Two writers and a reader, each in a process of its own, for a few seconds: every commit either writer was
// told is done is in the file at the end, every read is whole, and the peer readers read the file whole.
TEST(ConcurrencyTest, TwoWritersAndAReaderLoseNothing)
{
    const std::string path = freshCopy("two-writers");
    const auto until = Clock::now() + std::chrono::milliseconds(2500);
    auto writer = [&](const std::string &tag) {
        return spawn([&, tag] {
            std::ofstream log(path + "." + tag);
            auto db = jet::Database::open(path);
            if (!db)
                return 1;
            for (int i = 0; Clock::now() < until; ++i) {
                const std::string name = tag + " " + std::to_string(i);
                jet::Status s;
                if (i % 3 == 2) { // a memo that grows, shrinks into the row, or moves
                    const std::string earlier = tag + " " + std::to_string(i - 1);
                    const auto row = rowFor(earlier, 1 + (i * 37) % 400);
                    s = (*db)->updateRow("Indications", idOf(**db, earlier), {{1, row[1]}, {3, row[3]}});
                    if (s)
                        log << earlier << " " << row[1].text.size() << std::endl;
                } else if (auto id = (*db)->insertRow("Indications", rowFor(name, 1 + (i * 53) % 300)); id) {
                    log << name << " " << memoFor(name, 1 + (i * 53) % 300).size() << std::endl;
                } else {
                    s = id.error();
                }
                if (!s)
                    log << "failed: " << s.error().message << std::endl;
            }
            return 0;
        });
    };
    const pid_t a = writer("A");
    const pid_t b = writer("B");
    const pid_t reader = spawn([&] {
        std::ofstream log(path + ".reader");
        int reads = 0;
        while (Clock::now() < until) {
            const Snapshot s = read(path);
            if (!s.faults.empty())
                log << "read " << reads << ": " << s.faults << std::endl;
            ++reads;
        }
        return reads >= 5 ? 0 : 1; // a reader that hardly read tested nothing
    });
    ASSERT_EQ(exitCodeOf(a), 0);
    ASSERT_EQ(exitCodeOf(b), 0);
    ASSERT_EQ(exitCodeOf(reader), 0);
    EXPECT_EQ(contents(path + ".reader"), "");

    // What the writers were told: the last memo length of each row they wrote.
    std::map<std::string, std::size_t> acknowledged;
    for (const std::string tag : {"A", "B"}) {
        std::istringstream log(contents(path + "." + tag));
        std::string line;
        while (std::getline(log, line)) {
            ASSERT_NE(line.rfind("failed", 0), 0u) << tag << ": " << line;
            const auto space = line.rfind(' ');
            acknowledged[line.substr(0, space)] = std::stoul(line.substr(space + 1));
        }
    }
    ASSERT_GT(acknowledged.size(), 10u) << "the writers hardly wrote";

    const Snapshot final = read(path);
    ASSERT_EQ(final.faults, "");
    EXPECT_EQ(final.memos.size(), 12 + acknowledged.size());
    for (const auto &[name, length] : acknowledged) {
        ASSERT_EQ(final.memos.count(name), 1u) << name << " was reported written but is not in the file";
        EXPECT_EQ(final.memos.at(name).size(), length) << name;
    }

    auto db = jet::Database::open(path);
    ASSERT_TRUE(db);
    auto ours = peers::ourExport(**db, "Indications");
    auto theirs = peers::mdbExport(path, "Indications");
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    EXPECT_EQ(ours, theirs) << "mdb-export reads the file otherwise";

    std::string whyNot;
    const auto json = peers::mdbReaderJson(path, &whyNot);
    if (!json)
        GTEST_SKIP() << whyNot;
    ASSERT_FALSE(json->empty()) << whyNot;
    for (const auto &[name, memo] : final.memos)
        EXPECT_NE(json->find("\"Oils\":\"" + memo + "\""), std::string::npos) << "mdb-reader misses " << name;
}

} // namespace
