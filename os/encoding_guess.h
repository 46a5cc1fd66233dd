#pragma once
// GBK or UTF-8, for text that does not say which (no byte-order mark). Most GBK text is not
// well-formed UTF-8 and decides itself, but short Chinese can be both: "平台" in GBK, C6 BD CC
// A8, reads in UTF-8 as "ƽ̨", a letter of Latin Extended-B and a combining ogonek. So each
// reading is weighed by how much of it is plausible text, byte by byte, and UTF-8 is taken
// unless GBK reads clearly better:
//   GBK    the common characters of GB 2312 (its first level, and its punctuation) count in
//          full, its second level half, GBK's additions a quarter; a byte sequence GBK does not
//          define rules GBK out;
//   UTF-8  Chinese characters, CJK punctuation, full-width forms, Greek, Cyrillic, Latin-1
//          letters and the signs engineers write (° ² ± × µ, dashes, ★) count in full; other
//          Latin-1 signs (¥ §) half; Latin Extended-A in full beside a Latin letter, else half;
//          a combining mark in full after a Latin letter; Latin Extended-B, IPA, spacing
//          modifiers, Armenian to NKo and private use not at all.
// A tie goes to UTF-8: UTF-8 Chinese often reads as GBK too, as rarer characters.

#include <string_view>

namespace deckplate::os {

/// True when `bytes` are GBK rather than UTF-8: when they are not well-formed UTF-8, or when
/// GBK reads as more plausible text than UTF-8 does. A character cut off at the end does not
/// count when `moreToCome` (a chunk's end, not the file's).
bool LooksLikeGbk(std::string_view bytes, bool moreToCome);

}  // namespace deckplate::os
