#include "os/shown_text.h"

#include <cstdio>

#include "os/utf8.h"

namespace deckplate::os {
namespace {

// Whether a terminal or a message box would act on the character rather than show it.
bool ActsRatherThanShows(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

std::string Escaped(char32_t c) {
    char text[12];  // a backslash, "u", up to eight hex digits of a char32_t and the end
    if (c < 0x80)
        std::snprintf(text, sizeof text, "\\x%02x", static_cast<unsigned>(c));
    else
        std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(c));
    return text;
}

}  // namespace

std::string ShownText(std::string_view text, std::size_t most) {
    std::string shown;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == most) return shown + "…";
        const std::size_t length = Utf8CharacterLength(text);
        if (length == 0) {
            shown += "\xef\xbf\xbd";
            text.remove_prefix(1);
            continue;
        }
        const std::string_view character = text.substr(0, length);
        const char32_t c = Utf8CodePoint(character);
        shown += ActsRatherThanShows(c) ? Escaped(c) : std::string(character);
        text.remove_prefix(length);
    }
    return shown;
}

std::string ShownWhole(std::string_view text) { return ShownText(text, text.size()); }

}  // namespace deckplate::os
