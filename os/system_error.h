#pragma once
// The system's last error, as a std::error_code whose message() is the system's own words: on
// Windows, FormatMessageW in the language of the user's Windows ("系统找不到指定的路径。"), as
// UTF-8; elsewhere errno's. Either compares equal to the portable std::errc of the commonest errors
// (no such file, no permission, disk full …), so that a reason can be worded in any language.

#include <system_error>

namespace deckplate::os {

/// The error of the system call that has just failed: GetLastError() on Windows, errno
/// elsewhere. Taken at once, before anything else can overwrite it.
std::error_code LastSystemError();

/// The system's error `code`: a GetLastError() value on Windows (ERROR_ACCESS_DENIED), an errno
/// value elsewhere (EACCES).
std::error_code SystemError(int code);

}  // namespace deckplate::os
