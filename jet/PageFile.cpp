#include "jet/PageFile.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace jet {

namespace {

constexpr char JournalMagic[8] = {'J', 'E', 'T', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t JournalHeader = 24; // magic, page size, original length (two halves), page count

// The lock bytes lie past the end of any Jet file (at most 2 GB), so they never cover a page.
// A writer holds the reserved byte for its whole change, which keeps other writers out; reads go on
// meanwhile. To write pages it takes the pending byte, which keeps new reads out while it waits for the reads
// in progress to finish, and the shared byte, which readers share and a writer holds alone.
constexpr std::uint64_t ReservedByte = 0x100000000ULL;
constexpr std::uint64_t PendingByte = ReservedByte + 1;
constexpr std::uint64_t SharedByte = ReservedByte + 2;

std::function<void()> &lockWaitHook()
{
    static std::function<void()> hook;
    return hook;
}

std::uint64_t checksum(const Bytes &data, std::size_t size)
{
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 1099511628211ULL;
    return h;
}

// Whether a journal is whole: our magic and page size, a page count that matches its length, and the
// checksum.
bool journalIsWhole(const Bytes &journal, std::uint32_t pageSize)
{
    if (journal.size() < JournalHeader + 8 || std::memcmp(journal.data(), JournalMagic, 8) != 0 ||
        get32(journal.data() + 8) != pageSize)
        return false;
    const std::size_t body = journal.size() - 8;
    const std::uint64_t sum = checksum(journal, body);
    return get32(journal.data() + body) == static_cast<std::uint32_t>(sum) &&
           get32(journal.data() + body + 4) == static_cast<std::uint32_t>(sum >> 32) &&
           JournalHeader + std::uint64_t(get32(journal.data() + 20)) * (4 + pageSize) == body;
}

std::uint64_t journalOriginalSize(const Bytes &journal)
{
    return get32(journal.data() + 12) | (std::uint64_t(get32(journal.data() + 16)) << 32);
}

// Calls f(page number, original content) for each page of a whole journal.
template <typename F> void forEachJournalPage(const Bytes &journal, std::uint32_t pageSize, F &&f)
{
    const std::uint32_t count = get32(journal.data() + 20);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t *entry = journal.data() + JournalHeader + std::size_t(i) * (4 + pageSize);
        f(get32(entry), entry + 4);
    }
}

} // namespace

void PageFile::onLockWait(std::function<void()> hook)
{
    lockWaitHook() = std::move(hook);
}

std::unique_ptr<PageFile> PageFile::open(const std::string &path)
{
    std::unique_ptr<PageFile> file(new PageFile);
    file->m_path = path;
    file->attach(OsFile::open(path));
    return file;
}

PageFile::~PageFile()
{
    if (m_file)
        releaseAll();
}

// Takes a newly opened file; its pages and any journal are looked at by the first read or change.
void PageFile::attach(std::unique_ptr<OsFile> file)
{
    m_file = std::move(file);
    m_readOnly = !m_file->writable();
    m_fileSize = m_file->stamp().size;
    m_stamp.reset();
    m_cache.clear();
    m_journalOverlay.clear();
    ++m_generation;
    readHeader();
}

void PageFile::readHeader()
{
    std::uint8_t head[0x18 + 128] = {};
    const std::string notJet = "\"" + m_path + "\" is not a Jet database file";
    if (m_fileSize < sizeof head || !m_file->readAt(head, sizeof head, 0))
        fail(ErrorKind::NotJetFile, notJet);
    static const char id[] = "Standard Jet DB";
    if (head[0] != 0 || head[1] != 1 || head[2] != 0 || head[3] != 0 || std::memcmp(head + 4, id, 15) != 0)
        fail(ErrorKind::NotJetFile, notJet);
    if (head[0x14] == 0)
        m_format = &Format::jet3();
    else if (head[0x14] == 1)
        m_format = &Format::jet4();
    else
        fail(ErrorKind::Unsupported,
             "\"" + m_path + "\" is a Jet version this program cannot read (Access 2007 or later)");
    applyHeaderMask(head + 0x18, m_format->headerMaskLength);
    m_codePage = get16(head + 0x3C);
    if (get32(head + 0x3E) != 0)
        fail(ErrorKind::Unsupported, "\"" + m_path + "\" is encrypted");
    if (m_fileSize < 3ULL * m_format->pageSize)
        fail(ErrorKind::Corrupt, "\"" + m_path + "\" is cut short");
}

