#pragma once
// Which file a name reaches, as the file system itself tells it, and whether that file has
// changed. Two names reach one file when one is a link to the other, or when the disk ignores
// their difference: Windows' disks take "É.html" and "é.html", or "Ａ.html" and "ａ.html", for one
// name, by case rules of their own that a program cannot know in advance. A name that reaches no
// file yet is compared by its path.

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace deckplate::os {

/// A file as the system knows it: its disk and its number on that disk.
struct FileIdentity {
    std::uint64_t disk = 0;
    std::uint64_t file = 0;
    auto operator<=>(const FileIdentity&) const = default;
};

/// The file that `path` reaches, or nothing when no file is there.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);

/// Whether two names reach one file: by identity when both reach a file (another spelling, a
/// hard or a symbolic link is the same file); when neither does yet, whether they would once it
/// is written, their paths made absolute with the links of their existing folders followed and
/// compared as the system compares names (Windows without regard to case).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

/// A file as it stands now. Another stamp of the same name means the file was written since:
/// replaced in one step (another file now has the name), or written in place (its size or its
/// time of writing moved).
struct FileStamp {
    FileIdentity identity;
    std::uint64_t size = 0;
    std::int64_t written = 0;  ///< when its content was last written, in the system's own ticks
    bool operator==(const FileStamp&) const = default;
};

/// The stamp of the file that `path` reaches, or nothing when no file is there.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace deckplate::os
