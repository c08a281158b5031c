#include "jet/OsFile.h"

#include "jet/Error.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace jet {

namespace {

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
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

std::int64_t nanoseconds(const timespec &t)
{
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

FileStamp stampFrom(const struct stat &st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

} // namespace

std::unique_ptr<OsFile> OsFile::open(const std::string &path)
{
    std::unique_ptr<OsFile> file(new OsFile);
    file->m_path = path;
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        fail(ErrorKind::FileNotFound, sysError("Cannot open database", path));
    if (!S_ISREG(st.st_mode))
        fail(ErrorKind::NotJetFile, "\"" + path + "\" is not a Jet database file");
    // A commit also creates and removes the journal beside the file, so the folder must be writable too.
    const bool canWrite = ::access(path.c_str(), W_OK) == 0 && ::access(folderOf(path).c_str(), W_OK) == 0;
    file->m_fd = ::open(path.c_str(), (canWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    file->m_writable = canWrite && file->m_fd >= 0;
    if (file->m_fd < 0 && canWrite)
        file->m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file->m_fd < 0)
        fail(ErrorKind::FileNotFound, sysError("Cannot open database", path));
    return file;
}

OsFile::~OsFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileStamp OsFile::stamp() const
{
    struct stat st
    {
    };
    if (::fstat(m_fd, &st) != 0)
        fail(ErrorKind::Io, sysError("Cannot examine", m_path));
    return stampFrom(st);
}

bool OsFile::readAt(std::uint8_t *data, std::size_t size, std::uint64_t offset) const
{
    return readAll(m_fd, data, size, offset);
}

void OsFile::writeAt(const std::uint8_t *data, std::size_t size, std::uint64_t offset)
{
    writeAll(m_fd, data, size, offset, m_path);
}

void OsFile::sync()
{
    if (::fsync(m_fd) != 0)
        fail(ErrorKind::Io, sysError("Cannot sync", m_path));
}

void OsFile::truncate(std::uint64_t size)
{
    if (::ftruncate(m_fd, static_cast<off_t>(size)) != 0)
        fail(ErrorKind::Io, sysError("Cannot change the length of", m_path));
}

void OsFile::touchPast(std::int64_t beforeNs)
{
    // Two seconds is the coarsest step of the file systems in use (FAT); most step in a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(2100);
    const timespec now[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    for (;;) {
        if (stamp().modifiedNs > beforeNs)
            return;
        if (::futimens(m_fd, now) != 0)
            fail(ErrorKind::Io, sysError("Cannot mark the change of", m_path));
        if (stamp().modifiedNs > beforeNs)
            return;
        // Still within the clock step of the last change: the file's owner may step the time on by hand.
        const std::int64_t next = beforeNs + 1000;
        const timespec later[2] = {{0, UTIME_OMIT},
                                   {static_cast<time_t>(next / 1000000000), next % 1000000000}};
        if (::futimens(m_fd, later) == 0 && stamp().modifiedNs > beforeNs)
            return;
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool OsFile::tryLock(std::uint64_t offset, LockMode mode)
{
    for (;;) {
        struct flock fl
        {
        };
        fl.l_type = mode == LockMode::Exclusive ? F_WRLCK : F_RDLCK;
        fl.l_whence = SEEK_SET;
        fl.l_start = static_cast<off_t>(offset);
        fl.l_len = 1;
        if (::fcntl(m_fd, F_OFD_SETLK, &fl) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EACCES)
            return false;
        fail(ErrorKind::Io, sysError("Cannot lock", m_path));
    }
}

void OsFile::unlock(std::uint64_t offset)
{
    struct flock fl
    {
    };
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = 1;
    ::fcntl(m_fd, F_OFD_SETLK, &fl);
}

std::optional<FileStamp> stampOf(const std::string &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return stampFrom(st);
}

std::optional<Bytes> readWholeFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail(ErrorKind::Io, sysError("Cannot read", path));
    }
    Bytes data;
    struct stat st
    {
    };
    const bool read = ::fstat(fd, &st) == 0 && (data.resize(static_cast<std::size_t>(st.st_size)),
                                                readAll(fd, data.data(), data.size(), 0));
    ::close(fd);
    if (!read)
        fail(ErrorKind::Io, "Cannot read \"" + path + "\"");
    return data;
}

void replaceFileSynced(const std::string &path, const Bytes &data)
{
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(ErrorKind::Io, sysError("Cannot create", temporary));
    try {
        writeAll(fd, data.data(), data.size(), 0, temporary);
        if (::fsync(fd) != 0)
            fail(ErrorKind::Io, sysError("Cannot sync", temporary));
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string why = sysError("Cannot create", path);
        ::unlink(temporary.c_str());
        fail(ErrorKind::Io, why);
    }
    syncFolder(path);
}

void removeFileSynced(const std::string &path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        fail(ErrorKind::Io, sysError("Cannot remove", path));
    syncFolder(path);
}

} // namespace jet
