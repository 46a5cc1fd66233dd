#pragma once
// File names for the calculation books of a schedule, one per row, named after the row's name
// so that an engineer finds each bay's book by its name.

#include <functional>
#include <string>
#include <string_view>

namespace deckplate::schedule {

/// `name` made usable as a file name on Windows and Linux alike: \ / : * ? " < > | and control
/// characters become "_", blanks around it and trailing dots go (Windows drops them, so "A."
/// and "A" would be one file), a name Windows reserves for a device (CON, NUL, COM1 …, also
/// with an extension) gets a leading "_", and it is cut to at most 150 bytes of whole UTF-8
/// characters. Empty when nothing usable is left.
std::string SafeFileStem(std::string_view name);

/// The book file for the row at spreadsheet line `line` named `rowName`: the row's safe name, or
/// "line-N" when it has none, with `extension` (".html", ".docx"); while `taken(name)` says that
/// a book of this run is already there, "-2", "-3" … is added to the name.
std::string BookFileName(std::string_view rowName, long long line,
                         const std::function<bool(const std::string&)>& taken,
                         std::string_view extension = ".html");

}  // namespace deckplate::schedule
