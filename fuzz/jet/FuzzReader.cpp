// Feeds arbitrary bytes to the reader as a database file: opening, every table, and a record set must either
// work or fail with an Error, never crash, hang or read out of bounds.
#include "jet/Database.h"
#include "jet/Recordset.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string path = "/tmp/jet-fuzz-" + std::to_string(getpid()) + ".mdb";
    if (FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
    auto db = jet::Database::open(path);
    if (!db)
        return 0;
    for (const std::string &table : (*db)->tableNames(true)) {
        auto rows = (*db)->readTable(table);
        (void)rows;
        auto set = jet::Recordset::open(**db, "Select * From [" + table + "]");
        if (set && !(*set)->fieldNames().empty()) {
            (*set)->moveLast();
            (void)(*set)->findFirst("[" + (*set)->fieldNames().front() + "] = 'x'");
        }
    }
    return 0;
}
