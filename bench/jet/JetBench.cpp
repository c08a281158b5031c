// Measures the Jet engine against libmdb and mdb-export on the same file, a large table against a small one,
// and reads beside another process's commits.
//   jet_bench [folder for the sample files]
//   jet_bench --export|--export-whole <file>   (what the fresh-process scan runs: the table as CSV on
//                                              standard output, row by row or after reading it whole)
#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"
#include "jet/Database.h"
#include "jet/Recordset.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <mdbtools.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// Best of a few runs, in milliseconds.
double timeMs(const std::function<void()> &work, int runs = 3)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::string name(std::size_t i)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Affliction %06zu", i);
    return buffer;
}

void makeFile(const std::string &path, std::size_t rows)
{
    std::vector<std::vector<jet::Value>> data;
    data.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        data.push_back({jet::Value::ofText(name(i)), jet::Value::ofText("Lavender, Tea Tree, Eucalyptus"),
                        jet::Value::ofText("Inhalation\r\nMassage"),
                        jet::Value::ofText(i % 10 ? "" : "See a doctor")});
    const jet::Status s = jet::createDatabase(path, indications::tableDefinition(), data);
    if (!s) {
        std::fprintf(stderr, "%s\n", s.error().message.c_str());
        std::exit(1);
    }
}

std::size_t ourScan(const std::string &path)
{
    auto db = jet::Database::open(path);
    return db ? (*db)->readTable("Indications")->rows.size() : 0;
}

std::size_t libmdbScan(const std::string &path)
{
    MdbHandle *mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb)
        return 0;
    mdb_read_catalog(mdb, MDB_TABLE);
    char tableName[] = "Indications";
    MdbTableDef *table = mdb_read_table_by_name(mdb, tableName, MDB_TABLE);
    std::size_t rows = 0;
    if (table) {
        mdb_read_columns(table);
        mdb_rewind_table(table);
        std::vector<std::vector<char>> bound(table->num_cols, std::vector<char>(MDB_BIND_SIZE));
        for (unsigned i = 0; i < table->num_cols; ++i)
            mdb_bind_column(table, static_cast<int>(i + 1), bound[i].data(), nullptr);
        while (mdb_fetch_row(table))
            ++rows;
        mdb_free_tabledef(table);
    }
    mdb_close(mdb);
    return rows;
}

// Updates of a memo that moves out of its row, and inserts, each in its own transaction. One write costs a
// few milliseconds, most of it the syncs, so the best of several runs stands for each.
std::pair<double, double> writeTimes(const std::string &path)
{
    constexpr int Runs = 7;
    auto db = jet::Database::open(path);
    const auto ids = *(*db)->rowIds("Indications");
    std::size_t next = ids.size() / 2; // a different row each time, so that each update moves its memo
    const double update = timeMs(
        [&] {
            (void)(*db)->updateRow("Indications", ids[next++ % ids.size()],
                                   {{3, jet::Value::ofText(std::string(3000, 'n'))}});
        },
        Runs);
    const double insert = timeMs(
        [&] {
            (void)(*db)->insertRow("Indications", {jet::Value::ofText("Zz new"), jet::Value::ofText("Pine"),
                                                   jet::Value::null(), jet::Value::null()});
        },
        Runs);
    return {update, insert};
}

// The table as mdb-export writes it: a header, then each row, text in double quotes; row by row, or after
// reading the whole table (as a record set does).
int exportCsv(const std::string &path, bool whole)
{
    auto db = jet::Database::open(path);
    if (!db)
        return 1;
    std::string out;
    auto flush = [&] {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    };
    auto line = [&](const std::vector<jet::Value> &row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i)
                out += ',';
            if (row[i].isNull())
                continue;
            out += '"';
            for (char c : row[i].text)
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += '\n';
        if (out.size() > (1 << 16))
            flush();
    };
    auto def = (*db)->tableDef("Indications");
    if (!def)
        return 1;
    for (std::size_t i = 0; i < def->columns.size(); ++i)
        out += (i ? "," : "") + def->columns[i].name;
    out += '\n';
    if (whole) {
        auto data = (*db)->readTable("Indications");
        if (!data)
            return 1;
        for (const auto &row : data->rows)
            line(row);
    } else if (!(*db)->scanTable("Indications",
                                 [&](jet::RowId, std::vector<jet::Value> &row) { line(row); })) {
        return 1;
    }
    flush();
    return 0;
}

// Starts a program with its output thrown away and waits for it; its wall time in milliseconds.
double runMs(const std::vector<std::string> &command)
{
    std::vector<char *> args;
    for (const std::string &a : command)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0)
        waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0) {
        std::fprintf(stderr, "%s failed\n", command[0].c_str());
        std::exit(1);
    }
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Ours and mdb-export, each in a fresh process, taking turns, so that a busy spell weighs on both alike.
void freshProcessScan(const std::string &self, const std::string &file)
{
    constexpr int Runs = 7;
    const std::vector<std::vector<std::string>> commands = {
        {"mdb-export", file, "Indications"}, {self, "--export", file}, {self, "--export-whole", file}};
    std::vector<std::vector<double>> ms(commands.size());
    for (int i = 0; i < Runs; ++i)
        for (std::size_t c = 0; c < commands.size(); ++c) {
            const std::size_t turn = (c + i) % commands.size();
            ms[turn].push_back(runMs(commands[turn]));
        }
    const double theirs = median(ms[0]);
    std::printf(
        "fresh-process export of 100,000 rows (median of %d): mdb-export %.1f ms; ours row by row %.1f ms, "
        "ours/mdb-export = %.2f; ours after reading the whole table %.1f ms, ours/mdb-export = %.2f\n",
        Runs, theirs, median(ms[1]), median(ms[1]) / theirs, median(ms[2]), median(ms[2]) / theirs);
}

