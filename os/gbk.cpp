#include "gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cstdint>
#include <optional>

namespace deckplate::os {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points beyond U+10FFFF are not characters.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
        return 0;
    return length;
}

// A malformed sequence counts as one character: its first byte and the continuation bytes
// that follow it.
std::size_t MalformedLength(std::string_view text) {
    std::size_t length = 1;
    while (length < 4 && length < text.size() &&
           (static_cast<std::uint8_t>(text[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

#ifdef _WIN32

// One character through the system's code page 936 table, refusing best-fit look-alikes.
std::optional<std::string> GbkOf(std::string_view character) {
    wchar_t wide[2];
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, character.data(),
                                          static_cast<int>(character.size()), wide, 2);
    if (units <= 0) return std::nullopt;
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, units, bytes,
                                           sizeof bytes, "?", &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(length));
}

#else

class GbkConverter {
  public:
    GbkConverter() : converter_(iconv_open("GBK", "UTF-8")) {}
    ~GbkConverter() {
        if (converter_ != kNone) iconv_close(converter_);
    }
    GbkConverter(const GbkConverter&) = delete;
    GbkConverter& operator=(const GbkConverter&) = delete;

    std::optional<std::string> operator()(std::string_view character) {
        if (converter_ == kNone) return std::nullopt;
        std::string in(character);
        char out[8];
        char* inPointer = in.data();
        char* outPointer = out;
        std::size_t inLeft = in.size(), outLeft = sizeof out;
        const std::size_t result = iconv(converter_, &inPointer, &inLeft, &outPointer, &outLeft);
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
        return std::string(out, static_cast<std::size_t>(outPointer - out));
    }

  private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    iconv_t converter_;
};

#endif

}  // namespace

std::string EncodeGbk(std::string_view text) {
#ifndef _WIN32
    GbkConverter GbkOf;
#endif
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 1) {
            bytes += text.front();
        } else if (length == 0) {
            bytes += '?';
        } else if (const auto gbk = GbkOf(text.substr(0, length))) {
            bytes += *gbk;
        } else {
            bytes += '?';
        }
        text.remove_prefix(length == 0 ? MalformedLength(text) : length);
    }
    return bytes;
}

}  // namespace deckplate::os
