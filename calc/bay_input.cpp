#include "calc/bay_input.h"

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"

namespace deckplate {

PlateThickness ThicknessOf(double mm) { return {mm}; }

Boundary BoundaryOf(bool continuous) { return {.simple = !continuous, .continuous = continuous}; }

std::string StiffenerName(const StiffenerChoice& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener))
        return PlainNumberText(bar->height) + "x" + PlainNumberText(bar->thickness);
    const std::int16_t position = std::get<CatalogueAngle>(stiffener).position;
    if (position < 0 || position >= static_cast<int>(AngleCatalogue().size())) return {};
    return std::string(AngleCatalogue()[static_cast<std::size_t>(position)].designation);
}

Stiffener StiffenerSection(const StiffenerChoice& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) return *bar;
    const std::int16_t position = std::get<CatalogueAngle>(stiffener).position;
    if (position < 0 || position >= static_cast<int>(AngleCatalogue().size())) return AngleValues{};
    return AngleSection(position);
}

}  // namespace deckplate