// Reads of a whole table by one open database for a while; reads per second.
double readsPerSecond(const std::string &path, std::chrono::milliseconds spell)
{
    auto db = jet::Database::open(path);
    int reads = 0;
    const auto until = Clock::now() + spell;
    while (Clock::now() < until) {
        if (!(*db)->readTable("Indications")) {
            std::fprintf(stderr, "a read failed\n");
            std::exit(1);
        }
        ++reads;
    }
    return reads / std::chrono::duration<double>(spell).count();
}

// A process that commits updates of a memo as fast as it can until told to stop.
class Committer
{
public:
    explicit Committer(const std::string &path) : m_stop(path + ".stop")
    {
        if (pipe(m_fds) != 0)
            std::exit(1);
        std::fflush(nullptr);
        m_pid = fork();
        if (m_pid == 0) {
            close(m_fds[0]);
            auto db = jet::Database::open(path);
            const auto ids = *(*db)->rowIds("Indications");
            int commits = 0;
            for (std::size_t i = 0; getppid() != 1 && !std::filesystem::exists(m_stop); ++i)
                commits += (*db)
                               ->updateRow("Indications", ids[i % ids.size()],
                                           {{3, jet::Value::ofText(std::string(200 + i % 3000, 'n'))}})
                               .ok();
            (void)!write(m_fds[1], &commits, sizeof commits);
            _exit(0);
        }
        close(m_fds[1]);
    }
    // Commits per second since the start.
    double stop()
    {
        std::fclose(std::fopen(m_stop.c_str(), "w"));
        int commits = 0;
        (void)!read(m_fds[0], &commits, sizeof commits);
        const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        waitpid(m_pid, nullptr, 0);
        close(m_fds[0]);
        std::filesystem::remove(m_stop);
        return commits / seconds;
    }

private:
    std::string m_stop;
    int m_fds[2] = {-1, -1};
    pid_t m_pid = -1;
    Clock::time_point m_start = Clock::now();
};

// Reads of one open database while another process commits, and that process's commits while we read.
void readsBesideCommits(const std::string &path)
{
    using namespace std::chrono_literals;
    const double readsAlone = readsPerSecond(path, 1500ms);
    Committer alone(path);
    std::this_thread::sleep_for(1500ms);
    const double commitsAlone = alone.stop();
    Committer beside(path);
    const double readsBeside = readsPerSecond(path, 1500ms);
    const double commitsBeside = beside.stop();
    std::printf(
        "reads of 251 rows per second: alone %.0f, while another process commits %.0f, beside/alone = "
        "%.2f; its commits per second: alone %.0f, while we read %.0f, beside/alone = %.2f\n",
        readsAlone, readsBeside, readsBeside / readsAlone, commitsAlone, commitsBeside,
        commitsBeside / commitsAlone);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--export") == 0)
        return exportCsv(argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "--export-whole") == 0)
        return exportCsv(argv[2], true);
    const std::string folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
    const std::string large = folder + "/jet-bench-100000.mdb";
    const std::string small = folder + "/jet-bench-251.mdb";

    const double build = timeMs([&] { makeFile(large, 100000); }, 1);
    makeFile(small, 251);
    std::printf("built 100,000-row file: %.0f ms, %.1f MB\n", build,
                static_cast<double>(std::filesystem::file_size(large)) / 1e6);

    std::size_t ours = 0, theirs = 0;
    const double ourMs = timeMs([&] { ours = ourScan(large); });
    const double libmdbMs = timeMs([&] { theirs = libmdbScan(large); });
    std::printf("full scan: ours %.1f ms (%zu rows), libmdb %.1f ms (%zu rows), ours/libmdb = %.2f\n", ourMs,
                ours, libmdbMs, theirs, ourMs / libmdbMs);

    freshProcessScan(std::filesystem::read_symlink("/proc/self/exe").string(), large);
    readsBesideCommits(small);

    auto db = jet::Database::open(large);
    auto set = jet::Recordset::open(**db, "Select * From Indications Order By Indications");
    const std::string criteria = "[Indications] = '" + name(99999) + "'";
    bool found = false;
    const double findMs = timeMs([&] {
        (*set)->moveFirst();
        found = *(*set)->findFirst(criteria);
    });
    std::printf("FindFirst of the last name: %.2f ms (found: %s), find/full scan = %.3f\n", findMs,
                found ? "yes" : "no", findMs / ourMs);

    const auto [largeUpdate, largeInsert] = writeTimes(large);
    const auto [smallUpdate, smallInsert] = writeTimes(small);
    std::printf("update: 100,000 rows %.2f ms, 251 rows %.2f ms, ratio %.2f\n", largeUpdate, smallUpdate,
                largeUpdate / smallUpdate);
    std::printf("insert: 100,000 rows %.2f ms, 251 rows %.2f ms, ratio %.2f\n", largeInsert, smallInsert,
                largeInsert / smallInsert);
    std::filesystem::remove(large);
    std::filesystem::remove(small);
    return 0;
}
