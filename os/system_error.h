#pragma once
// The system's last error, as a std::error_code whose message() is the system's own words: on
// Windows, FormatMessageW in the language of the user's Windows ("系统找不到指定的路径。"), as
// UTF-8; elsewhere errno's.

#include <system_error>

namespace deckplate::os {

/// The error of the system call that has just failed: GetLastError() on Windows, errno
/// elsewhere.
std::error_code LastSystemError();

}  // namespace deckplate::os
