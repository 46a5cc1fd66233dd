#include "os/file_identity.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace deckplate::os {

#ifdef _WIN32

namespace {

bool SameName(const std::filesystem::path& a, const std::filesystem::path& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

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

namespace {

bool SameName(const std::filesystem::path& a, const std::filesystem::path& b) { return a == b; }

}  // namespace

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

namespace {

// Where a name that reaches no file yet would have its file written.
std::filesystem::path WhereWritten(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return path.lexically_normal();
    const std::filesystem::path written = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : written;
}

}  // namespace

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::optional<FileIdentity> first = IdentityOf(a), second = IdentityOf(b);
    if (first || second) return first == second;
    return SameName(WhereWritten(a), WhereWritten(b));
}

}  // namespace deckplate::os
