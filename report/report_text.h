#pragma once
// The calculation report: a fixed-layout text that copies what the window shows at the moment
// the report button is pressed, and formats the stored section values and coefficients.
//
// Data flow: the window fills a ReportSnapshot → ReportText() builds the lines (UTF-8, CR LF
// between lines, none after the last) → EncodeGbk() gives the bytes of the file → the platform
// layer replaces the file atomically and starts the viewer.

#include <array>
#include <map>
#include <optional>
#include <string>

#include "calc/bay_input.h"
#include "calc/check_id.h"

namespace deckplate::report {

/// A point load's patch as it acts, mm: across the stiffeners and along them.
struct ActingPatch {
    double across = 0, along = 0;
};

/// A check as the window shows it: its result box, the box of its limit where it has one, its
/// verdict line, and the symbol of its value and the rule of its limit where the report names
/// them (h/t, 15εk).
struct ReportCheck {
    std::string value{}, limit{}, verdict{}, symbol{}, rule{};
};

/// The window's texts and captions and its stored values, as UTF-8 texts and doubles.
struct ReportSnapshot {
    /// Each input's text as the window shows it, by the bay's field it holds: a box's as typed
    /// (the plate's thickness as the list or the typing left it: "4.5"; a flat bar's height and
    /// thickness and a patch's sides by their own fields), the angle's as picked (Stiffener), the
    /// steel grade with its standard as the last Verify took it ("Q355（GB/T 1591-2018）").
    std::map<BayField, std::string> inputs;
    std::string deflectionLimit;                       ///< the plate's, "150"
    bool flatBar = false;                              ///< the stiffener kind chosen
    bool simplySupported = false, continuous = false;  ///< the boundary ticks
    // Results as displayed.
    std::string compositeCentroid, compositeInertia;  ///< Yo (cm), Ix (cm⁴)
    std::string plateMoment, stiffenerMoment;
    /// Every check's value and verdict, by Check; the report prints those the window shows.
    std::array<ReportCheck, kCheckCount> checks{};
    // The window state variables.
    double AstiffenerE = 0, IStiffenerE = 0;        ///< flat bar A (cm²), Ix (cm⁴)
    double Aangle1 = 0, Iangle1 = 0, Yoangle1 = 0;  ///< angle A, Ix, y0
    double Alpha = 0, Beta = 0;                     ///< plate coefficients
    /// Under the current basis, the load combination as LoadCombinationText gives it
    /// ("1.3×恒+1.5×活（GB 55001-2021）"); empty under the legacy basis, whose report has no
    /// such line and stays as it always was.
    std::string loadCombination;
    /// Under the current basis: the steel grade with its standard, and the checks of the current
    /// basis; the legacy basis' report has none of them.
    bool currentBasis = false;
    /// With 设置 → 集中荷载验算 on, the point load's lines follow all the others; off, the
    /// report stays as it always was.
    bool pointLoadShown = false;
    /// When Verify cut the patch to the plate panel: the patch as it acted.
    std::optional<ActingPatch> patchCutTo;
};

/// The report as UTF-8 text: 42 lines (40 when no boundary box is ticked), one more with a load
/// combination, 14 more with the point load and one more when its patch was cut to the panel;
/// CR LF between them.
std::string ReportText(const ReportSnapshot& window);

}  // namespace deckplate::report
