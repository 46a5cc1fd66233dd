#pragma once
// deckplate-cli design: the lightest plate and stiffener that pass every check: the four of the
// uniform load, and with a point load its four too.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "calc/bay_check.h"

namespace deckplate::cli {

enum class StiffenerFamily { Angle, Flat, Any };

/// Limits of --spacings: how many spacings one run tries, and the finest step between them (mm).
constexpr long long kMostSpacings = 10000;
constexpr double kFinestStep = 0.001;

struct DesignRequest {
    double dead = 0, live = 0, span = 0;
    std::vector<double> spacings;  ///< one or more, mm
    bool continuous = false;
    StiffenerFamily family = StiffenerFamily::Any;
    std::size_t top = 10;  ///< how many passing designs to keep
    DesignBasis basis = DesignBasis::Legacy;
    std::optional<PointLoad> pointLoad = std::nullopt;  ///< when given, its four checks count too
};

struct Candidate {
    std::string thickness;  ///< the window's list text, "4.5"
    std::string stiffener;  ///< "L63x40x5" or "80x8"
    double spacing = 0;
    double selfWeight = 0;  ///< kN/m²
    Utilisation utilisation;
};

struct DesignResult {
    DesignBasis basis = DesignBasis::Legacy;
    bool pointLoad = false;          ///< the point load's checks counted
    std::vector<Candidate> passing;  ///< the `top` lightest, then lowest governing utilisation
    long long passingCount = 0;
    std::optional<Candidate> closest;  ///< when nothing passes: lowest governing utilisation
    long long candidates = 0;
    long long faults = 0;                       ///< candidates skipped on an arithmetic fault
    std::optional<ArithmeticError> firstFault;  ///< the first of them
};

/// Checks every thickness of the list against every stiffener of the family, at every spacing.
DesignResult Design(const DesignRequest& request);

/// "FROM:TO:STEP" in mm, inclusive of TO; at most kMostSpacings of them, STEP at least
/// kFinestStep. Throws UsageError.
std::vector<double> ParseSpacings(const std::string& text);

void PrintDesign(const DesignResult& result, bool json, std::ostream& out);

}  // namespace deckplate::cli
