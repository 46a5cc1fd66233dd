#pragma once
// GBK, code page 936: the 8-bit text Chinese Windows writes and Notepad reads (the report), and
// what a Chinese spreadsheet saves a schedule in.

#include <string>
#include <string_view>

namespace deckplate::os {

/// GBK bytes of the UTF-8 `text`. A character GBK lacks (an emoji typed into a load box) and a
/// malformed UTF-8 sequence each become one "?"; ASCII stays as it is.
std::string EncodeGbk(std::string_view text);

/// Length of the code page 936 character at the start of `bytes`: 1 for ASCII and for 0x80 (the
/// euro sign), 2 for a lead byte with a trail byte, 0 for neither (whether GBK defines the pair
/// or not).
std::size_t GbkCharacterLength(std::string_view bytes);

/// UTF-8 text of the GBK `bytes`; a byte sequence GBK does not define becomes U+FFFD.
std::string DecodeGbk(std::string_view bytes);

}  // namespace deckplate::os
