#include "calc/plate_thicknesses.h"

#include <array>
#include <charconv>

namespace deckplate {
namespace {

constexpr double kPlateThicknesses[] = {2.5, 3.0, 4.0, 4.5, 5.0, 5.5, 6.0, 7.0, 8.0};

}  // namespace

std::span<const double> PlateThicknesses() { return kPlateThicknesses; }

std::string PlateThicknessText(double mm) {
    std::array<char, 32> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), mm, std::chars_format::fixed, 1).ptr;
    return {text.data(), end};
}

}  // namespace deckplate
