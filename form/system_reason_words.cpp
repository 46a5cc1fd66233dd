#include "form/system_reason_words.h"

#include <string_view>
#include <utility>

namespace deckplate::form {

std::string SystemReasonWords(std::error_code reason) {
    // Windows' own errors compare equal to these too (os/system_error.h).
    static constexpr std::pair<std::errc, std::string_view> kWords[] = {
        {std::errc::no_such_file_or_directory, "文件或文件夹不存在"},
        {std::errc::permission_denied, "没有访问权限"},
        {std::errc::operation_not_permitted, "没有访问权限"},
        {std::errc::is_a_directory, "这是一个文件夹"},
        {std::errc::no_space_on_device, "磁盘已满"},
        {std::errc::read_only_file_system, "磁盘为只读"},
        {std::errc::file_exists, "文件已存在"},
        {std::errc::filename_too_long, "文件名或路径过长"},
        {std::errc::too_many_symbolic_link_levels, "符号链接层数过多或成环"},
        {std::errc::not_a_directory, "路径中有一项不是文件夹"},
        {std::errc::device_or_resource_busy, "文件正被其他程序使用"},
    };
    for (const auto& [condition, words] : kWords)
        if (reason == condition) return std::string(words);
    return reason.message();
}

}  // namespace deckplate::form
