#include "record_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

std::string ParentFolder(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NamePart(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFolder(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Closes a descriptor on every path out of a scope.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    int get() const { return fd_; }
    int close()
    {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Root passes every permission check, but the editor must still treat a file without write bits, or one on
// a read-only mount, as read-only.
bool IsReadOnly(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    struct statvfs vfs;
    return ::fstatvfs(fd, &vfs) == 0 && (vfs.f_flag & ST_RDONLY);
}

ssize_t ReadFully(int fd, std::uint8_t *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return ssize_t(done);
}

ssize_t WriteFully(int fd, const std::uint8_t *buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return done > 0 ? ssize_t(done) : -1;
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return ssize_t(done);
}

// Removes the temporary file unless the save got as far as renaming it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    const std::string &path() const { return path_; }
    void release() { path_.clear(); }

private:
    std::string path_;
};

// The temporary files of a save are named "." + the target's name + "." + six letters or digits (mkstemp's
// pattern). A save holds an exclusive lock on its temporary file until it has renamed it, so one that
// nobody holds locked was left by a save that was killed before it could remove it.
bool IsTemporaryName(std::string_view entry, std::string_view target)
{
    constexpr std::size_t RandomLength = 6;
    if (entry.size() != target.size() + 2 + RandomLength || entry[0] != '.'
        || entry.substr(1, target.size()) != target || entry[target.size() + 1] != '.')
        return false;
    for (const char c : entry.substr(target.size() + 2)) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// Locks a save's own temporary file for the time of the save. False when another process removed it in the
// moment between its creation and the lock (see RemoveStaleTemporaries). A folder whose file system has no
// locks gives no protection, and its temporaries are never removed.
bool LockOwnTemporary(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno != EWOULDBLOCK;
    struct stat st;
    return ::fstat(fd, &st) == 0 && st.st_nlink > 0;
}

// Removes the temporaries that killed saves of the same target left in its folder: regular files only,
// only of this exact name pattern, and only when no running save holds them. Failures are ignored: the
// save itself has already succeeded.
void RemoveStaleTemporaries(const std::string &folder, const std::string &target)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, target))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        FileHandle candidate(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened, named;
        if (candidate.get() < 0 || ::fstat(candidate.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
            continue;
        if (::flock(candidate.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        // Still the same file under that name: remove it while holding its lock.
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

} // namespace

EInOutError FileError(int errnum, const std::string &path)
{
    switch (errnum) {
    case ENOENT:
        // A missing folder on the way is a bad name, a missing file in an existing folder is not found.
        return IsFolder(ParentFolder(path)) ? EInOutError(2, "File not found") : EInOutError(3, "Invalid filename");
    case ENOTDIR:
    case ENAMETOOLONG:
        return EInOutError(3, "Invalid filename");
    case EMFILE:
    case ENFILE:
        return EInOutError(4, "Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return EInOutError(5, "File access denied");
    case ENOSPC:
    case EDQUOT:
        return ShortWriteError();
    default:
        return EInOutError(errnum, "I/O error " + std::to_string(errnum));
    }
}

EInOutError ShortReadError() { return EInOutError(ReadBeyondEndCode, "Read beyond end of file"); }
EInOutError ShortWriteError() { return EInOutError(DiskFullCode, "Disk full"); }

void ReadRecord(const std::string &path, TConfigRecord &record)
{
    FileHandle file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0)
        throw FileError(errno, path);
    if (IsReadOnly(file.get()))
        throw FileError(EACCES, path);
    TConfigRecord scratch;
    const ssize_t n = ReadFully(file.get(), scratch.bytes(), ConfigRecordSize);
    if (n < 0)
        throw FileError(errno, path);
    if (std::size_t(n) < ConfigRecordSize)
        throw ShortReadError();
    record = scratch;
}

void WriteRecord(const std::string &requestedPath, const TConfigRecord &record)
{
    std::string path = requestedPath;
    struct stat target;
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists) {
        if (S_ISDIR(target.st_mode))
            throw FileError(EISDIR, path);
        // Replace what a link points at, not the link itself.
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
        if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
            throw FileError(EACCES, path);
    } else if (errno != ENOENT) {
        throw FileError(errno, path);
    }

    const std::string folder = ParentFolder(path);
    if (!IsFolder(folder))
        throw FileError(ENOENT, path);
    struct statvfs vfs;
    if (::statvfs(folder.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY))
        throw FileError(EROFS, path);

    // A temporary file that this save holds locked until it is renamed.
    const std::string name = NamePart(path);
    std::string temporaryPath;
    int created = -1;
    for (int attempt = 0;; ++attempt) {
        std::string pattern = folder + "/." + name + ".XXXXXX";
        created = ::mkstemp(pattern.data());
        if (created < 0)
            throw FileError(errno, path);
        if (LockOwnTemporary(created)) {
            temporaryPath = pattern;
            break;
        }
        // Another save took it for a stale one in the instant before the lock, and removes it: start again.
        ::close(created);
        if (attempt == 5)
            throw FileError(EAGAIN, path);
    }
    FileHandle file(created);
    // A second descriptor keeps the lock when the first is closed to learn of write-back errors; it is
    // released after the file is renamed or, on a failure, removed.
    FileHandle lock(::dup(file.get()));
    const int dupError = errno;
    TemporaryFile temporary(temporaryPath);
    if (lock.get() < 0)
        throw FileError(dupError, path);

    // The new file keeps the old one's permissions and, where allowed, its owner; a new file gets the
    // usual 0666 less the umask.
    if (exists) {
        ::fchmod(file.get(), target.st_mode & 07777);
        if (::fchown(file.get(), target.st_uid, target.st_gid) != 0) {
            // Only root may give a file away; the owner stays the saving user otherwise.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(file.get(), 0666 & ~mask);
    }

    const ssize_t n = WriteFully(file.get(), record.bytes(), ConfigRecordSize);
    if (n < 0)
        throw FileError(errno, path);
    if (std::size_t(n) < ConfigRecordSize)
        throw ShortWriteError();
    if (::fsync(file.get()) != 0 && errno != EINVAL)
        throw FileError(errno, path);
    if (file.close() != 0)
        throw FileError(errno, path);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        throw FileError(errno, path);
    temporary.release();
    lock.close();
    RemoveStaleTemporaries(folder, name);

    // Make the rename itself durable; a failure here no longer affects the saved bytes.
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}
