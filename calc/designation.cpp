#include "calc/designation.h"

namespace deckplate {
namespace {

// The multiplication sign as UTF-8, as a Chinese input method or a copied drawing gives it.
constexpr std::string_view kTimes = "\xC3\x97";

}  // namespace

std::optional<std::pair<std::string_view, std::string_view>> DesignationSides(
    std::string_view text) {
    const std::size_t x = text.find_first_of("xX*"), times = text.find(kTimes);
    if (x == std::string_view::npos && times == std::string_view::npos) return std::nullopt;
    if (x < times) return std::pair{text.substr(0, x), text.substr(x + 1)};
    return std::pair{text.substr(0, times), text.substr(times + kTimes.size())};
}

std::string CatalogueForm(std::string_view designation) {
    std::string form;
    for (auto rest = designation; !rest.empty();) {
        const auto sides = DesignationSides(rest);
        form += sides ? sides->first : rest;
        if (!sides) break;
        form += 'x';
        rest = sides->second;
    }
    if (form.starts_with('l')) form.front() = 'L';
    return form;
}

}  // namespace deckplate
