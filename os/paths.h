#pragma once
// File names as the user types them: UTF-8 text, whatever the system's own code page. On
// Windows a narrow path is read in the ANSI code page, so 平台排表.csv must be built from its
// UTF-8 bytes to be found at all.

#include <filesystem>
#include <string>
#include <string_view>

namespace deckplate::os {

/// The path named by the UTF-8 `text`.
std::filesystem::path PathFromUtf8(std::string_view text);

/// The path as UTF-8 text, for messages.
std::string Utf8Of(const std::filesystem::path& path);

/// The last part of the UTF-8 path `text`, its file's name: "平台.deckplate".
std::string FileNameOf(std::string_view text);

/// True when Windows takes the file name `name` for a device, whatever follows: CON, PRN, AUX,
/// NUL, COM0 to COM9 and LPT0 to LPT9 (also COM¹ to COM³ and LPT¹ to LPT³), in any case and
/// with any extension ("nul.html", "Con .txt"). Writing to such a name writes nothing to disk.
bool IsWindowsDeviceName(std::string_view name);

}  // namespace deckplate::os
