#pragma once
// Sizing: the lightest plate and stiffener that pass every check the bay has (the table of
// checks: the uniform load's, the current basis' shear and outstand, the point load's). The
// command line's design and the window's 自动选型 both run it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/bay_check.h"
#include "calc/checks.h"

namespace deckplate::sizing {

enum class StiffenerFamily { Angle, Flat, Any };

/// Limits of a spacing range: how many spacings one run tries, and the finest step between them
/// (mm).
constexpr long long kMostSpacings = 10000;
constexpr double kFinestStep = 0.001;

/// What is wrong with a spacing range FROM–TO–STEP: Order unless 0 < FROM ≤ TO and STEP > 0;
/// a step under kFinestStep; more than kMostSpacings spacings.
enum class RangeFault { None, Order, TooFine, TooMany };
RangeFault CheckSpacingRange(double from, double to, double step);
/// FROM, FROM + STEP … up to TO inclusive, for a range without a fault.
std::vector<double> SpacingRange(double from, double to, double step);

struct DesignRequest {
    /// The bay whose plate, stiffener and spacing are sought: its loads, span, boundary, basis,
    /// grade, safety class and point load (when given, its checks count too); its thickness,
    /// stiffener and spacing are the candidates', and its weld the default one.
    BayInput bay{};
    std::vector<double> spacings{};  ///< one or more, mm
    StiffenerFamily family = StiffenerFamily::Any;
    std::size_t top = 10;       ///< how many passing designs to keep
    double leastThickness = 0;  ///< mm: thinner plates of the list are not considered
    /// Told the share done, 0 to 1, after each plate at each spacing; false stops the search.
    std::function<bool(double done)> progress{};
};

struct Candidate {
    PlateThickness thickness{};
    StiffenerChoice stiffener{};
    double spacing = 0;
    double selfWeight = 0;  ///< kN/m²
    Utilisation utilisation{};
};

struct DesignResult {
    DesignBasis basis = DesignBasis::Legacy;
    SteelGrade steel = SteelGrade::Q235;
    bool pointLoad = false;  ///< the point load's checks counted
    /// The checks every candidate had.
    CheckScope Scope() const {
        return {.pointLoad = pointLoad, .currentBasis = basis == DesignBasis::Current};
    }
    std::vector<Candidate> passing;  ///< the `top` lightest, then lowest governing utilisation
    long long passingCount = 0;
    std::optional<Candidate> closest;  ///< when nothing passes: lowest governing utilisation
    long long candidates = 0;
    long long faults = 0;                       ///< candidates skipped on an arithmetic fault
    std::optional<ArithmeticError> firstFault;  ///< the first of them
    bool stopped = false;                       ///< by the request's progress
};

/// Checks every thickness of the list from the least on against every stiffener of the family,
/// at every spacing.
DesignResult Design(const DesignRequest& request);

/// Whether some candidate of the request computes at a square panel, the spacing equal to the
/// span. When every candidate faults at the request's spacings but this holds, the loads, span
/// and point load are computable and the spacings are what cannot be computed.
bool ComputesAtSquarePanel(const DesignRequest& request);

}  // namespace deckplate::sizing
