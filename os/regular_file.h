#pragma once
// A file read as a whole: a bay file, a schedule. Only a regular file is read. A folder has no
// bytes to read; a device may never end (/dev/zero) or wait for the keyboard (CON); a pipe
// (a FIFO) keeps its opening waiting without end until some program writes to it. Each is refused
// before anything is read from it, with what it is, so that each edition can word the refusal.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace deckplate::os {

/// Why a file cannot be read.
enum class OpenFault {
    Folder,    ///< the path is a folder
    NotAFile,  ///< a device, a pipe or a socket: not a regular file
    System,    ///< the system refuses it: reason() says why (no such file, no permission)
};

class OpenError : public std::runtime_error {
  public:
    OpenError(OpenFault fault, std::error_code reason);
    OpenFault fault() const { return fault_; }
    /// For OpenFault::System, the system's own reason (an errno value on every system).
    std::error_code reason() const { return reason_; }

  private:
    OpenFault fault_;
    std::error_code reason_;
};

using ReadStream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

/// Opens the regular file at `path` for reading its bytes. What is not a regular file is refused
/// without waiting on it and before a byte is read. Throws OpenError.
ReadStream OpenRegularFile(const std::filesystem::path& path);

}  // namespace deckplate::os
