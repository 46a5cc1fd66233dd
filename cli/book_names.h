#pragma once
// File names for the calculation books of a schedule, one per row, named after the row's name
// so that an engineer finds each bay's book by its name.

#include <set>
#include <string>
#include <string_view>

namespace deckplate::cli {

/// `name` made usable as a file name on Windows and Linux alike: \ / : * ? " < > | and control
/// characters become "_", blanks around it and trailing dots go (Windows drops them, so "A."
/// and "A" would be one file), a name Windows reserves for a device (CON, NUL, COM1 …, also
/// with an extension) gets a leading "_", and it is cut to at most 150 bytes of whole UTF-8
/// characters. Empty when nothing usable is left.
std::string SafeFileStem(std::string_view name);

/// Hands out the book files of one run: the row's safe name, or "line-N" when it has none, with
/// ".html"; a name taken earlier in the run gets "-2", "-3" …, compared without regard to case
/// as Windows compares file names.
class BookNames {
  public:
    /// The file name for the row at spreadsheet line `line` named `rowName`.
    std::string Next(std::string_view rowName, long long line);

  private:
    std::set<std::string> taken_;  // lower-case stems
};

}  // namespace deckplate::cli
