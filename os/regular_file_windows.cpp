// Opening a regular file on Windows: a folder is told by its attributes; a device (NUL, CON,
// COM1) or a pipe opens at once, and the opened handle's type tells it from a file on a disk.
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "os/regular_file.h"

namespace deckplate::os {

ReadStream OpenRegularFile(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        throw OpenError(OpenFault::Folder, {});
    // errno on every system, so that a reason is worded alike.
    ReadStream stream(::_wfopen(path.c_str(), L"rb"), &std::fclose);
    if (!stream)
        throw OpenError(OpenFault::System, std::error_code(errno, std::generic_category()));
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream.get())));
    if (GetFileType(handle) != FILE_TYPE_DISK) throw OpenError(OpenFault::NotAFile, {});
    return stream;
}

}  // namespace deckplate::os
