#include "jet/Compact.h"

#include "jet/Create.h"
#include "jet/Database.h"

#include <cstdio>
#include <filesystem>

namespace jet {

namespace {

NewColumn newColumn(const Column &c, Version version, const std::string &where)
{
    using T = NewColumn::Type;
    if (c.type == TypeMemo)
        return {c.name, T::Memo};
    if (c.type == TypeText) // Jet 4 counts the length in bytes of UCS-2, Jet 3 in bytes of the code page
        return {c.name, T::Text,
                static_cast<std::uint16_t>(version == Version::Jet4 ? c.length / 2 : c.length)};
    fail(ErrorKind::Unsupported,
         "Field \"" + c.name + "\" " + where + " is neither text nor memo, which a copy cannot hold yet");
}

} // namespace

Status compactDatabase(const std::string &path)
{
    return guarded([&]() -> Status {
        auto opened = Database::open(path);
        if (!opened)
            return opened.error();
        Database &db = **opened;
        if (db.readOnly())
            fail(ErrorKind::ReadOnly,
                 "\"" + path + "\" is read-only: the file or its folder cannot be written");
        // Other programs' writers wait from before the read until the copy is in place (and then write to
        // the copy): a commit between the two would be lost with the original.
        auto hold = db.holdWriters();
        if (!hold)
            return hold.error();
        const std::vector<std::string> names = db.tableNames();
        if (names.size() != 1)
            fail(ErrorKind::Unsupported, "\"" + path + "\" holds " + std::to_string(names.size()) +
                                             " tables; a copy can hold only one");
        NewTable table;
        table.name = names.front();
        auto read = db.readTable(table.name);
        if (!read)
            return read.error();
        const TableData &data = *read;
        const std::string where = "of table \"" + table.name + "\" in \"" + path + "\"";
        for (const Column &c : data.columns)
            table.columns.push_back(newColumn(c, db.version(), where));

        namespace fs = std::filesystem;
        const std::string copy = path + ".compact";
        if (Status made = createDatabase(copy, table, data.rows); !made)
            return made;
        std::error_code ignored;
        fs::permissions(copy, fs::status(path).permissions(), ignored);
        if (std::rename(copy.c_str(), path.c_str()) != 0) {
            std::remove(copy.c_str());
            fail(ErrorKind::Io, "Cannot put the compacted copy in the place of \"" + path + "\"");
        }
        return {};
    });
}

} // namespace jet
