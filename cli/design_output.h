#pragma once
// deckplate-cli design: the spacing range as the option gives it, and the lightest designs as a
// text table or JSON.

#include <iosfwd>
#include <string>
#include <vector>

#include "sizing/design.h"

namespace deckplate::cli {

/// "FROM:TO:STEP" in mm, inclusive of TO; at most sizing::kMostSpacings of them, STEP at least
/// sizing::kFinestStep. Throws input::ValueError.
std::vector<double> ParseSpacings(const std::string& text);

void PrintDesign(const sizing::DesignResult& result, bool json, std::ostream& out);

}  // namespace deckplate::cli
