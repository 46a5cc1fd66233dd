#pragma once
// Text placed into the calculation book's HTML: whatever a user typed (a bay's name) becomes
// text, never markup.

#include <string>
#include <string_view>

namespace deckplate::report {

/// `text` with &, <, >, " and ' written as character references, so that it reads as typed in
/// element content and in attribute values alike. Control characters other than tab and line
/// feed, which HTML does not allow, become U+FFFD.
std::string EscapeHtml(std::string_view text);

/// `text` as a quoted CSS string inside a <style> element: quotes and backslashes escaped, "<"
/// written as an escape so that no "</style" can end the element, control characters as blanks.
std::string CssString(std::string_view text);

/// Joins parts into one string: the book is built from many small pieces of markup.
template <class... Parts>
std::string Cat(const Parts&... parts) {
    std::string text;
    (text.append(parts), ...);
    return text;
}

/// <tag class="…">content</tag>; no class attribute when `classes` is empty.
std::string Element(std::string_view tag, std::string_view content, std::string_view classes = {});

}  // namespace deckplate::report
