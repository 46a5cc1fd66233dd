#include "os/file_identity.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace deckplate::os {

#ifdef _WIN32

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    // No access asked for: a file open elsewhere, or one the user may not read, still answers.
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (!known) return std::nullopt;
    const auto wide = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    return FileStamp{
        .identity = {information.dwVolumeSerialNumber,
                     wide(information.nFileIndexHigh, information.nFileIndexLow)},
        .size = wide(information.nFileSizeHigh, information.nFileSizeLow),
        .written = static_cast<std::int64_t>(wide(information.ftLastWriteTime.dwHighDateTime,
                                                  information.ftLastWriteTime.dwLowDateTime))};
}

#else

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileStamp{
        .identity = {static_cast<std::uint64_t>(status.st_dev),
                     static_cast<std::uint64_t>(status.st_ino)},
        .size = static_cast<std::uint64_t>(status.st_size),
        .written = std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec};
}

#endif

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path) {
    if (const std::optional<FileStamp> stamp = StampOf(path)) return stamp->identity;
    return std::nullopt;
}

}  // namespace deckplate::os
