#pragma once
// What `deckplate-cli check` prints: the window's captions and display texts as plain Chinese
// text, or the full-precision values as one JSON object.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "calc/bay_check.h"
#include "calc/checks.h"

namespace deckplate::cli {

std::string CheckText(const BayInput& bay, const BayCheck& check, const Utilisation& utilisation);

nlohmann::json CheckJson(const BayCheck& check, const Utilisation& utilisation);

/// {"error": {"kind": "division_by_zero" | "overflow" | "invalid_operation", "message": …}}
nlohmann::json ErrorJson(const ArithmeticError& error);

}  // namespace deckplate::cli
