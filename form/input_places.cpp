#include "form/input_places.h"

#include <algorithm>

namespace deckplate::form {
namespace {

using enum Control;

constexpr MenuItem kSafetyClasses[] = {MenuItem::SafetyClass1, MenuItem::SafetyClass2,
                                       MenuItem::SafetyClass3};
constexpr std::string_view kSafetyWords[] = {"1", "2", "3"};
constexpr MenuItem kSelfWeight[] = {MenuItem::DeadIncludesSelfWeight};
constexpr std::string_view kSwitchWords[] = {"yes"};
constexpr std::string_view kWeldWords[] = {"double", "intermittent", "single"};
constexpr std::string_view kWeldCaptions[] = {"双面连续角焊缝", "双面断续角焊缝", "单面连续角焊缝"};

constexpr InputPlace kPlaces[] = {
    {BayField::SafetyClass, std::nullopt, kSafetyClasses, kSafetyWords, "safety_class"},
    {BayField::DeadIncludesSelfWeight, std::nullopt, kSelfWeight, kSwitchWords,
     "dead_includes_self_weight"},
    {BayField::Weld, WeldArrangement, {}, kWeldWords, {}},
    {BayField::WeldSize, WeldSize, {}, {}, {}},
    {BayField::WeldSegments, WeldSegment, {}, {}, {}},
};

}  // namespace

std::span<const InputPlace> InputPlaces() { return kPlaces; }

const InputPlace* PlaceOf(MenuItem item) {
    for (const InputPlace& place : kPlaces)
        if (std::ranges::find(place.menu, item) != place.menu.end()) return &place;
    return nullptr;
}

std::span<const std::string_view> ListCaptions(Control list) {
    if (list == WeldArrangement) return kWeldCaptions;
    return {};
}

}  // namespace deckplate::form
