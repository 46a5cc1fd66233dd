#include "calc/plate_thicknesses.h"

namespace deckplate {
namespace {

constexpr std::string_view kThicknesses[] = {"2.5", "3.0", "4.0", "4.5", "5.0",
                                             "5.5", "6.0", "7.0", "8.0"};

}  // namespace

std::span<const std::string_view> PlateThicknesses() { return kThicknesses; }

}  // namespace deckplate
