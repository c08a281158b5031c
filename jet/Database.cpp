#include "jet/Database.h"

#include "jet/PageFile.h"
#include "jet/Text.h"

#include <algorithm>

namespace jet {

namespace {

constexpr std::uint32_t CatalogPage = 2;
constexpr std::int64_t ObjectTable = 1;
constexpr std::uint32_t FlagSystem = 0x80000000;
constexpr std::uint32_t FlagHidden = 0x00000002;

} // namespace

Result<std::unique_ptr<Database>> Database::open(const std::string &path)
{
    return guarded([&]() -> Result<std::unique_ptr<Database>> {
        std::unique_ptr<Database> db(new Database);
        db->m_file = PageFile::open(path);
        const ReadLock lock(*db->m_file);
        db->catchUp();
        return db;
    });
}

Database::~Database() = default;

const std::string &Database::path() const
{
    return m_file->path();
}

Version Database::version() const
{
    return m_file->format().version;
}

bool Database::readOnly() const
{
    return m_file->readOnly();
}

Result<std::unique_ptr<WriterHold>> Database::holdWriters()
{
    return guarded(
        [&]() -> Result<std::unique_ptr<WriterHold>> { return std::make_unique<WriterHold>(*m_file); });
}

void Database::failAfterPageWrites(int writes, bool crash)
{
    m_file->failAfterPageWrites(writes, crash ? PageFile::Fault::Crash : PageFile::Fault::IoError);
}

void Database::onPageWrite(std::function<void(int)> hook)
{
    m_file->onPageWrite(std::move(hook));
}

void Database::onJournalSynced(std::function<void()> hook)
{
    m_file->onJournalSynced(std::move(hook));
}

void Database::catchUp()
{
    if (m_generation == m_file->generation() && !m_catalog.empty())
        return;
    m_defs.clear();
    m_catalog.clear();
    m_sound.clear(); // another program's commit may have changed any table
    loadCatalog();
    m_generation = m_file->generation();
}

void Database::loadCatalog()
{
    const TableDef catalog = readTableDef(*m_file, CatalogPage, "MSysObjects");
    const Column *id = catalog.column("Id");
    const Column *name = catalog.column("Name");
    const Column *type = catalog.column("Type");
    const Column *flags = catalog.column("Flags");
    if (!id || !name || !type || !flags)
        fail(ErrorKind::Corrupt,
             "Corrupt database \"" + m_file->path() + "\": the catalog lacks its columns");
    auto index = [&](const Column *c) { return static_cast<std::size_t>(c - catalog.columns.data()); };
    RowReader reader(*m_file, catalog);
    for (RowId row : scanRows(*m_file, catalog)) {
        const std::vector<Value> values = reader.read(row);
        if (values[index(type)].integer != ObjectTable || values[index(name)].isNull())
            continue;
        const auto objectFlags = static_cast<std::uint32_t>(values[index(flags)].integer);
        m_catalog.push_back({values[index(name)].text,
                             static_cast<std::uint32_t>(values[index(id)].integer) & 0x00FFFFFF,
                             (objectFlags & (FlagSystem | FlagHidden)) != 0});
    }
}

std::vector<std::string> Database::tableNames(bool includeSystem) const
{
    std::vector<std::string> names;
    for (const CatalogEntry &e : m_catalog)
        if (includeSystem || !e.system)
            names.push_back(e.name);
    return names;
}

const Database::CatalogEntry &Database::entry(const std::string &table) const
{
    const std::u32string wanted = foldCase(table);
    for (const CatalogEntry &e : m_catalog)
        if (foldCase(e.name) == wanted)
            return e;
    fail(ErrorKind::NoSuchTable, "No table \"" + table + "\" in \"" + m_file->path() + "\"");
}

const TableDef &Database::cachedDef(const std::string &table)
{
    const CatalogEntry &e = entry(table);
    auto it = m_defs.find(e.page);
    if (it == m_defs.end())
        it = m_defs.emplace(e.page, readTableDef(*m_file, e.page, e.name)).first;
    return it->second;
}

Result<TableDef> Database::tableDef(const std::string &table)
{
    return guarded([&]() -> Result<TableDef> {
        const ReadLock lock(*m_file);
        catchUp();
        return cachedDef(table);
    });
}

Result<std::vector<RowId>> Database::rowIds(const std::string &table)
{
    return guarded([&]() -> Result<std::vector<RowId>> {
        const ReadLock lock(*m_file);
        catchUp();
        return scanRows(*m_file, cachedDef(table));
    });
}

Result<std::vector<Value>> Database::readRow(const std::string &table, RowId row)
{
    return guarded([&]() -> Result<std::vector<Value>> {
        const ReadLock lock(*m_file);
        catchUp();
        return jet::readRow(*m_file, cachedDef(table), row);
    });
}

Status Database::scanTable(const std::string &table, const RowVisitor &visit)
{
    return guarded([&]() -> Status {
        const ReadLock lock(*m_file);
        catchUp();
        const TableDef &def = cachedDef(table);
        RowReader reader(*m_file, def);
        for (RowId row : scanRows(*m_file, def)) {
            std::vector<Value> values = reader.read(row);
            visit(row, values);
        }
        return {};
    });
}

Result<TableData> Database::readTable(const std::string &table)
{
    return guarded([&]() -> Result<TableData> {
        const ReadLock lock(*m_file);
        catchUp();
        TableData data;
        const TableDef &def = cachedDef(table);
        data.columns = def.columns;
        // The definition's count saves growing the lists; a damaged one cannot make us reserve much.
        data.rows.reserve(std::min<std::size_t>(def.rowCount, 1 << 20));
        data.ids.reserve(data.rows.capacity());
        const Status read = scanTable(table, [&](RowId row, std::vector<Value> &values) {
            data.ids.push_back(row);
            data.rows.push_back(std::move(values));
        });
        if (!read)
            return read.error();
        return data;
    });
}

} // namespace jet
