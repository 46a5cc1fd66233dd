#include "input/values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "calc/angle_catalogue.h"
#include "calc/designation.h"
#include "calc/number_text.h"
#include "os/paths.h"
#include "os/shown_text.h"

namespace deckplate::input {
namespace {

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// A designation's part as the English message names it: "column 'stiffener' (80x0) thickness".
std::string PartName(const ValueProblem& p) {
    // A part given on its own (a bay file's flat_bar_thickness) is named by itself.
    if (p.whole.empty()) return p.input.name;
    const char* part = nullptr;
    switch (p.input.field) {
        case BayField::FlatBarHeight:
            part = "height";
            break;
        case BayField::FlatBarThickness:
            part = "thickness";
            break;
        case BayField::PatchAcross:
            part = "across";
            break;
        case BayField::PatchAlong:
            part = "along";
            break;
        default:
            return p.input.name;
    }
    return p.input.name + " (" + p.whole + ") " + part;
}

[[noreturn]] void Refuse(ValueFault fault, const Input& input, std::string_view value,
                         std::string_view whole = {}) {
    throw ValueError(ValueProblem{
        .fault = fault, .input = input, .value = std::string(value), .whole = std::string(whole)});
}

// Blanks around a cell's text: spaces, tabs and the ideographic space (U+3000) that a Chinese
// input method types.
std::string_view WithoutBlanks(std::string_view text) {
    constexpr std::string_view kBlanks[] = {" ", "\t", "\xE3\x80\x80"};
    const auto blank = [&](bool front) -> std::size_t {
        for (const std::string_view b : kBlanks)
            if (front ? text.starts_with(b) : text.ends_with(b)) return b.size();
        return 0;
    };
    while (const std::size_t n = blank(true)) text.remove_prefix(n);
    while (const std::size_t n = blank(false)) text.remove_suffix(n);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string ValueProblemText(const ValueProblem& problem) {
    // The text given may hold anything: a terminal's escapes, a NUL, a page.
    ValueProblem p = problem;
    p.value = os::ShownText(p.value);
    p.whole = os::ShownText(p.whole);
    const std::string name = PartName(p);
    const std::string& v = p.value;
    const std::string range = std::to_string(p.least) + " to " + std::to_string(p.most);
    switch (p.fault) {
        case ValueFault::NotANumber:
            // An empty cell, box or key left out: say that a number is missing.
            if (Trimmed(p.value).empty()) return name + ": no value given; a number is needed";
            return name + ": '" + v + "' is not a number";
        case ValueFault::BeyondRange:
            return name + ": " + v + " is out of the range of numbers";
        case ValueFault::NotWhole:
            return name + ": '" + v + "' is not a whole number; give " + range;
        case ValueFault::OutsideRange:
            return name + ": must be " + range + ", not " + v;
        case ValueFault::NotPositive:
            return name + ": must be greater than 0 mm, not " + v;
        case ValueFault::NegativeLoad:
            return name + ": must be 0 kN/m² or more, not " + v;
        case ValueFault::NegativeForce:
            return name + ": must be 0 kN or more, not " + v;
        case ValueFault::NotAFlatBar:
            return name + ": '" + v +
                   "' is not a flat bar; write height x thickness in mm, e.g. 80x8";
        case ValueFault::NotAPatch:
            return name + ": '" + v +
                   "' is not a patch; write across x along the stiffeners in mm, e.g. 200x200";
        case ValueFault::PatchWithoutPointLoad:
            // An option's patch stands on the option's load; a row's on its own or the run's.
            if (p.input.name.starts_with("--"))
                return name + " needs --point-load: without a point load the patch '" + v +
                       "' checks nothing";
            return name + ": '" + v +
                   "' needs a point load: give one in column 'point_load' or with --point-load";
        case ValueFault::PatchBelowThickness:
            return name + ": each side must be at least the plate's thickness, " +
                   PlainNumberText(p.bound) + " mm, not " + v;
        case ValueFault::NotInCatalogue: {
            const std::vector<std::string_view> nearest = NearestAngles(CatalogueForm(p.value));
            if (nearest.empty())
                return name + ": '" + v +
                       "' is not in the angle catalogue; 'deckplate-cli angles' lists the "
                       "designations, e.g. L63x40x5";
            return name + ": '" + v + "' is not in the angle catalogue; the nearest are " +
                   std::string(nearest[0]) + " and " + std::string(nearest[1]) +
                   " ('deckplate-cli angles' lists them all)";
        }
        case ValueFault::NotABasis:
            return name + ": '" + v + "' is neither legacy nor current";
        case ValueFault::NotAGrade:
            return name + ": '" + v + "' is not a steel grade; give Q235, Q355, Q390, Q420 or Q460";
        case ValueFault::GradeWithLegacyBasis:
            // An option names the option that would give the grade a use.
            if (p.input.name.starts_with("--"))
                return name + " " + v +
                       " needs --basis current: the legacy basis knows Q235 only (f = 215 for "
                       "every part)";
            return name + ": " + v +
                   " needs the current basis; the legacy basis knows Q235 only (f = 215)";
        case ValueFault::NotABoundary:
            return name + ": '" + v +
                   "' is neither simple (简支, 四边简支) nor continuous (连续, 三跨及以上连续)";
        case ValueFault::ThickerThanTable:
            return name + ": " + v + " mm is thicker than the strength table of " +
                   std::string(GradeName(p.steel)) + " goes (to " + PlainNumberText(p.bound) +
                   " mm, GB 50017-2017 Table 4.4.1); the code gives no design strength for it";
        case ValueFault::NotASafetyClass:
            return name + ": '" + v + "' is not a safety class; give 1, 2 or 3";
        case ValueFault::NotAFlag:
            return name + ": '" + v + "' is neither yes nor no";
        case ValueFault::NotAnArrangement:
            return name + ": '" + v + "' is none of double, intermittent, single";
        case ValueFault::NotSegments:
            return name + ": '" + v +
                   "' is not a weld's segments; write length@pitch in mm, e.g. 50@150";
        case ValueFault::InputWithLegacyBasis:
            return name + ": '" + v +
                   "' is an input of the current basis; the legacy basis has no such check";
        case ValueFault::WeldWithoutSegments:
            return name +
                   ": an intermittent weld needs its segments, length@pitch in mm "
                   "(e.g. 50@150)";
        case ValueFault::SegmentsWithContinuousWeld:
            return name + ": segments " + v +
                   " are for an intermittent weld; the weld given is continuous";
        case ValueFault::SegmentNotLongerThanLegs:
            return name + ": a segment of " + v + " mm is no longer than twice the leg size, " +
                   PlainNumberText(p.bound) + " mm, so nothing of it counts";
        case ValueFault::PitchBelowSegment:
            return name + ": a pitch of " + v + " mm is shorter than the segment, " +
                   PlainNumberText(p.bound) + " mm";
        case ValueFault::SpacingWithinStiffener:
            return name + ": " + v + " mm is no wider than the stiffener itself, " +
                   PlainNumberText(p.bound) +
                   " mm, so the stiffeners cannot be built (spacings "
                   "are in mm, centre to centre)";
        case ValueFault::DeviceName:
            return name + ": '" + v +
                   "' names a device on Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
                   "LPT9, with any extension), where nothing would be saved; choose another name";
        case ValueFault::NoValue:
            return "no value in " + name;
        case ValueFault::Other:
            break;
    }
    return p.text;
}

ValueError::ValueError(ValueProblem problem)
    : std::runtime_error(ValueProblemText(problem)), problem_(std::move(problem)) {}

ValueError::ValueError(const std::string& message)
    : std::runtime_error(message), problem_{.fault = ValueFault::Other, .text = message} {}

double StrictNumber(std::string_view text, const Input& input) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    // from_chars would also take "inf", "nan" and hexadecimal; only plain decimals are allowed.
    bool plain = !digits.empty();
    for (char c : digits) plain = plain && IsNumberCharacter(c);
    double value = 0;
    const auto [end, ec] =
        plain ? std::from_chars(digits.data(), digits.data() + digits.size(), value)
              : std::from_chars_result{digits.data(), std::errc::invalid_argument};
    if (ec == std::errc::result_out_of_range) Refuse(ValueFault::BeyondRange, input, text);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        Refuse(ValueFault::NotANumber, input, text);
    return value;
}

long long WholeNumber(std::string_view text, const Input& input, long long least, long long most) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    ValueProblem problem{.input = input, .value = std::string(text), .least = least, .most = most};
    if (ec == std::errc::invalid_argument || end != text.data() + text.size()) {
        problem.fault = ValueFault::NotWhole;
        throw ValueError(problem);
    }
    if (ec == std::errc::result_out_of_range || value < least || value > most) {
        problem.fault = ValueFault::OutsideRange;
        throw ValueError(problem);
    }
    return value;
}

namespace {

// A size, as a whole value or as a part of a designation.
double Size(std::string_view text, const Input& input, std::string_view whole) {
    // A part's number is named as the part: "column 'stiffener' (80xa) thickness: 'a' is not…".
    double value = 0;
    try {
        value = StrictNumber(text, input);
    } catch (const ValueError& e) {
        Refuse(e.Problem().fault, input, text, whole);
    }
    if (!(value > 0)) Refuse(ValueFault::NotPositive, input, text, whole);
    return value;
}

}  // namespace

double Length(std::string_view text, const Input& input) { return Size(text, input, {}); }

double Load(std::string_view text, const Input& input) {
    const double value = StrictNumber(text, input);
    if (value < 0) Refuse(ValueFault::NegativeLoad, input, text);
    return value;
}

FlatBar ParseFlatBar(std::string_view text, const Input& input) {
    const auto sides = DesignationSides(text);
    if (!sides) Refuse(ValueFault::NotAFlatBar, input, text);
    return {Size(sides->first, {input.name, BayField::FlatBarHeight}, text),
            Size(sides->second, {input.name, BayField::FlatBarThickness}, text)};
}

CatalogueAngle ParseAngle(std::string_view designation, const Input& input) {
    const auto position = FindAngle(CatalogueForm(designation));
    if (!position) Refuse(ValueFault::NotInCatalogue, input, designation);
    return {*position};
}

double PointLoadForce(std::string_view text, const Input& input) {
    const double kilonewtons = StrictNumber(text, input);
    if (kilonewtons < 0) Refuse(ValueFault::NegativeForce, input, text);
    return kilonewtons;
}

Patch ParsePatch(std::string_view text, const Input& input) {
    const auto sides = DesignationSides(text);
    if (!sides) Refuse(ValueFault::NotAPatch, input, text);
    return {Size(sides->first, {input.name, BayField::PatchAcross}, text),
            Size(sides->second, {input.name, BayField::PatchAlong}, text)};
}

DesignBasis ParseBasis(std::string_view text, const Input& input) {
    for (const DesignBasis basis : {DesignBasis::Legacy, DesignBasis::Current})
        if (SameLetters(WithoutBlanks(text), BasisName(basis))) return basis;
    Refuse(ValueFault::NotABasis, input, text);
}

SteelDesignation ParseSteel(std::string_view text, const Input& input, bool* wasQ345) {
    const std::optional<SteelDesignation> steel =
        ReadSteelDesignation(WithoutBlanks(text), wasQ345);
    if (!steel) Refuse(ValueFault::NotAGrade, input, text);
    return *steel;
}

namespace {

// The words of a choice, in either case and blanks around them aside.
template <class Value, std::size_t N>
std::optional<Value> Word(std::string_view text,
                          const std::pair<std::string_view, Value> (&words)[N]) {
    const std::string_view given = WithoutBlanks(text);
    for (const auto& [word, value] : words)
        if (SameLetters(given, word)) return value;
    return std::nullopt;
}

}  // namespace

bool NamesQ345(std::string_view text) {
    bool wasQ345 = false;
    ReadSteelDesignation(WithoutBlanks(text), &wasQ345);
    return wasQ345;
}

SafetyClass ParseSafetyClass(std::string_view text, const Input& input) {
    using enum SafetyClass;
    constexpr std::pair<std::string_view, SafetyClass> kWords[] = {
        {"1", First},    {"2", Second},    {"3", Third},
        {"一级", First}, {"二级", Second}, {"三级", Third}};
    if (const auto found = Word(text, kWords)) return *found;
    Refuse(ValueFault::NotASafetyClass, input, text);
}

bool ParseFlag(std::string_view text, const Input& input) {
    constexpr std::pair<std::string_view, bool> kWords[] = {
        {"yes", true}, {"true", true},   {"1", true},  {"是", true},
        {"no", false}, {"false", false}, {"0", false}, {"否", false}};
    if (const auto found = Word(text, kWords)) return *found;
    Refuse(ValueFault::NotAFlag, input, text);
}

WeldArrangement ParseWeldArrangement(std::string_view text, const Input& input) {
    using enum WeldArrangement;
    constexpr std::pair<std::string_view, WeldArrangement> kWords[] = {
        {"double", Double},   {"intermittent", Intermittent}, {"single", Single},
        {"双面连续", Double}, {"双面断续", Intermittent},     {"单面连续", Single}};
    if (const auto found = Word(text, kWords)) return *found;
    Refuse(ValueFault::NotAnArrangement, input, text);
}

WeldSegments ParseWeldSegments(std::string_view text, const Input& input) {
    const std::string_view given = WithoutBlanks(text);
    const std::size_t at = given.find('@');
    if (at == std::string_view::npos) Refuse(ValueFault::NotSegments, input, text);
    return {Size(given.substr(0, at), input, text), Size(given.substr(at + 1), input, text)};
}

void RequireGradeOfBasis(SteelGrade steel, DesignBasis basis, const Input& input) {
    if (basis == DesignBasis::Legacy && steel != SteelGrade::Q235)
        Refuse(ValueFault::GradeWithLegacyBasis, input, GradeName(steel));
}

std::string OutputFile(std::string_view text, const Input& input) {
    if (os::IsWindowsDeviceName(os::Utf8Of(os::PathFromUtf8(text).filename())))
        Refuse(ValueFault::DeviceName, input, text);
    return std::string(text);
}

void RequirePatchAtLeast(const Patch& patch, double thickness, const Input& input,
                         std::string_view given) {
    const double least = LeastPatchSide(thickness);
    if (patch.across >= least && patch.along >= least) return;
    throw ValueError({.fault = ValueFault::PatchBelowThickness,
                      .input = input,
                      .value = std::string(given),
                      .bound = least});
}

Boundary ParseBoundary(std::string_view text, const Input& input) {
    const std::string_view words = WithoutBlanks(text);
    for (const std::string_view simple : {"simple", "简支", "四边简支"})
        if (SameLetters(words, simple)) return BoundaryOf(false);
    for (const std::string_view continuous : {"continuous", "连续", "三跨及以上连续"})
        if (SameLetters(words, continuous)) return BoundaryOf(true);
    Refuse(ValueFault::NotABoundary, input, text);
}

void RequirePartsInStrengthTable(const BayInput& bay, const Input& plate, const Input& stiffener,
                                 std::string_view stiffenerText) {
    if (bay.basis == DesignBasis::Legacy) return;
    const double thickest = ValuesOf(bay.steel).bands.back().upToThickness;
    const auto refuse = [&](double thickness, const Input& input, std::string_view whole) {
        throw ValueError({.fault = ValueFault::ThickerThanTable,
                          .input = input,
                          .value = PlainNumberText(thickness),
                          .whole = std::string(whole),
                          .bound = thickest,
                          .steel = bay.steel});
    };
    if (bay.thickness.mm > thickest) refuse(bay.thickness.mm, plate, {});
    const double part = StiffenerThickness(StiffenerSection(bay.stiffener));
    if (part <= thickest) return;
    // A flat bar's thickness is a part of what was given ("300x80"); an angle's is its size's.
    const bool flatBar = std::holds_alternative<FlatBar>(bay.stiffener);
    refuse(part, flatBar ? Input{stiffener.name, BayField::FlatBarThickness} : stiffener,
           flatBar ? stiffenerText : std::string_view());
}

StiffenerChoice ParseStiffener(std::string_view text, const Input& input) {
    if (!text.empty() && (text.front() == 'L' || text.front() == 'l'))
        return ParseAngle(text, input);
    return ParseFlatBar(text, input);
}

}  // namespace deckplate::input
