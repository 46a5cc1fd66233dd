#pragma once
// One rule for every designation, wherever it is typed (an option, a schedule's cell, a bay
// file): the sizes are separated by x, X, * or ×, the letter is in either case, and the program
// writes it back in the catalogue's form (StiffenerName): l63X40*5 is L63x40x5, 80×8 is 80x8.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace deckplate {

/// "80x8", "80X8", "80*8", "80×8" or "200x200" split at its first separator; none when it has
/// none.
std::optional<std::pair<std::string_view, std::string_view>> DesignationSides(
    std::string_view text);

/// The designation in the catalogue's form: every separator an "x", an "L" in front.
std::string CatalogueForm(std::string_view designation);

}  // namespace deckplate
