#include "os/gbk.h"

#ifdef _WIN32
#include <windows.h>

#include "os/wide_text.h"
#else
#include <iconv.h>
#endif

#include <cstdint>
#include <optional>

#include "os/utf8.h"

namespace deckplate::os {
namespace {

constexpr std::string_view kReplacementCharacter = "\xef\xbf\xbd";  // U+FFFD

std::uint8_t Byte(std::string_view text, std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
}

// A malformed UTF-8 sequence counts as one character: its first byte and the continuation
// bytes that follow it.
std::size_t MalformedLength(std::string_view text) {
    std::size_t length = 1;
    while (length < 4 && length < text.size() && (Byte(text, length) & 0xC0) == 0x80) ++length;
    return length;
}

#ifdef _WIN32

// One well-formed character through the system's code page 936 table, refusing best-fit
// look-alikes.
class ToGbk {
  public:
    std::optional<std::string> operator()(std::string_view character) const {
        const std::wstring wide = WideFromUtf8(character);
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(),
                                               static_cast<int>(wide.size()), bytes, sizeof bytes,
                                               "?", &usedDefault);
        if (length <= 0 || usedDefault) return std::nullopt;
        return std::string(bytes, static_cast<std::size_t>(length));
    }
};

class FromGbk {
  public:
    std::optional<std::string> operator()(std::string_view character) const {
        wchar_t wide[2];
        const int units = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, character.data(),
                                              static_cast<int>(character.size()), wide, 2);
        if (units <= 0) return std::nullopt;
        return Utf8FromWide({wide, static_cast<std::size_t>(units)});
    }
};

#else

// One character at a time through iconv.
class Converter {
  public:
    Converter(const char* to, const char* from) : converter_(iconv_open(to, from)) {}
    ~Converter() {
        if (converter_ != kNone) iconv_close(converter_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

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

struct ToGbk : Converter {
    ToGbk() : Converter("CP936", "UTF-8") {}
};
struct FromGbk : Converter {
    FromGbk() : Converter("UTF-8", "CP936") {}
};

#endif

}  // namespace

std::string EncodeGbk(std::string_view text) {
    ToGbk gbkOf;
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8CharacterLength(text);
        if (length == 1) {
            bytes += text.front();
        } else if (const auto gbk = length == 0 ? std::nullopt : gbkOf(text.substr(0, length))) {
            bytes += *gbk;
        } else {
            bytes += '?';
        }
        text.remove_prefix(length == 0 ? MalformedLength(text) : length);
    }
    return bytes;
}

std::size_t GbkCharacterLength(std::string_view bytes) {
    const std::uint8_t lead = Byte(bytes, 0);
    if (lead <= 0x80) return 1;
    if (lead == 0xFF || bytes.size() < 2) return 0;
    const std::uint8_t trail = Byte(bytes, 1);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 0;
}

std::string DecodeGbk(std::string_view bytes) {
    FromGbk utf8Of;
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        const std::size_t length = GbkCharacterLength(bytes);
        if (length == 1 && Byte(bytes, 0) < 0x80) {
            text += bytes.front();
            bytes.remove_prefix(1);
            continue;
        }
        if (const auto utf8 = length == 0 ? std::nullopt : utf8Of(bytes.substr(0, length))) {
            text += *utf8;
            bytes.remove_prefix(length);
            continue;
        }
        // A byte sequence GBK does not define: U+FFFD, and on after its first byte.
        text += kReplacementCharacter;
        bytes.remove_prefix(1);
    }
    return text;
}

}  // namespace deckplate::os
