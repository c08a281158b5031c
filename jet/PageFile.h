#pragma once

#include "jet/Bytes.h"
#include "jet/Error.h"
#include "jet/Format.h"
#include "jet/OsFile.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace jet {

// The page channel: reads pages of one file and writes them in atomic transactions, safely beside other
// programs (and other PageFiles) using the same file.
//
// A transaction collects changed and appended pages in memory. Commit first writes the original content of
// every page it will overwrite, and the original file length, to a rollback journal beside the file and syncs
// it; only then are the pages written and synced, and the journal removed.
//
// Locks (see PageFile.cpp) keep programs apart. A change holds the reserved lock from begin() to the end of
// commit(), so a journal a writer finds belongs to one that died: its pages are put back, so the file is as
// it was before that commit. Reads run under the shared lock (see ReadLock), which a commit takes alone only
// while it writes pages, so a read never sees a commit half applied; a reader that finds a journal reads the
// original pages from it. A journal that is not whole cannot be trusted to undo anything: the file is then
// reported as needing repair, and left alone. Pages read earlier are kept while the file's stamp (identity,
// length, change time) stays as it was; every commit changes it.
class PageFile
{
public:
    // Throws Failure. A file or folder we may not write is opened read-only (see readOnly()).
    static std::unique_ptr<PageFile> open(const std::string &path);
    ~PageFile();
    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    const std::string &path() const { return m_path; }
    const Format &format() const { return *m_format; }
    bool readOnly() const { return m_readOnly; }
    std::uint32_t pageCount() const;
    std::uint16_t codePage() const { return m_codePage; }

    // A page as the current read or transaction sees it; throws Corrupt for a page past the end of the file.
    const Bytes &page(std::uint32_t number);

    // A read: takes the shared lock (waiting for a commit that is writing pages, up to LockWaitLimit) and
    // drops the cached pages if the file changed since they were read. Nests; a no-op inside a transaction.
    void beginRead();
    void endRead();
    // Moves each time cached pages were dropped because the file changed; whoever keeps something derived
    // from pages (a table definition, the catalog) reads it again then.
    std::uint64_t generation() const { return m_generation; }

    // Takes the reserved lock (waiting for another writer, up to LockWaitLimit) and brings the view up to
    // date with the file on disk. Not inside a read.
    void begin();
    // Keeps other writers, in this program or another, from beginning a change (they wait, up to
    // LockWaitLimit) until releaseWriters(); reads go on. For a change made beside the page channel, such as
    // a copy renamed into the file's place. No transaction may begin meanwhile.
    void holdWriters();
    void releaseWriters();
    // A writable copy of the page within the transaction.
    Bytes &modify(std::uint32_t number);
    // A new zeroed page at the end of the file; returns its number.
    std::uint32_t append();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Test seams. A commit fails after this many page writes to the file: a Crash stops as if the process
    // died there (the file stays half-written, its journal beside it); an IoError is a failed write the
    // program lives on after. onJournalSynced is called when the journal is written and synced, before the
    // commit waits for reads in progress; onPageWrite before each page write, with the number written so far.
    enum class Fault { Crash, IoError };
    void failAfterPageWrites(int writes, Fault fault = Fault::Crash)
    {
        m_failAfterWrites = writes;
        m_fault = fault;
    }
    void onPageWrite(std::function<void(int)> hook) { m_onPageWrite = std::move(hook); }
    void onJournalSynced(std::function<void()> hook) { m_onJournalSynced = std::move(hook); }
    // Called, in this process, each time a lock is found held by someone else and will be tried again.
    static void onLockWait(std::function<void()> hook);

    static std::string journalPath(const std::string &path) { return path + "-journal"; }
    // How long a read or a change waits for another program's change of the same file before it gives up.
    static constexpr std::chrono::seconds LockWaitLimit{10};

private:
    PageFile() = default;
    void attach(std::unique_ptr<OsFile> file);
    void readHeader();
    Bytes readFromDisk(std::uint32_t number) const;
    void waitForLock(std::uint64_t byte, LockMode mode, std::chrono::steady_clock::time_point deadline);
    bool reopenIfReplaced();
    void lockView(LockMode mode);
    void unlockView();
    void reserve();
    void releaseAll();
    void updateView();
    void playBack(const Bytes &journal);

    enum class Held { None, Shared, Exclusive };

    std::string m_path;
    std::unique_ptr<OsFile> m_file;
    bool m_readOnly = false;
    const Format *m_format = nullptr;
    std::uint16_t m_codePage = 1252;
    std::uint64_t m_fileSize = 0;
    Held m_held = Held::None; // of the pending and shared bytes
    bool m_reserved = false;
    int m_readDepth = 0;
    // The file as it stood when the cached pages were read; empty when they must be checked again.
    std::optional<FileStamp> m_stamp;
    std::uint64_t m_generation = 0;
    std::unordered_map<std::uint32_t, Bytes> m_cache;
    // The original pages of a journal beside the file, which a reader reads instead of the file's, and the
    // journal they came from.
    std::unordered_map<std::uint32_t, Bytes> m_journalOverlay;
    std::optional<FileStamp> m_journalStamp;
    std::map<std::uint32_t, Bytes> m_dirty;
    std::uint32_t m_appended = 0;
    bool m_inTransaction = false;
    int m_failAfterWrites = -1;
    Fault m_fault = Fault::Crash;
    bool m_holdingWriters = false;
    std::function<void(int)> m_onPageWrite;
    std::function<void()> m_onJournalSynced;
};

// Holds a PageFile's shared lock for the length of one read (see PageFile::beginRead).
class ReadLock
{
public:
    explicit ReadLock(PageFile &file) : m_file(file) { m_file.beginRead(); }
    ~ReadLock() { m_file.endRead(); }
    ReadLock(const ReadLock &) = delete;
    ReadLock &operator=(const ReadLock &) = delete;

private:
    PageFile &m_file;
};

// Holds a PageFile's writers off while it lives (see PageFile::holdWriters).
class WriterHold
{
public:
    explicit WriterHold(PageFile &file) : m_file(file) { m_file.holdWriters(); }
    ~WriterHold() { m_file.releaseWriters(); }
    WriterHold(const WriterHold &) = delete;
    WriterHold &operator=(const WriterHold &) = delete;

private:
    PageFile &m_file;
};

} // namespace jet
