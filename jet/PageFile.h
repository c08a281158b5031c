#pragma once

#include "jet/Bytes.h"
#include "jet/Error.h"
#include "jet/Format.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace jet {

// The page channel: reads pages of one file and writes them in atomic transactions.
//
// A transaction collects changed and appended pages in memory. Commit first writes the original content of
// every page it will overwrite, and the original file length, to a rollback journal beside the file and syncs
// it; only then are the pages written and synced, and the journal removed. A journal found on open means a
// commit was interrupted: its pages are put back, so the file is as it was before that commit.
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

    // A page as the current transaction sees it; throws Corrupt for a page past the end of the file.
    const Bytes &page(std::uint32_t number);

    // Takes the advisory write lock and forgets cached pages, so a change starts from what is on disk.
    void begin();
    // A writable copy of the page within the transaction.
    Bytes &modify(std::uint32_t number);
    // A new zeroed page at the end of the file; returns its number.
    std::uint32_t append();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Test hooks: the commit stops, as if the process died, after this many page writes to the file; and a
    // call before each page write, with the number of pages written so far.
    void failAfterPageWrites(int writes) { m_failAfterWrites = writes; }
    void onPageWrite(std::function<void(int)> hook) { m_onPageWrite = std::move(hook); }

    static std::string journalPath(const std::string &path) { return path + "-journal"; }
    // How long a change waits for another writer of the same file before it gives up.
    static constexpr std::chrono::seconds LockWaitLimit{10};

private:
    PageFile() = default;
    void readHeader();
    void recoverJournal();
    void recoverJournalLocked();
    Bytes readFromDisk(std::uint32_t number) const;
    void lock(bool exclusive);
    void unlock();

    std::string m_path;
    int m_fd = -1;
    bool m_readOnly = false;
    const Format *m_format = nullptr;
    std::uint16_t m_codePage = 1252;
    std::uint64_t m_fileSize = 0;
    std::unordered_map<std::uint32_t, Bytes> m_cache;
    // Pages restored from a journal we could not apply because the file is read-only.
    std::unordered_map<std::uint32_t, Bytes> m_journalOverlay;
    std::map<std::uint32_t, Bytes> m_dirty;
    std::uint32_t m_appended = 0;
    bool m_inTransaction = false;
    int m_failAfterWrites = -1;
    std::function<void(int)> m_onPageWrite;
};

} // namespace jet
