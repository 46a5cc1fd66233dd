#pragma once
// File names as the user types them: UTF-8 text, whatever the system's own code page. On
// Windows a narrow path is read in the ANSI code page, so 平台排表.csv must be built from its
// UTF-8 bytes to be found at all.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace deckplate::os {

/// The path named by the UTF-8 `text`.
std::filesystem::path PathFromUtf8(std::string_view text);

/// The path as UTF-8 text, for messages.
std::string Utf8Of(const std::filesystem::path& path);

/// Opens the file for reading its bytes; nullptr (errno set) when it cannot be opened.
std::FILE* OpenForReading(const std::filesystem::path& path);

}  // namespace deckplate::os
