#pragma once
// Windows speaks UTF-16 ("W" functions); everything else in this program speaks UTF-8. These two
// conversions are the edge between them, and the only place where it is crossed: the window,
// the console of deckplate-cli and the system's own messages all go through them. Built on
// Windows only.

#include <string>
#include <string_view>

namespace deckplate::os {

/// UTF-16 of the UTF-8 `text`; a byte that is not UTF-8 becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view text);

/// UTF-8 of the UTF-16 `text`; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace deckplate::os
