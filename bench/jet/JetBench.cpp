// Measures the Jet engine against libmdb on the same file and a large table against a small one.
//   jet_bench [folder for the sample files]
#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"
#include "jet/Database.h"
#include "jet/Recordset.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mdbtools.h>
#include <string>
#include <vector>

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

} // namespace

int main(int argc, char **argv)
{
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
