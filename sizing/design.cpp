#include "sizing/design.h"

#include <algorithm>
#include <cmath>

#include "calc/angle_catalogue.h"
#include "calc/flat_bar_series.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"

namespace deckplate::sizing {
namespace {

std::vector<StiffenerChoice> BuildStiffeners(StiffenerFamily family, DesignBasis basis) {
    std::vector<StiffenerChoice> all;
    if (family != StiffenerFamily::Flat) {
        for (std::size_t i = 0; i < AngleCatalogue().size(); ++i)
            all.emplace_back(CatalogueAngle{static_cast<std::int16_t>(i)});
    }
    if (family != StiffenerFamily::Angle)
        for (const FlatBar& bar : StandardFlatBars(basis)) all.emplace_back(bar);
    return all;
}

const std::vector<StiffenerChoice>& Stiffeners(StiffenerFamily family, DesignBasis basis) {
    using enum StiffenerFamily;
    using enum DesignBasis;
    static const std::vector<StiffenerChoice> families[2][3] = {
        {BuildStiffeners(Angle, Legacy), BuildStiffeners(Flat, Legacy),
         BuildStiffeners(Any, Legacy)},
        {BuildStiffeners(Angle, Current), BuildStiffeners(Flat, Current),
         BuildStiffeners(Any, Current)}};
    return families[static_cast<int>(basis)][static_cast<int>(family)];
}

bool Lighter(const Candidate& a, const Candidate& b) {
    if (a.selfWeight != b.selfWeight) return a.selfWeight < b.selfWeight;
    return a.utilisation.Governing() < b.utilisation.Governing();
}

// Keeps the `top` lightest in order, so memory stays bounded however many spacings are tried.
// Equal candidates keep the order in which they were found.
void KeepIfLightest(std::vector<Candidate>& lightest, std::size_t top, Candidate&& candidate) {
    if (lightest.size() == top && !Lighter(candidate, lightest.back())) return;
    lightest.insert(std::upper_bound(lightest.begin(), lightest.end(), candidate, Lighter),
                    std::move(candidate));
    if (lightest.size() > top) lightest.pop_back();
}

// Counted before any spacing is formed, so that no rounding of FROM + i·STEP can keep a loop
// going. The tolerance keeps TO when (TO − FROM) / STEP comes out a hair short of a whole number.
double Intervals(double from, double to, double step) {
    return std::floor((to - from) / step + 1e-9);
}

}  // namespace

RangeFault CheckSpacingRange(double from, double to, double step) {
    if (!(from > 0) || !(to >= from) || !(step > 0)) return RangeFault::Order;
    if (step < kFinestStep) return RangeFault::TooFine;
    return Intervals(from, to, step) >= static_cast<double>(kMostSpacings) ? RangeFault::TooMany
                                                                           : RangeFault::None;
}

std::vector<double> SpacingRange(double from, double to, double step) {
    const auto count = static_cast<long long>(Intervals(from, to, step)) + 1;
    std::vector<double> spacings;
    // Each spacing formed from FROM, so that 0.1 steps do not drift.
    for (long long i = 0; i < count; ++i) spacings.push_back(from + static_cast<double>(i) * step);
    return spacings;
}

DesignResult Design(const DesignRequest& request) {
    DesignResult result;
    result.basis = request.bay.basis;
    result.steel = request.bay.steel;
    result.pointLoad = request.bay.pointLoad.has_value();
    const std::vector<StiffenerChoice>& stiffeners = Stiffeners(request.family, request.bay.basis);
    std::vector<PlateThickness> thicknesses;
    for (const double mm : PlateThicknesses())
        if (mm >= request.leastThickness) thicknesses.push_back(ThicknessOf(mm));
    const double steps = static_cast<double>(request.spacings.size() * thicknesses.size());
    double done = 0;
    for (double spacing : request.spacings) {
        for (const PlateThickness& thickness : thicknesses) {
            if (request.progress && !request.progress(done++ / steps)) {
                result.stopped = true;
                return result;
            }
            // The request's bay with this plate at this spacing, and the weld as the code would
            // have it by default.
            BayInput bay = request.bay;
            bay.thickness = thickness;
            bay.spacing = spacing;
            bay.weld = {};
            std::optional<PlateChecks> plate;
            try {
                plate = CheckPlates(bay);
            } catch (const ArithmeticError& e) {
                result.candidates += static_cast<long long>(stiffeners.size());
                result.faults += static_cast<long long>(stiffeners.size());
                if (!result.firstFault) result.firstFault = e;
                continue;
            }
            for (const StiffenerChoice& stiffener : stiffeners) {
                ++result.candidates;
                bay.stiffener = stiffener;
                try {
                    const BayCheck c = CheckBay(bay, *plate);
                    Candidate candidate{.thickness = thickness,
                                        .stiffener = stiffener,
                                        .spacing = spacing,
                                        .selfWeight = c.stiffener.selfWeight,
                                        .utilisation = Utilisations(c)};
                    if (c.AllPass()) {
                        ++result.passingCount;
                        KeepIfLightest(result.passing, request.top, std::move(candidate));
                    } else if (result.passing.empty() &&
                               (!result.closest || candidate.utilisation.Governing() <
                                                       result.closest->utilisation.Governing())) {
                        result.closest = std::move(candidate);
                    }
                } catch (const ArithmeticError& e) {
                    ++result.faults;  // never shown as passing
                    if (!result.firstFault) result.firstFault = e;
                }
            }
        }
    }
    if (!result.passing.empty()) result.closest.reset();
    return result;
}

bool ComputesAtSquarePanel(const DesignRequest& request) {
    DesignRequest square = request;
    square.spacings = {request.bay.span};
    square.progress = {};
    const DesignResult result = Design(square);
    return result.faults < result.candidates;
}

}  // namespace deckplate::sizing
