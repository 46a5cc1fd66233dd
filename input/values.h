#pragma once
// Strict reading of the values a script or a schedule gives: unlike the window, which refuses a
// box that is not a number with its own words, a typo in an option or a schedule's cell stops
// with a message naming it. A value that cannot be used is a ValueProblem: what is wrong, which
// input (an option or a column, and the bay's field it holds) and the text given, worded in
// English and in Chinese by value_words.h.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/bay_input.h"
#include "calc/design_basis.h"
#include "calc/point_load.h"
#include "calc/stiffener.h"
#include "input/notices.h"

namespace deckplate::input {

/// What is wrong with a value.
enum class ValueFault {
    NotANumber,             ///< "1,5", "abc", "" where a number is needed
    BeyondRange,            ///< "1e999": beyond the range of numbers
    NotWhole,               ///< a count that is not a whole number
    OutsideRange,           ///< a count outside least … most
    NotPositive,            ///< a size of 0 mm or less
    NegativeLoad,           ///< a surface load below 0 kN/m²
    NegativeForce,          ///< a point load below 0 kN
    NotAFlatBar,            ///< no separator between height and thickness
    NotAPatch,              ///< no separator between the patch's sides
    PatchWithoutPointLoad,  ///< a schedule row's patch, with no point load to stand on it
    PatchBelowThickness,    ///< a patch side under the plate's thickness (`bound`)
    NotInCatalogue,         ///< an angle designation the catalogue lacks
    NotABasis,              ///< neither legacy nor current
    NotAGrade,              ///< none of the steel grades
    GradeWithLegacyBasis,   ///< a grade other than Q235 under the legacy basis
    NotABoundary,           ///< neither simple nor continuous
    /// Under the current basis, a part (`input`) `value` mm thick, thicker than the last band of
    /// the strength table of `steel`, which ends at `bound` mm: no design strength is given for it
    ThickerThanTable,
    NotASafetyClass,             ///< none of 1, 2, 3 (一级, 二级, 三级)
    NotAFlag,                    ///< neither yes nor no
    NotAnArrangement,            ///< none of double, intermittent, single
    NotSegments,                 ///< not a weld's segments "length@pitch"
    InputWithLegacyBasis,        ///< an input of the current basis given under the legacy one
    WeldWithoutSegments,         ///< an intermittent weld with no segments given
    SegmentsWithContinuousWeld,  ///< segments given for a continuous weld (`value`)
    /// An intermittent weld's segment `value` mm no longer than twice its leg size, `bound` mm:
    /// nothing of it counts
    SegmentNotLongerThanLegs,
    PitchBelowSegment,  ///< a pitch `value` mm shorter than the segment, `bound` mm
    /// A spacing `value` mm no wider than the stiffener at the plate, `bound` mm (a flat bar's
    /// thickness, an angle's short leg): stiffeners that close cannot be built
    SpacingWithinStiffener,
    DeviceName,  ///< a file name Windows keeps for a device
    NoValue,     ///< a row too short to have a cell in the column
    Other,       ///< a command's own rule; `text` says it in English
};

/// An input as a message names it: on the command line an option ("--spacing") or a column
/// ("column 'spacing'"), with the bay's field it holds. A name holding a file's path holds it as
/// os::ShownWhole shows it. What its reading notices goes to `notices`, when given.
struct Input {
    std::string name;
    BayField field = BayField::Other;
    Notices* notices = nullptr;
};

struct ValueProblem {
    ValueFault fault = ValueFault::Other;
    Input input{};        ///< without its notices: a problem outlives the reading
    std::string value{};  ///< the text given: the part's, for a part of a designation
    std::string whole{};  ///< a designation's whole text, when `value` is a part of it ("80x0")
    long long least = 0, most = 0;        ///< a count's range
    double bound = 0;                     ///< a size's least or greatest value, mm
    SteelGrade steel = SteelGrade::Q235;  ///< ThickerThanTable: the grade whose table it is
    std::string text{};                   ///< the English message of ValueFault::Other
};

/// A value the user gave that cannot be used.
class ValueError : public std::runtime_error {
  public:
    explicit ValueError(ValueProblem problem);
    /// A command's own rule, in English only.
    explicit ValueError(const std::string& message);
    const ValueProblem& Problem() const { return problem_; }

