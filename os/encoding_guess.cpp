#include "os/encoding_guess.h"

#include "os/gbk.h"
#include "os/utf8.h"

namespace deckplate::os {
namespace {

// Weights per byte of a character: how sure it is plausible text.
constexpr int kFull = 4, kHalf = 2, kQuarter = 1, kNone = 0;

bool Between(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

bool IsLatinLetter(char32_t c) {
    return Between(c, 'A', 'Z') || Between(c, 'a', 'z') ||
           (Between(c, 0xC0, 0x17F) && c != 0xD7 && c != 0xF7);
}

int Utf8Weight(char32_t c, char32_t before, char32_t after) {
    if (Between(c, 0x3400, 0x4DBF) || Between(c, 0x4E00, 0x9FFF) || Between(c, 0xF900, 0xFAFF) ||
        Between(c, 0x20000, 0x2FFFF))
        return kFull;  // Chinese characters
    if (Between(c, 0x3000, 0x30FF) || Between(c, 0xFF00, 0xFFEF) || Between(c, 0xAC00, 0xD7AF))
        return kFull;  // CJK punctuation, kana, full-width forms, Hangul
    if (Between(c, 0x370, 0x4FF) || Between(c, 0x2000, 0x2BFF))
        return kFull;  // Greek, Cyrillic; punctuation, letterlike signs, arrows, maths, ★
    if (Between(c, 0xC0, 0xFF)) return kFull;  // Latin-1 letters, × and ÷
    for (const char32_t sign : {0xA0, 0xB0, 0xB1, 0xB2, 0xB3, 0xB5, 0xB7, 0xBC, 0xBD, 0xBE})
        if (c == sign) return kFull;  // what engineers write: ° ± ² ³ µ · ½
    if (Between(c, 0xA1, 0xBF)) return kHalf;
    if (Between(c, 0x100, 0x17F))
        return IsLatinLetter(before) || IsLatinLetter(after) ? kFull : kHalf;
    if (Between(c, 0x300, 0x36F)) return IsLatinLetter(before) ? kFull : kNone;
    return kNone;
}

// The UTF-8 reading's plausible bytes, times the weights; `bytes` are well-formed UTF-8 but
// for a character cut off at their end.
long long Utf8Plausibility(std::string_view bytes) {
    struct Character {
        char32_t code;
        std::size_t length;
    };
    const auto next = [](std::string_view rest) -> Character {
        const std::size_t length = rest.empty() ? 0 : Utf8CharacterLength(rest);
        return {length == 0 ? U'\0' : Utf8CodePoint(rest.substr(0, length)), length};
    };
    long long weight = 0;
    char32_t before = 0;
    for (Character c = next(bytes); c.length != 0;) {
        bytes.remove_prefix(c.length);
        const Character after = next(bytes);
        if (c.code >= 0x80)
            weight += static_cast<long long>(c.length) * Utf8Weight(c.code, before, after.code);
        before = c.code;
        c = after;
    }
    return weight;
}

// Where a GBK pair stands in the code page: GB 2312's punctuation and first level (the 3,755
// commonest characters) in full, its second level half, the rest of GBK a quarter.
int GbkWeight(unsigned char lead, unsigned char trail) {
    if (trail < 0xA1 || lead < 0xA1 || lead > 0xF7) return kQuarter;
    if (lead <= 0xA9 || Between(lead, 0xB0, 0xD7)) return kFull;
    return lead >= 0xD8 ? kHalf : kQuarter;
}

// The GBK reading's plausible bytes, times the weights; -1 when a byte sequence is not GBK.
long long GbkPlausibility(std::string_view bytes, bool moreToCome) {
    long long weight = 0;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const std::size_t length = GbkCharacterLength(rest);
        if (length == 0 && moreToCome && rest.size() == 1) break;  // a lead byte cut off
        if (length == 0) return -1;
        if (length == 2)
            weight += 2 * GbkWeight(static_cast<unsigned char>(rest[0]),
                                    static_cast<unsigned char>(rest[1]));
        rest.remove_prefix(length);
    }
    // Pairs GBK leaves undefined come out as U+FFFD.
    const std::string text = DecodeGbk(bytes.substr(0, bytes.size() - rest.size()));
    return text.find("\xef\xbf\xbd") == std::string::npos ? weight : -1;
}

}  // namespace

bool LooksLikeGbk(std::string_view bytes, bool moreToCome) {
    if (!IsUtf8(bytes.data(), bytes.size(), moreToCome)) return true;
    return GbkPlausibility(bytes, moreToCome) > Utf8Plausibility(bytes);
}

}  // namespace deckplate::os
