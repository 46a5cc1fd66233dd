#include "os/utf8.h"

namespace deckplate::os {

std::size_t Utf8CharacterLength(std::string_view bytes, bool* cutOff) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the second byte's range
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= bytes.size()) {
            if (cutOff) *cutOff = true;
            return 0;
        }
        const auto c = static_cast<unsigned char>(bytes[k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xbf)) return 0;
    }
    return length;
}

char32_t Utf8CodePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    if (character.size() == 1) return byte(0);
    char32_t c = byte(0) & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i) c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

bool IsUtf8(const char* bytes, std::size_t length, bool moreToCome) {
    for (std::string_view rest(bytes, length); !rest.empty();) {
        bool cutOff = false;
        const std::size_t n = Utf8CharacterLength(rest, &cutOff);
        if (n == 0) return cutOff && moreToCome;
        rest.remove_prefix(n);
    }
    return true;
}

std::string ValidUtf8(const char* bytes, std::size_t length) {
    std::string out;
    out.reserve(length);
    for (std::string_view rest(bytes, length); !rest.empty();) {
        const std::size_t n = Utf8CharacterLength(rest);
        out.append(n == 0 ? std::string_view("\xef\xbf\xbd") : rest.substr(0, n));
        rest.remove_prefix(n == 0 ? 1 : n);
    }
    return out;
}

}  // namespace deckplate::os
