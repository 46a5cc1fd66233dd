#include "os/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include <string>

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
