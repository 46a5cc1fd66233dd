#pragma once
// Strict reading of the values a script or a schedule gives: unlike the window, which reads
// "12mm" as 12, a typo in an option or a schedule's cell must stop with a message naming it.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/design_basis.h"
#include "calc/point_load.h"
#include "calc/stiffener.h"

namespace deckplate::schedule {

/// A value the user gave that cannot be used; the message names the option or the column.
class ValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The whole text must be a finite decimal number ("6", "4.5", "-1.2e3"). Throws ValueError.
double StrictNumber(std::string_view text, std::string_view option);

/// The whole text must be a whole number from `least` to `most` ("10"). Throws ValueError.
long long WholeNumber(std::string_view text, std::string_view option, long long least,
                      long long most);

/// A size in mm — thickness, span, spacing, a flat bar's height or thickness — which must be
/// greater than 0: a size of 0 or less would be computed into a stress of 0 and called a pass.
/// Throws ValueError naming the value.
double Length(std::string_view text, std::string_view option);

/// A load in kN/m², which must not be negative. Throws ValueError naming the value.
double Load(std::string_view text, std::string_view option);

/// "80x8": flat bar height × thickness in mm, each greater than 0. Throws ValueError.
FlatBar ParseFlatBar(std::string_view text, std::string_view option);

/// A catalogue designation such as "L63x40x5", as its section values. Throws ValueError that
/// tells how to list the catalogue.
AngleValues ParseAngle(std::string_view designation, std::string_view option);

/// "legacy" or "current". Throws ValueError naming the option.
DesignBasis ParseBasis(std::string_view text, std::string_view option);

/// A file the command writes, as given. Refused on every system when Windows would take its
/// name for a device (nul.html), so that a script does the same everywhere. Throws ValueError.
std::string OutputFile(std::string_view text, std::string_view option);

/// The point-load case as the command line and a schedule give it, still as text: the force in
/// kN when given, and the patch "UxV" in mm.
struct PointLoadOptions {
    std::optional<std::string> force{};
    std::string patch = "200x200";
};

/// A point load of `force` kN (0 or more) on a patch "UxV" in mm (across × along the stiffeners,
/// each greater than 0). Throws ValueError naming the option.
PointLoad ParsePointLoad(std::string_view force, std::string_view patch,
                         std::string_view forceOption, std::string_view patchOption);

/// A stiffener written as a designation ("L63x40x5") or a flat bar ("80x8"). Throws ValueError.
Stiffener ParseStiffener(std::string_view text, std::string_view option);

}  // namespace deckplate::schedule
