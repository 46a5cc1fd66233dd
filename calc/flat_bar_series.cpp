#include "calc/flat_bar_series.h"

#include "calc/verdict.h"

namespace deckplate {
namespace {

// Widths (here: heights on edge) and thicknesses of the hot-rolled flat bar series, mm.
constexpr double kHeights[] = {20,  22,  25,  28,  30,  32,  35,  40,  45,  50,
                               55,  60,  65,  70,  75,  80,  85,  90,  95,  100,
                               105, 110, 120, 125, 130, 140, 150, 160, 180, 200};
constexpr double kThicknesses[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20};

std::vector<FlatBar> Build(bool slender) {
    std::vector<FlatBar> bars;
    for (double h : kHeights)
        for (double t : kThicknesses)
            if (t < h && (slender || !Exceeds(h / t, kOutstandLimit))) bars.push_back({h, t});
    return bars;
}

}  // namespace

const std::vector<FlatBar>& StandardFlatBars(DesignBasis basis) {
    static const std::vector<FlatBar> stocky = Build(false), all = Build(true);
    return basis == DesignBasis::Current ? all : stocky;
}

}  // namespace deckplate
