#include "jet/PageFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace jet {

namespace {

constexpr char JournalMagic[8] = {'J', 'E', 'T', 'J', 'R', 'N', 'L', '1'};

std::string sysError(const std::string &what, const std::string &path)
{
    return what + " \"" + path + "\": " + std::strerror(errno);
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

void syncFolder(const std::string &path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void writeAll(int fd, const std::uint8_t *data, std::size_t size, std::uint64_t offset,
              const std::string &path)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(ErrorKind::Io, sysError("Cannot write", path));
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
}

bool readAll(int fd, std::uint8_t *data, std::size_t size, std::uint64_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

std::uint64_t checksum(const Bytes &data, std::size_t size)
{
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 1099511628211ULL;
    return h;
}

} // namespace

std::unique_ptr<PageFile> PageFile::open(const std::string &path)
{
    std::unique_ptr<PageFile> file(new PageFile);
    file->m_path = path;
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        fail(ErrorKind::FileNotFound, sysError("Cannot open database", path));
    if (!S_ISREG(st.st_mode))
        fail(ErrorKind::NotJetFile, "\"" + path + "\" is not a Jet database file");
    const bool canWrite = ::access(path.c_str(), W_OK) == 0 && ::access(folderOf(path).c_str(), W_OK) == 0;
    file->m_fd = ::open(path.c_str(), canWrite ? O_RDWR : O_RDONLY);
    if (file->m_fd < 0 && canWrite)
        file->m_fd = ::open(path.c_str(), O_RDONLY);
    if (file->m_fd < 0)
        fail(ErrorKind::FileNotFound, sysError("Cannot open database", path));
    file->m_readOnly = !canWrite;
    file->m_fileSize = static_cast<std::uint64_t>(st.st_size);
    file->readHeader();
    file->recoverJournal();
    return file;
}

PageFile::~PageFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void PageFile::readHeader()
{
    std::uint8_t head[0x18 + 128] = {};
    const std::string notJet = "\"" + m_path + "\" is not a Jet database file";
    if (m_fileSize < sizeof head || !readAll(m_fd, head, sizeof head, 0))
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
    if (!readAll(m_fd, data.data(), data.size(), std::uint64_t(number) * m_format->pageSize))
        fail(ErrorKind::Io, sysError("Cannot read page " + std::to_string(number) + " of", m_path));
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

// Locks belong to the open file, not the process (open-file-description locks), so two PageFiles on one file
// in one process exclude each other as two processes do. A live writer is waited for, up to LockWaitLimit.
void PageFile::lock(bool exclusive)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + LockWaitLimit;
    for (;;) {
        struct flock fl
        {
        };
        fl.l_type = exclusive ? F_WRLCK : F_RDLCK;
        fl.l_whence = SEEK_SET;
        if (::fcntl(m_fd, F_OFD_SETLK, &fl) == 0)
            return;
        if (errno != EINTR && errno != EAGAIN && errno != EACCES)
            fail(ErrorKind::Io, sysError("Cannot lock", m_path));
        if (steady_clock::now() >= deadline)
            fail(ErrorKind::Io, "The database \"" + m_path + "\" is busy: another program is changing it");
        std::this_thread::sleep_for(milliseconds(5));
    }
}

void PageFile::unlock()
{
    struct flock fl
    {
    };
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    ::fcntl(m_fd, F_OFD_SETLK, &fl);
}

void PageFile::begin()
{
    if (m_readOnly)
        fail(ErrorKind::ReadOnly, "The database \"" + m_path + "\" is read-only");
    if (m_inTransaction)
        fail(ErrorKind::Io, "A change to \"" + m_path + "\" is already in progress");
    lock(true);
    m_inTransaction = true;
    try {
        // Another process may have changed or crashed while changing the file since we last looked.
        m_cache.clear();
        recoverJournal();
        struct stat st
        {
        };
        if (::fstat(m_fd, &st) != 0)
            fail(ErrorKind::Io, sysError("Cannot examine", m_path));
        m_fileSize = static_cast<std::uint64_t>(st.st_size);
    } catch (...) {
        m_inTransaction = false;
        unlock();
        throw;
    }
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
        unlock();
    }
}

void PageFile::commit()
{
    const std::uint32_t pageSize = m_format->pageSize;
    const std::uint32_t oldPages = static_cast<std::uint32_t>(m_fileSize / pageSize);
    try {
        // 1. The journal: original length, then the original of every page that will be overwritten.
        Bytes journal(JournalMagic, JournalMagic + 8);
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

        const std::string jpath = journalPath(m_path);
        const int jfd = ::open(jpath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (jfd < 0)
            fail(ErrorKind::Io, sysError("Cannot create the journal", jpath));
        try {
            writeAll(jfd, journal.data(), journal.size(), 0, jpath);
            if (::fsync(jfd) != 0)
                fail(ErrorKind::Io, sysError("Cannot sync the journal", jpath));
        } catch (...) {
            ::close(jfd);
            ::unlink(jpath.c_str());
            throw;
        }
        ::close(jfd);
        syncFolder(jpath);

        // 2. The pages themselves.
        int writes = 0;
        for (const auto &[number, data] : m_dirty) {
            if (m_failAfterWrites >= 0 && writes >= m_failAfterWrites)
                fail(ErrorKind::Io, "Injected fault after " + std::to_string(writes) + " page writes");
            if (m_onPageWrite)
                m_onPageWrite(writes);
            writeAll(m_fd, data.data(), data.size(), std::uint64_t(number) * pageSize, m_path);
            ++writes;
        }
        if (m_failAfterWrites >= 0 && writes >= m_failAfterWrites)
            fail(ErrorKind::Io, "Injected fault after " + std::to_string(writes) + " page writes");
        if (::fsync(m_fd) != 0)
            fail(ErrorKind::Io, sysError("Cannot sync", m_path));

        // 3. Done: without the journal the new state is the state.
        if (::unlink(jpath.c_str()) != 0)
            fail(ErrorKind::Io, sysError("Cannot remove the journal", jpath));
        syncFolder(jpath);
    } catch (...) {
        // The file may be half-written; the journal restores it on the next open or begin.
        m_dirty.clear();
        m_cache.clear();
        m_appended = 0;
        m_inTransaction = false;
        unlock();
        throw;
    }
    for (auto &[number, data] : m_dirty)
        m_cache[number] = std::move(data);
    m_fileSize = std::uint64_t(pageCount()) * pageSize;
    m_dirty.clear();
    m_appended = 0;
    m_inTransaction = false;
    unlock();
}

void PageFile::recoverJournal()
{
    // A journal is only trusted or played back while we hold the write lock: otherwise it may belong to a
    // commit still in progress in another process, whose pages we would overwrite with the old ones.
    // A read-only file cannot take the write lock; a shared one still keeps a writer out while we look.
    const bool hadLock = m_inTransaction;
    if (!hadLock)
        lock(!m_readOnly);
    try {
        recoverJournalLocked();
    } catch (...) {
        if (!hadLock)
            unlock();
        throw;
    }
    if (!hadLock)
        unlock();
}

void PageFile::recoverJournalLocked()
{
    const std::string jpath = journalPath(m_path);
    const int jfd = ::open(jpath.c_str(), O_RDONLY);
    if (jfd < 0)
        return;
    struct stat st
    {
    };
    Bytes journal;
    if (::fstat(jfd, &st) == 0 && st.st_size > 0) {
        journal.resize(static_cast<std::size_t>(st.st_size));
        if (!readAll(jfd, journal.data(), journal.size(), 0))
            journal.clear();
    }
    ::close(jfd);

    const std::uint32_t pageSize = m_format->pageSize;
    bool complete = journal.size() >= 32 && std::memcmp(journal.data(), JournalMagic, 8) == 0 &&
                    get32(journal.data() + 8) == pageSize;
    if (complete) {
        const std::size_t body = journal.size() - 8;
        const std::uint64_t sum = checksum(journal, body);
        complete = get32(journal.data() + body) == static_cast<std::uint32_t>(sum) &&
                   get32(journal.data() + body + 4) == static_cast<std::uint32_t>(sum >> 32) &&
                   24 + std::uint64_t(get32(journal.data() + 20)) * (4 + pageSize) == body;
    }
    if (!complete) {
        // The commit died while writing its journal, before touching the file: nothing to undo.
        if (!m_readOnly)
            ::unlink(jpath.c_str());
        return;
    }
    const std::uint64_t originalSize =
        get32(journal.data() + 12) | (std::uint64_t(get32(journal.data() + 16)) << 32);
    const std::uint32_t count = get32(journal.data() + 20);
    if (m_readOnly) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t *entry = journal.data() + 24 + std::size_t(i) * (4 + pageSize);
            m_journalOverlay[get32(entry)] = Bytes(entry + 4, entry + 4 + pageSize);
        }
        m_fileSize = std::min(m_fileSize, originalSize);
        return;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t *entry = journal.data() + 24 + std::size_t(i) * (4 + pageSize);
        writeAll(m_fd, entry + 4, pageSize, std::uint64_t(get32(entry)) * pageSize, m_path);
    }
    if (::ftruncate(m_fd, static_cast<off_t>(originalSize)) != 0 || ::fsync(m_fd) != 0)
        fail(ErrorKind::Io, sysError("Cannot restore", m_path));
    ::unlink(jpath.c_str());
    syncFolder(jpath);
    m_fileSize = originalSize;
    m_cache.clear();
}

} // namespace jet
