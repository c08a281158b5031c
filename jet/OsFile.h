#pragma once

#include "jet/Bytes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace jet {

// Which file a path names and how it stood at one moment. Every commit moves the modification time on (see
// OsFile::touchPast), so an unchanged stamp means that no commit was completed since.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp &) const = default;
    bool sameFileAs(const FileStamp &other) const { return device == other.device && inode == other.inode; }
};

enum class LockMode { Shared, Exclusive };

// One open database file and the few operating-system calls the page channel makes on it. This file and
// OsFile.cpp are the engine's only contact with the operating system (POSIX); failures are thrown as Failure
// with the file's path in the message.
class OsFile
{
public:
    // Read-write when the file and its folder may be written, else read-only.
    static std::unique_ptr<OsFile> open(const std::string &path);
    ~OsFile();
    OsFile(const OsFile &) = delete;
    OsFile &operator=(const OsFile &) = delete;

    const std::string &path() const { return m_path; }
    bool writable() const { return m_writable; }
    FileStamp stamp() const;
    // False at the end of the file or on a read error.
    bool readAt(std::uint8_t *data, std::size_t size, std::uint64_t offset) const;
    void writeAt(const std::uint8_t *data, std::size_t size, std::uint64_t offset);
    void sync();
    void truncate(std::uint64_t size);
    // Makes the modification time later than beforeNs: writes set it to the file system's clock, which moves
    // in steps (of milliseconds; of seconds on some), so within the step of the last change it is set a
    // microsecond later by hand, or, when we do not own the file, we wait for the next step.
    void touchPast(std::int64_t beforeNs);

    // Locks on single bytes, owned by this open file rather than the process, so that two OsFiles on one file
    // in one process exclude each other as two processes do. False when another holder's lock conflicts.
    bool tryLock(std::uint64_t offset, LockMode mode);
    void unlock(std::uint64_t offset);

private:
    OsFile() = default;
    std::string m_path;
    int m_fd = -1;
    bool m_writable = false;
};

// The stamp of the file a path names now; nullopt when there is none.
std::optional<FileStamp> stampOf(const std::string &path);
// A whole small file; nullopt when it does not exist.
std::optional<Bytes> readWholeFile(const std::string &path);
// Writes data to a new file beside path, syncs it and renames it to path, so that path is either absent or
// whole, never torn. The folder is synced too.
void replaceFileSynced(const std::string &path, const Bytes &data);
// Removes path and syncs its folder, so the removal itself survives a power cut.
void removeFileSynced(const std::string &path);

} // namespace jet