  private:
    ValueProblem problem_;
};

/// The whole text must be a finite decimal number ("6", "4.5", "-1.2e3"). Throws ValueError.
double StrictNumber(std::string_view text, const Input& input);

/// The whole text must be a whole number from `least` to `most` ("10"). Throws ValueError.
long long WholeNumber(std::string_view text, const Input& input, long long least, long long most);

/// A size in mm — thickness, span, spacing, a flat bar's height or thickness — which must be
/// greater than 0: a size of 0 or less would be computed into a stress of 0 and called a pass.
/// Throws ValueError naming the value.
double Length(std::string_view text, const Input& input);

/// A load in kN/m², which must not be negative. Throws ValueError naming the value.
double Load(std::string_view text, const Input& input);

// A designation is read by the one rule of calc/designation.h.

/// "80x8": flat bar height × thickness in mm, each greater than 0. Throws ValueError.
FlatBar ParseFlatBar(std::string_view text, const Input& input);

/// A catalogue designation such as "L63x40x5". Throws ValueError that tells how to list the
/// catalogue.
CatalogueAngle ParseAngle(std::string_view designation, const Input& input);

/// "simple" (or 简支, 四边简支) or "continuous" (or 连续, 三跨及以上连续), in any case, blanks
/// around it (the ideographic space too) aside. Throws ValueError naming the input.
Boundary ParseBoundary(std::string_view text, const Input& input);

/// "legacy" or "current". Throws ValueError naming the option.
DesignBasis ParseBasis(std::string_view text, const Input& input);

/// A steel grade, read as ReadSteelDesignation reads it: the grade, as drawings write it too,
/// with its delivery state and quality letter (Q235B, Q355ND). Q345, read as Q355, is noticed
/// (NoticeKind::FormerGradeName). Throws ValueError naming the grades accepted.
SteelDesignation ParseSteel(std::string_view text, const Input& input);

/// A safety class: 1, 2 or 3 (一级, 二级, 三级). Throws ValueError.
SafetyClass ParseSafetyClass(std::string_view text, const Input& input);

/// Yes or no: yes, no, true, false, 1, 0, 是, 否, in any case. Throws ValueError.
bool ParseFlag(std::string_view text, const Input& input);

/// A weld's arrangement: double, intermittent or single (双面连续, 双面断续, 单面连续). Throws
/// ValueError.
WeldArrangement ParseWeldArrangement(std::string_view text, const Input& input);

/// An intermittent weld's segments "length@pitch" in mm ("50@150"), each greater than 0. Throws
/// ValueError.
WeldSegments ParseWeldSegments(std::string_view text, const Input& input);

/// Refuses a grade other than Q235 under the legacy basis, which knows Q235 only. Throws
/// ValueError.
void RequireGradeOfBasis(SteelGrade steel, DesignBasis basis, const Input& input);

/// A file the command writes, as given. Refused on every system when Windows would take its
/// name for a device (nul.html), so that a script does the same everywhere. Throws ValueError.
std::string OutputFile(std::string_view text, const Input& input);

/// The force of a point load in kN, 0 or more. Throws ValueError naming the option.
double PointLoadForce(std::string_view text, const Input& input);

/// A point load's patch "UxV" in mm (across × along the stiffeners, each greater than 0).
struct Patch {
    double across = kPointLoadPatch;
    double along = kPointLoadPatch;
};
/// Throws ValueError naming the option.
Patch ParsePatch(std::string_view text, const Input& input);

/// Refuses a patch with a side under the least (LeastPatchSide of the plate's `thickness`), naming
/// the patch as `given`. Throws ValueError.
void RequirePatchAtLeast(const Patch& patch, double thickness, const Input& input,
                         std::string_view given);

/// Refuses, under the current basis, a plate or a stiffener thicker than the last band of its
/// grade's strength table (GB 50017-2017 Table 4.4.1: to 100 mm for Q235, 63 mm for the others),
/// for which the code gives no design strength. `plate` and `stiffener` name where each was
/// given; `stiffenerText`, the stiffener as given ("300x80"). Throws ValueError.
void RequirePartsInStrengthTable(const BayInput& bay, const Input& plate, const Input& stiffener,
                                 std::string_view stiffenerText);

/// A stiffener written as a designation ("L63x40x5") or a flat bar ("80x8"). Throws ValueError.
StiffenerChoice ParseStiffener(std::string_view text, const Input& input);

}  // namespace deckplate::input
