// The POSIX side of the file services. On Linux the new content goes to an unnamed file in the
// destination's folder (O_TMPFILE): should the process be killed, even by SIGKILL, the system
// reclaims it and nothing is left behind. Commit() gives it a name with linkat and renames that
// over the destination. A filesystem without unnamed files gets a hidden named one instead,
// removed on every failure.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "os/file_replacement.h"
#include "os/system_error.h"
#include "os/write_buffer.h"

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;

// Writes to a file descriptor; Detach() ends writing.
class DescriptorBuffer : public WriteBuffer {
  public:
    void Attach(int fd) { fd_ = fd; }
    void Detach() { fd_ = -1; }

  protected:
    std::size_t WriteSome(const char* bytes, std::size_t length,
                          std::error_code& failure) override {
        for (;;) {
            const ssize_t written = fd_ < 0 ? (errno = EBADF, -1) : ::write(fd_, bytes, length);
            if (written >= 0) return static_cast<std::size_t>(written);
            if (errno == EINTR) continue;
            failure = LastSystemError();
            return 0;
        }
    }
    std::streamoff SeekTo(std::streamoff offset, std::ios_base::seekdir from) override {
        const int whence = from == std::ios_base::beg   ? SEEK_SET
                           : from == std::ios_base::cur ? SEEK_CUR
                                                        : SEEK_END;
        return fd_ < 0 ? -1 : static_cast<std::streamoff>(::lseek(fd_, offset, whence));
    }

  private:
    int fd_ = -1;
};

// A hidden name beside the destination that no other file has yet: ".results.csv.1f2e3d4c.tmp".
fs::path TemporaryName(const fs::path& destination) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    char tag[17];
    std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(random()));
    std::string name(".");
    name.append(destination.filename().string()).append(".").append(tag).append(".tmp");
    return destination.parent_path() / name;
}

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

}  // namespace

struct FileReplacement::Impl {
    explicit Impl(const fs::path& path);
    ~Impl();
    void StartTemporary();
    void NameUnnamedFile();
    void Commit();

    fs::path destination;  // the file named, or the one its symbolic link points to
    fs::path temporary;    // the named temporary file; empty while unnamed or written straight
    int fd = -1;
    bool straightThrough = false;  // a device or a pipe
    DescriptorBuffer buffer;
    std::ostream stream{&buffer};
};

FileReplacement::Impl::Impl(const fs::path& path) : destination(path) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (!exists && !IsMissing(errno)) FileError::ThrowLast(FileStep::Create, path);
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError(FileStep::Create, path, std::make_error_code(std::errc::is_a_directory));
    if (exists && !S_ISREG(existing.st_mode)) {
        fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) FileError::ThrowLast(FileStep::Create, path);
        straightThrough = true;
        buffer.Attach(fd);
        return;
    }
    if (exists) {
        // A file the user may not write is kept, as an editor keeps it, though the folder would
        // let a rename replace it. The superuser may write any file, so one that nobody may
        // write counts as read-only for it too.
        if ((existing.st_mode & 0222) == 0)
            throw FileError(FileStep::Create, path, SystemError(EACCES));
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            FileError::ThrowLast(FileStep::Create, path);
        std::error_code ignored;
        const fs::path target = fs::canonical(path, ignored);
        if (!target.empty()) destination = target;
    }
    if (!exists) {
        const fs::path folder = FolderOf(destination);
        struct stat folderStat {};
        const bool found = ::stat(folder.c_str(), &folderStat) == 0;
        if (!found && !IsMissing(errno)) FileError::ThrowLast(FileStep::Create, path);
        if (!found) FileError::ThrowLast(FileStep::FindFolder, folder);
        if (!S_ISDIR(folderStat.st_mode)) {
            throw FileError(FileStep::FindFolder, folder,
                            std::make_error_code(std::errc::not_a_directory));
        }
    }
    StartTemporary();
    // The new file keeps the permissions of the one it replaces; a filesystem without
    // permissions refuses, and the new file then has the usual ones.
    if (exists) (void)::fchmod(fd, existing.st_mode & 07777);
    buffer.Attach(fd);
}

void FileReplacement::Impl::StartTemporary() {
#ifdef O_TMPFILE
    // Naming an unnamed file later goes through /proc/self/fd, which a bare chroot may lack.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd = ::open(FolderOf(destination).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) return;
        // Only these say that the filesystem (or the kernel) has no unnamed files.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            FileError::ThrowLast(FileStep::Create, destination);
    }
#endif
    do {
        temporary = TemporaryName(destination);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0) {
        const std::error_code reason = LastSystemError();
        temporary.clear();
        throw FileError(FileStep::Create, destination, reason);
    }
}

// The unnamed file gets a hidden name beside the destination, to be renamed over it at once.
void FileReplacement::Impl::NameUnnamedFile() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (;;) {
        const fs::path name = TemporaryName(destination);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary = name;
            return;
        }
        if (errno != EEXIST) FileError::ThrowLast(FileStep::Replace, destination);
    }
}

void FileReplacement::Impl::Commit() {
    if (!buffer.Flush()) throw FileError(FileStep::Write, destination, buffer.Failure());
    if (!straightThrough) {
        // On the disk before it replaces anything, so that a power cut cannot leave an empty
        // file where the previous one was.
        if (::fsync(fd) != 0) FileError::ThrowLast(FileStep::Write, destination);
        if (temporary.empty()) NameUnnamedFile();
        if (::rename(temporary.c_str(), destination.c_str()) != 0)
            FileError::ThrowLast(FileStep::Replace, destination);
        temporary.clear();
    }
    buffer.Detach();
    const int closing = ::close(fd);
    fd = -1;
    if (closing != 0 && straightThrough) FileError::ThrowLast(FileStep::Write, destination);
}

FileReplacement::Impl::~Impl() {
    if (fd >= 0) ::close(fd);
    if (!temporary.empty()) ::unlink(temporary.c_str());
}

FileReplacement::FileReplacement(const fs::path& destination)
    : impl_(std::make_unique<Impl>(destination)) {}

FileReplacement::~FileReplacement() = default;

std::ostream& FileReplacement::Stream() { return impl_->stream; }

void FileReplacement::Commit() { impl_->Commit(); }

}  // namespace deckplate::os
