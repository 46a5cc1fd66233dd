#pragma once
// The report's 8-bit text: GBK, code page 936, as Chinese Windows writes and Notepad reads it.

#include <string>
#include <string_view>

namespace deckplate::os {

/// GBK bytes of the UTF-8 `text`. A character GBK lacks (an emoji typed into a load box) and a
/// malformed UTF-8 sequence each become one "?"; ASCII stays as it is.
std::string EncodeGbk(std::string_view text);

}  // namespace deckplate::os