std::uint32_t PageFile::pageCount() const
{
    return static_cast<std::uint32_t>(m_fileSize / m_format->pageSize) + m_appended;
}

Bytes PageFile::readFromDisk(std::uint32_t number) const
{
    Bytes data(m_format->pageSize);
    if (!m_file->readAt(data.data(), data.size(), std::uint64_t(number) * m_format->pageSize))
        fail(ErrorKind::Io, "Cannot read page " + std::to_string(number) + " of \"" + m_path + "\"");
    return data;
}

const Bytes &PageFile::page(std::uint32_t number)
{
    if (number >= pageCount())
        fail(ErrorKind::Corrupt, "Corrupt database \"" + m_path + "\": reference to page " +
                                     std::to_string(number) + " past the end of the file");
    if (auto it = m_dirty.find(number); it != m_dirty.end())
        return it->second;
    if (auto it = m_journalOverlay.find(number); it != m_journalOverlay.end())
        return it->second;
    auto it = m_cache.find(number);
    if (it == m_cache.end())
        it = m_cache.emplace(number, readFromDisk(number)).first;
    return it->second;
}

void PageFile::waitForLock(std::uint64_t byte, LockMode mode, std::chrono::steady_clock::time_point deadline)
{
    // Most waits are for a read or a page write of a fraction of a millisecond: look again soon, then less
    // often.
    std::chrono::microseconds pause{50};
    while (!m_file->tryLock(byte, mode)) {
        if (const auto &hook = lockWaitHook())
            hook();
        if (std::chrono::steady_clock::now() >= deadline)
            fail(ErrorKind::Io, "The database \"" + m_path + "\" is busy: another program is changing it");
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(2000));
    }
}

// A file replaced under its name (a compacted copy renamed over it) is opened again, so that nothing is read
// from or written to a file nobody will see. True when that happened; the locks of the old file are gone
// then.
bool PageFile::reopenIfReplaced()
{
    const auto named = stampOf(m_path);
    if (!named || named->sameFileAs(m_file->stamp()))
        return false;
    unlockView();
    m_file->unlock(ReservedByte);
    m_reserved = false;
    attach(OsFile::open(m_path));
    return true;
}

// Waits for other holders up to LockWaitLimit.
void PageFile::lockView(LockMode mode)
{
    const auto deadline = std::chrono::steady_clock::now() + LockWaitLimit;
    try {
        do {
            waitForLock(PendingByte, mode, deadline);
            waitForLock(SharedByte, mode, deadline);
            if (mode == LockMode::Shared)
                m_file->unlock(PendingByte);
            m_held = mode == LockMode::Shared ? Held::Shared : Held::Exclusive;
        } while (!m_reserved && reopenIfReplaced());
    } catch (...) {
        unlockView();
        throw;
    }
}

void PageFile::unlockView()
{
    m_file->unlock(SharedByte);
    m_file->unlock(PendingByte);
    m_held = Held::None;
}

void PageFile::reserve()
{
    const auto deadline = std::chrono::steady_clock::now() + LockWaitLimit;
    do {
        waitForLock(ReservedByte, LockMode::Exclusive, deadline);
        m_reserved = true;
    } while (reopenIfReplaced());
}

void PageFile::releaseAll()
{
    unlockView();
    m_file->unlock(ReservedByte);
    m_reserved = false;
}

void PageFile::beginRead()
{
    if (m_readDepth++ > 0 || m_inTransaction)
        return;
    try {
        lockView(LockMode::Shared);
        updateView();
    } catch (...) {
        releaseAll();
        --m_readDepth;
        throw;
    }
}

void PageFile::endRead()
{
    if (--m_readDepth == 0 && m_held == Held::Shared)
        unlockView();
}

