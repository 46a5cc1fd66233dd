#include "input/values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "calc/angle_catalogue.h"
#include "calc/designation.h"
#include "calc/number_text.h"
#include "input/value_words.h"
#include "os/paths.h"

namespace deckplate::input {
namespace {

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
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

ValueError::ValueError(ValueProblem problem)
    : std::runtime_error(ValueProblemText(problem)), problem_(std::move(problem)) {
    problem_.input.notices = nullptr;  // the reading's, which the problem outlives
}

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

SteelDesignation ParseSteel(std::string_view text, const Input& input) {
    const std::optional<SteelDesignation> steel = ReadSteelDesignation(WithoutBlanks(text));
    if (!steel) Refuse(ValueFault::NotAGrade, input, text);
    if (steel->formerName && input.notices)
        input.notices->Add({.kind = NoticeKind::FormerGradeName});
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
