#include "calc/angle_catalogue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <tuple>

namespace deckplate {
namespace {

// Section properties from the national hot-rolled unequal-leg angle tables.
constexpr std::array<AngleRow, 51> kAngles{{
    {"L25x16x3", 25, 0.7, 0.86, 1.162},       {"L25x16x4", 25, 0.88, 0.9, 1.499},
    {"L32x20x3", 32, 1.53, 1.08, 1.492},      {"L32x20x4", 32, 1.93, 1.12, 1.939},
    {"L40x25x3", 40, 3.08, 1.32, 1.89},       {"L40x25x4", 40, 3.93, 1.37, 2.467},
    {"L45x28x3", 45, 4.45, 1.47, 2.149},      {"L45x28x4", 45, 5.69, 1.51, 2.806},
    {"L50x32x3", 50, 6.24, 1.6, 2.431},       {"L50x32x4", 50, 8.02, 1.65, 3.177},
    {"L56x36x3", 56, 8.88, 1.78, 2.74},       {"L56x36x4", 56, 11.45, 1.82, 3.59},
    {"L56x36x5", 56, 13.86, 1.87, 4.42},      {"L63x40x4", 63, 16.49, 2.04, 4.06},
    {"L63x40x5", 63, 20.02, 2.08, 4.99},      {"L63x40x6", 63, 23.36, 2.12, 5.91},
    {"L63x40x7", 63, 26.53, 2.16, 6.8},       {"L70x45x4", 70, 22.97, 2.23, 4.55},
    {"L70x45x5", 70, 27.95, 2.28, 5.61},      {"L70x45x6", 70, 32.7, 2.32, 6.64},
    {"L70x45x7", 70, 37.22, 2.36, 7.66},      {"L75x50x5", 75, 35.09, 2.4, 6.13},
    {"L75x50x6", 75, 41.12, 2.44, 7.26},      {"L75x50x8", 75, 52.39, 2.52, 9.47},
    {"L75x50x10", 75, 62.71, 2.6, 11.59},     {"L80x50x5", 80, 41.96, 2.6, 6.38},
    {"L80x50x6", 80, 49.21, 2.65, 7.56},      {"L80x50x7", 80, 56.16, 2.69, 8.72},
    {"L80x50x8", 80, 62.83, 2.73, 9.87},      {"L90x56x5", 90, 60.45, 2.91, 7.21},
    {"L90x56x6", 90, 71.03, 2.95, 8.56},      {"L90x56x7", 90, 81.22, 3, 9.88},
    {"L90x56x8", 90, 91.03, 3.04, 11.18},     {"L100x63x6", 100, 99.06, 3.24, 9.62},
    {"L100x63x7", 100, 113.45, 3.28, 11.11},  {"L100x63x8", 100, 127.37, 3.32, 12.58},
    {"L100x63x10", 100, 153.81, 3.4, 15.47},  {"L100x80x6", 100, 107.04, 2.95, 10.64},
    {"L100x80x7", 100, 122.73, 3, 12.3},      {"L100x80x8", 100, 137.92, 3.04, 13.94},
    {"L100x80x10", 100, 166.87, 3.12, 17.17}, {"L110x70x6", 110, 133.37, 3.53, 10.64},
    {"L110x70x7", 110, 153, 3.57, 12.3},      {"L110x70x8", 110, 172.04, 3.62, 13.94},
    {"L110x70x10", 110, 208.39, 3.7, 17.17},  {"L125x80x7", 125, 227.98, 4.01, 14.1},
    {"L125x80x8", 125, 256.77, 4.06, 15.99},  {"L125x80x10", 125, 312.04, 4.14, 19.71},
    {"L125x80x12", 125, 364.41, 4.22, 23.35}, {"L140x90x8", 140, 365.64, 4.5, 18.04},
    {"L140x90x10", 140, 445.5, 4.58, 22.26},
}};

// A position with no angle behind it: no section, and H and A of 1 so nothing divides by zero.
constexpr AngleRow kNoAngle{"", 1, 0, 0, 1};

}  // namespace

std::span<const AngleRow> AngleCatalogue() { return kAngles; }

AngleValues AngleSection(std::int16_t position) {
    const AngleRow& row = position >= 0 && position < static_cast<int>(kAngles.size())
                              ? kAngles[static_cast<std::size_t>(position)]
                              : kNoAngle;
    return {row.H, row.Ix, row.y0, row.A, AngleLegThickness(position), AngleShortLeg(position)};
}

namespace {

// The number of a designation "L63x40x5" after its `separators`-th x: 40 after the first.
double DesignationNumber(std::int16_t position, int separators) {
    if (position < 0 || position >= static_cast<int>(kAngles.size())) return 0;
    std::string_view rest = kAngles[static_cast<std::size_t>(position)].designation;
    for (int i = 0; i < separators; ++i) rest.remove_prefix(rest.find('x') + 1);
    int number = 0;
    std::from_chars(rest.data(), rest.data() + rest.size(), number);
    return number;
}

}  // namespace

double AngleLegThickness(std::int16_t position) { return DesignationNumber(position, 2); }

double AngleShortLeg(std::int16_t position) { return DesignationNumber(position, 1); }

std::vector<std::string_view> NearestAngles(std::string_view designation) {
    // The three sizes of "L75x50x7": each a whole number after the letter or an x.
    std::array<double, 3> sizes{};
    std::string_view rest = designation;
    if (!rest.starts_with('L')) return {};
    for (double& size : sizes) {
        rest.remove_prefix(1);
        int number = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (error != std::errc{} || number <= 0) return {};
        size = number;
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
        if (&size != &sizes.back() && !rest.starts_with('x')) return {};
    }
    if (!rest.empty()) return {};
    // Nearest by the legs first, then by the thickness, the thinner first where two are as near.
    const auto distance = [&](std::size_t i) {
        const auto position = static_cast<std::int16_t>(i);
        return std::tuple{
            std::abs(kAngles[i].H - sizes[0]) + std::abs(AngleShortLeg(position) - sizes[1]),
            std::abs(AngleLegThickness(position) - sizes[2]), AngleLegThickness(position)};
    };
    std::vector<std::size_t> order(kAngles.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::ranges::stable_sort(
        order, [&](std::size_t a, std::size_t b) { return distance(a) < distance(b); });
    // The two in the catalogue's order, thinner or smaller first.
    const auto [first, second] = std::minmax(order[0], order[1]);
    return {kAngles[first].designation, kAngles[second].designation};
}

std::optional<std::int16_t> FindAngle(std::string_view designation) {
    for (std::size_t i = 0; i < kAngles.size(); ++i)
        if (kAngles[i].designation == designation) return static_cast<std::int16_t>(i);
    return std::nullopt;
}

}  // namespace deckplate