// Keeps the cached pages if the file (and any journal) is as it was when they were read, else drops them.
// A journal whose writer died is played back by whoever may write and can take the reserved lock, which a
// live writer holds. Otherwise a reader reads the journal's original pages instead of the file's: the journal
// is a live writer's, whose pages are not written yet, or a dead writer's beside a half-written file, and
// either way those pages are the file's committed state.
void PageFile::updateView()
{
    const std::string jpath = journalPath(m_path);
    const std::optional<FileStamp> journalNow = stampOf(jpath);
    const FileStamp now = m_file->stamp();
    if (m_stamp && *m_stamp == now && journalNow == m_journalStamp)
        return;
    m_stamp.reset();
    m_cache.clear();
    m_journalOverlay.clear();
    m_journalStamp.reset();
    ++m_generation;
    m_fileSize = now.size;
    if (const auto journal = journalNow ? readWholeFile(jpath) : std::nullopt) {
        if (!journalIsWhole(*journal, m_format->pageSize))
            fail(ErrorKind::Corrupt, "The database \"" + m_path + "\" needs repair: the journal \"" + jpath +
                                         "\" of a change that was cut short is damaged, so the change "
                                         "cannot be undone");
        if (m_reserved) {
            const bool reading = m_held == Held::Shared;
            lockView(LockMode::Exclusive);
            playBack(*journal);
            unlockView();
            if (reading)
                lockView(LockMode::Shared);
        } else if (!m_readOnly && m_file->tryLock(ReservedByte, LockMode::Exclusive)) {
            // No writer is at work, so this journal's writer died: put its pages back now, for the sake of
            // every reader, ours or another program's.
            m_reserved = true;
            unlockView();
            lockView(LockMode::Exclusive);
            playBack(*journal);
            releaseAll();
            lockView(LockMode::Shared);
            updateView();
            return;
        } else {
            forEachJournalPage(*journal, m_format->pageSize,
                               [&](std::uint32_t number, const std::uint8_t *data) {
                                   m_journalOverlay[number] = Bytes(data, data + m_format->pageSize);
                               });
            m_fileSize = std::min(m_fileSize, journalOriginalSize(*journal));
            m_journalStamp = journalNow;
        }
    }
    m_stamp = m_file->stamp();
}

// Under the exclusive lock: puts back the pages of a whole journal and removes it.
void PageFile::playBack(const Bytes &journal)
{
    const std::int64_t before = m_file->stamp().modifiedNs;
    forEachJournalPage(journal, m_format->pageSize, [&](std::uint32_t number, const std::uint8_t *data) {
        m_file->writeAt(data, m_format->pageSize, std::uint64_t(number) * m_format->pageSize);
    });
    m_fileSize = journalOriginalSize(journal);
    m_file->truncate(m_fileSize);
    m_file->touchPast(before);
    m_file->sync();
    removeFileSynced(journalPath(m_path));
    m_cache.clear();
}

void PageFile::begin()
{
    if (m_readOnly)
        fail(ErrorKind::ReadOnly, "The database \"" + m_path + "\" is read-only");
    if (m_inTransaction)
        fail(ErrorKind::Io, "A change to \"" + m_path + "\" is already in progress");
    if (m_readDepth > 0)
        fail(ErrorKind::Io, "A change to \"" + m_path + "\" cannot start inside a read");
    if (m_holdingWriters)
        fail(ErrorKind::Io, "A change to \"" + m_path + "\" cannot start while its writers are held off");
    reserve();
    m_inTransaction = true;
    try {
        updateView();
        if (m_readOnly) // the file was replaced by one we may not write
            fail(ErrorKind::ReadOnly, "The database \"" + m_path + "\" is read-only");
    } catch (...) {
        m_inTransaction = false;
        releaseAll();
        throw;
    }
}

void PageFile::holdWriters()
{
    if (m_readOnly)
        fail(ErrorKind::ReadOnly, "The database \"" + m_path + "\" is read-only");
    if (m_inTransaction || m_holdingWriters)
        fail(ErrorKind::Io, "A change to \"" + m_path + "\" is already in progress");
    reserve();
    m_holdingWriters = true;
}

void PageFile::releaseWriters()
{
    if (!m_holdingWriters)
        return;
    m_holdingWriters = false;
    m_file->unlock(ReservedByte);
    m_reserved = false;
}

