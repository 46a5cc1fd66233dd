#pragma once
// What `deckplate-cli check` prints: the window's results under its captions as plain Chinese
// text, the window's digits written as engineers write numbers and units (0.6, not " .6";
// kN/m², not kn/m2), or the full-precision values as one JSON object (whose `display` texts are
// the window's own).

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "calc/bay_check.h"
#include "calc/checks.h"

namespace deckplate::cli {

std::string CheckText(const BayInput& bay, const BayCheck& check, const Utilisation& utilisation);

nlohmann::json CheckJson(const BayInput& bay, const BayCheck& check,
                         const Utilisation& utilisation);

/// {"error": {"kind": "division_by_zero" | "overflow" | "invalid_operation", "message": …}}
nlohmann::json ErrorJson(const ArithmeticError& error);

}  // namespace deckplate::cli
