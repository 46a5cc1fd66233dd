#pragma once
// UTF-8, the program's own text: which bytes make a well-formed character. The schedule reader
// decides a file's encoding by it and the GBK encoder walks its input by it, so both agree on
// what a character is.

#include <cstddef>
#include <string>
#include <string_view>

namespace deckplate::os {

/// Length (1 to 4 bytes) of the well-formed UTF-8 character at the start of `bytes`, or 0 when
/// they do not start one: overlong forms, surrogates and code points beyond U+10FFFF are not
/// characters. `cutOff`, when given, is set when they start one that the end of `bytes` cuts
/// short.
std::size_t Utf8CharacterLength(std::string_view bytes, bool* cutOff = nullptr);

/// The code point of `character`, one well-formed UTF-8 character (1 to 4 bytes).
char32_t Utf8CodePoint(std::string_view character);

/// True when the bytes are well-formed UTF-8. A character cut off at the end counts as fine
/// when `moreToCome` (a chunk's end, not the file's).
bool IsUtf8(const char* bytes, std::size_t length, bool moreToCome = true);

/// The bytes as well-formed UTF-8: each byte that is not part of a UTF-8 character becomes
/// U+FFFD.
std::string ValidUtf8(const char* bytes, std::size_t length);

}  // namespace deckplate::os
