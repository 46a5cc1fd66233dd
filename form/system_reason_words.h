#pragma once
// The system's reason for a file that could not be read or written, as the window says it: the
// commonest in Chinese whatever the system's language (Linux words errno in English, and an
// English Windows its own errors), any other in the system's own words.

#include <string>
#include <system_error>

namespace deckplate::form {

/// "文件或文件夹不存在", "磁盘已满" …, else `reason`.message().
std::string SystemReasonWords(std::error_code reason);

}  // namespace deckplate::form
