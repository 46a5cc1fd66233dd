// Opening a regular file with POSIX calls. The path's kind is looked at before it is opened, so
// that no device is opened at all, and again on the opened file, since the name may reach another
// file by then; the opening itself does not wait (O_NONBLOCK), should a FIFO have taken the
// regular file's place between the two.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "os/regular_file.h"

namespace deckplate::os {
namespace {

[[noreturn]] void RefuseKind(mode_t mode) {
    throw OpenError(S_ISDIR(mode) ? OpenFault::Folder : OpenFault::NotAFile, {});
}

[[noreturn]] void Refuse(int error) {
    throw OpenError(OpenFault::System, std::error_code(error, std::generic_category()));
}

}  // namespace

ReadStream OpenRegularFile(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) Refuse(errno);
    if (!S_ISREG(status.st_mode)) RefuseKind(status.st_mode);
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) Refuse(errno);
    const auto closeAndRefuse = [descriptor](auto refuse, auto what) {
        ::close(descriptor);
        refuse(what);
    };
    if (::fstat(descriptor, &status) != 0) closeAndRefuse(Refuse, errno);
    if (!S_ISREG(status.st_mode)) closeAndRefuse(RefuseKind, status.st_mode);
    // Reading a regular file never waits: the flag only kept the opening from it.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    ReadStream stream(::fdopen(descriptor, "rb"), &std::fclose);
    if (!stream) closeAndRefuse(Refuse, errno);
    return stream;
}

}  // namespace deckplate::os
