#pragma once
// The fillet weld between the deck plate and a stiffener (current basis): the plate works with
// the stiffener only through it. It carries the shear flow at the plate–stiffener face,
//
//   v = V·Sp / Ix (N/mm),  Sp = |Ap·(Yo − t/2)| the first moment of the plate strip about the
//   composite section's neutral axis, V the stiffener's design shear at the support (N),
//
// on n = 2 throats (double-sided) or 1 (single-sided) of 0.7·hf; an intermittent weld of segments
// l at a pitch s (centre to centre) carries s / lw times as much on its effective length
// lw = l − 2·hf (GB 50017-2017 §11.2.2 for a side weld, §11.2.7 for the shear flow of a
// flange-to-web weld):
//
//   τf = v·(s/lw) / (n·0.7·hf), judged as displayed (two decimals) against f_f^w of the
//   electrode that matches the grade (Table 4.4.5): reaching it fails.
//
// Its detailing is a check of its own (§11.3.5, §11.3.8): hf at least the least leg of
// Table 11.3.5 for the thicker part (unless hf reaches the thinner part's thickness), an
// intermittent segment at least max(10·hf, 50) mm with lw at least max(8·hf, 40) mm, and a clear
// gap s − l of at most 15 times the thinner part (the deck plate is in compression).

#include <optional>
#include <string>

#include "calc/steel_grade.h"
#include "calc/stiffener.h"
#include "calc/verdict.h"

namespace deckplate {

/// How the stiffener is welded to the plate.
enum class WeldArrangement {
    Double,        ///< double-sided continuous (the default)
    Intermittent,  ///< double-sided intermittent: segments l at a pitch s
    Single,        ///< single-sided continuous
};

/// An intermittent weld's segments, mm: each l long, at a pitch s centre to centre.
struct WeldSegments {
    double length = 0;
    double pitch = 0;

    friend bool operator==(const WeldSegments&, const WeldSegments&) = default;
};

/// The weld as the engineer gives it; a leg size left out takes the least the code allows.
struct Weld {
    WeldArrangement arrangement = WeldArrangement::Double;
    std::optional<double> size = std::nullopt;            ///< hf, mm
    std::optional<WeldSegments> segments = std::nullopt;  ///< intermittent only

    friend bool operator==(const Weld&, const Weld&) = default;
};

/// "double", "intermittent", "single": the arrangement as the command line, schedules and bay
/// files write it.
std::string_view ArrangementKey(WeldArrangement arrangement);
/// "双面连续", "双面断续", "单面连续".
std::string_view ArrangementNameZh(WeldArrangement arrangement);
/// An intermittent weld's segments as one designation: "50@150" (length @ pitch, mm).
std::string SegmentsText(const WeldSegments& segments);

/// The least leg size of GB 50017-2017 Table 11.3.5 for the thicker part joined, mm: up to 6 mm
/// 3, up to 12 mm 5, up to 20 mm 6, above 8.
double LeastWeldSize(double thickerPart);

/// The leg size a weld takes when none is given: the least of Table 11.3.5 for the thicker of
/// the plate and the stiffener's part, but no more than the thinner part (its note 2). mm.
double DefaultWeldSize(double plateThickness, double stiffenerThickness);

/// f_f^w of the electrode matching a grade, N/mm² (Table 4.4.5): E43 for Q235 160, E50 for Q355
/// and Q390 200, E55 for Q420 and Q460 220.
double WeldStrength(SteelGrade grade);
/// "E43", "E50", "E55".
std::string_view ElectrodeOf(SteelGrade grade);

struct WeldCheck {
    WeldArrangement arrangement = WeldArrangement::Double;
    double size = 0;                       ///< hf, mm
    std::optional<WeldSegments> segments;  ///< intermittent
    double effectiveLength = 0;            ///< lw = l − 2·hf, mm (intermittent)
    int throats = 2;                       ///< n
    double throat = 0;                     ///< 0.7·hf, mm
    double force = 0;                      ///< V, kN
    double Sp = 0;                         ///< the plate strip's first moment, mm³
    double shearFlow = 0;                  ///< v, N/mm
    ShownValue shown;                      ///< τf as the window shows it
    double stress = 0;                     ///< τf, N/mm², rounded to 2 decimals as displayed
    double limit = 0;                      ///< f_f^w, N/mm²
    StrengthVerdict verdict;
};

/// τf of the weld `weld` under a support shear `force` (kN) of the stiffener whose composite
/// section is `section` on a plate `thickness` mm thick, against f_f^w of `grade`. `pointLoad`
/// words the point load's verdict. Throws ArithmeticError.
WeldCheck CheckWeld(const Weld& weld, double force, double thickness,
                    const StiffenerResult& section, double stiffenerThickness, SteelGrade grade,
                    bool pointLoad = false);

/// "双面连续角焊缝 hf = 5 mm" or "双面断续角焊缝 hf = 5 mm，50@150": the weld a check took.
std::string WeldDescriptionZh(const WeldCheck& weld);

/// Which detailing rule a weld breaks, the first in this order, or none.
enum class WeldRule {
    None,
    LegTooSmall,        ///< hf under the least of Table 11.3.5 and under the thinner part
    SegmentTooShort,    ///< l under max(10·hf, 50) mm
    EffectiveTooShort,  ///< lw under max(8·hf, 40) mm
    GapTooWide,         ///< s − l over 15 times the thinner part
};

struct WeldDetailingCheck {
    WeldRule broken = WeldRule::None;
    double required = 0;   ///< what the rule broken asks, mm
    double actual = 0;     ///< what the weld gives, mm
    double leastSize = 0;  ///< the least leg the joint allows: Table 11.3.5's, or the thinner part
    bool exceeded = false;
    std::string text;
};

/// The weld's detailing against §11.3.5 and §11.3.8. thicknesses in mm.
WeldDetailingCheck CheckWeldDetailing(const WeldCheck& weld, double plateThickness,
                                      double stiffenerThickness);

}  // namespace deckplate
