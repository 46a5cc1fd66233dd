#pragma once
// Text a user or a file gave, as a message may show it. A bay file, a schedule's cell or an
// option may hold anything: a terminal's escape sequences (which would set a window's title or
// clear the screen when printed), a NUL (which would cut the message), bytes that are not UTF-8
// or a page of text. Every message that quotes such text shows it through ShownText: each control
// character written out where it stands, anything that is not UTF-8 as U+FFFD, and a long text cut
// short.

#include <cstddef>
#include <string>
#include <string_view>

namespace deckplate::os {

/// How many characters of a value a message shows before it cuts it short.
inline constexpr std::size_t kMostShownCharacters = 60;

/// `text` safe to print: a control character (C0, DEL, C1) is written as \x1b (C0 and DEL) or
/// \u0085 (C1), as is a character that turns the direction of the text (U+202A to U+202E,
/// U+2066 to U+2069); a byte that is not part of a UTF-8 character becomes U+FFFD; after `most`
/// characters of `text` the rest is left out for "…", at a whole character.
std::string ShownText(std::string_view text, std::size_t most = kMostShownCharacters);

/// As ShownText, but whole: a file's path, whose end names the file, or a whole message.
std::string ShownWhole(std::string_view text);

}  // namespace deckplate::os
