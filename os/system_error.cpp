#include "os/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <utility>

#include "os/wide_text.h"
#else
#include <cerrno>
#endif

namespace deckplate::os {

#ifdef _WIN32

namespace {

class WindowsErrors : public std::error_category {
  public:
    const char* name() const noexcept override { return "windows"; }
    std::string message(int code) const override {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::wstring words(text ? text : L"", length);
        LocalFree(text);
        while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' ||
                                  words.back() == L' ' || words.back() == L'.'))
            words.pop_back();
        if (words.empty()) return "Windows error " + std::to_string(code);
        return Utf8FromWide(words);
    }
    // The portable condition of the commonest errors, so that a program words them alike on every
    // system (error == std::errc::no_space_on_device).
    std::error_condition default_error_condition(int code) const noexcept override {
        static constexpr std::pair<DWORD, std::errc> kConditions[] = {
            {ERROR_FILE_NOT_FOUND, std::errc::no_such_file_or_directory},
            {ERROR_PATH_NOT_FOUND, std::errc::no_such_file_or_directory},
            {ERROR_ACCESS_DENIED, std::errc::permission_denied},
            {ERROR_WRITE_PROTECT, std::errc::read_only_file_system},
            {ERROR_SHARING_VIOLATION, std::errc::device_or_resource_busy},
            {ERROR_LOCK_VIOLATION, std::errc::device_or_resource_busy},
            {ERROR_HANDLE_DISK_FULL, std::errc::no_space_on_device},
            {ERROR_DISK_FULL, std::errc::no_space_on_device},
            {ERROR_FILE_EXISTS, std::errc::file_exists},
            {ERROR_ALREADY_EXISTS, std::errc::file_exists},
            {ERROR_FILENAME_EXCED_RANGE, std::errc::filename_too_long},
            {ERROR_DIRECTORY, std::errc::not_a_directory},
            {ERROR_CANT_RESOLVE_FILENAME, std::errc::too_many_symbolic_link_levels},
        };
        for (const auto& [error, condition] : kConditions)
            if (static_cast<DWORD>(code) == error) return std::make_error_condition(condition);
        return {code, *this};
    }
};

}  // namespace

std::error_code SystemError(int code) {
    static const WindowsErrors category;
    return {code, category};
}

std::error_code LastSystemError() { return SystemError(static_cast<int>(GetLastError())); }

#else

std::error_code SystemError(int code) { return {code, std::generic_category()}; }

std::error_code LastSystemError() { return SystemError(errno); }

#endif

}  // namespace deckplate::os