Bytes &PageFile::modify(std::uint32_t number)
{
    if (!m_inTransaction)
        fail(ErrorKind::Io, "Change to \"" + m_path + "\" outside a transaction");
    auto it = m_dirty.find(number);
    if (it == m_dirty.end()) {
        Bytes copy = page(number);
        it = m_dirty.emplace(number, std::move(copy)).first;
    }
    return it->second;
}

std::uint32_t PageFile::append()
{
    if (!m_inTransaction)
        fail(ErrorKind::Io, "Change to \"" + m_path + "\" outside a transaction");
    const std::uint32_t number = pageCount();
    ++m_appended;
    m_dirty.emplace(number, Bytes(m_format->pageSize, 0));
    return number;
}

void PageFile::rollback()
{
    m_dirty.clear();
    m_appended = 0;
    if (m_inTransaction) {
        m_inTransaction = false;
        releaseAll();
    }
}

void PageFile::commit()
{
    const std::uint32_t pageSize = m_format->pageSize;
    const std::uint32_t oldPages = static_cast<std::uint32_t>(m_fileSize / pageSize);
    const std::string jpath = journalPath(m_path);
    bool journalWritten = false;
    bool pagesWritten = false;
    bool crashed = false;
    Bytes journal(JournalMagic, JournalMagic + 8);
    auto injectedFault = [&](int writes) {
        if (m_failAfterWrites < 0 || writes < m_failAfterWrites)
            return;
        crashed = m_fault == Fault::Crash;
        fail(ErrorKind::Io, "Injected fault after " + std::to_string(writes) + " page writes");
    };
    try {
        // 1. The journal: original length, then the original of every page that will be overwritten. It is
        // written whole under a temporary name first, so a journal under its own name is never torn.
        append32(journal, pageSize);
        append32(journal, static_cast<std::uint32_t>(m_fileSize));
        append32(journal, static_cast<std::uint32_t>(m_fileSize >> 32));
        std::uint32_t saved = 0;
        for (const auto &[number, data] : m_dirty)
            saved += number < oldPages ? 1 : 0;
        append32(journal, saved);
        for (const auto &[number, data] : m_dirty) {
            if (number >= oldPages)
                continue;
            append32(journal, number);
            const Bytes original = readFromDisk(number);
            journal.insert(journal.end(), original.begin(), original.end());
        }
        const std::uint64_t sum = checksum(journal, journal.size());
        append32(journal, static_cast<std::uint32_t>(sum));
        append32(journal, static_cast<std::uint32_t>(sum >> 32));
        replaceFileSynced(jpath, journal);
        journalWritten = true;
        if (m_onJournalSynced)
            m_onJournalSynced();

        // 2. The pages themselves, once the reads in progress are done; new ones wait from here on.
        lockView(LockMode::Exclusive);
        int writes = 0;
        for (const auto &[number, data] : m_dirty) {
            injectedFault(writes);
            if (m_onPageWrite)
                m_onPageWrite(writes);
            pagesWritten = true;
            m_file->writeAt(data.data(), data.size(), std::uint64_t(number) * pageSize);
            ++writes;
        }
        injectedFault(writes);
        // Every reader that cached pages before this commit will see a new stamp.
        m_file->touchPast(m_stamp->modifiedNs);
        m_file->sync();

        // 3. Done: without the journal the new state is the state.
        removeFileSynced(jpath);
    } catch (...) {
        m_dirty.clear();
        m_cache.clear();
        m_appended = 0;
        m_stamp.reset();
        // A program that lives on puts the file back at once, so that its own reads (and everyone's) see the
        // last committed state; if that fails too, the journal stays and the next read or change plays it
        // back.
        if (journalWritten && !crashed) {
            try {
                if (pagesWritten)
                    playBack(journal);
                else
                    removeFileSynced(jpath);
            } catch (const Failure &) {
            }
        }
        m_inTransaction = false;
        releaseAll();
        throw;
    }
    for (auto &[number, data] : m_dirty)
        m_cache[number] = std::move(data);
    m_fileSize = std::uint64_t(pageCount()) * pageSize;
    m_dirty.clear();
    m_appended = 0;
    m_stamp = m_file->stamp();
    m_inTransaction = false;
    releaseAll();
}

} // namespace jet
