#include "calc/steel_grade.h"

#include <cctype>
#include <cmath>
#include <string>

#include "calc/number_text.h"

namespace deckplate {
namespace {

// Q355's name before GB/T 1591-2018, still found on drawings and in schedules.
constexpr std::string_view kFormerQ355 = "Q345";

}  // namespace

std::span<const SteelGradeValues> SteelGrades() { return kSteelGrades; }

const SteelGradeValues& ValuesOf(SteelGrade grade) {
    return kSteelGrades[static_cast<std::size_t>(grade)];
}

std::string_view GradeName(SteelGrade grade) { return ValuesOf(grade).name; }

std::optional<SteelGrade> FindGrade(std::string_view name) {
    for (std::size_t i = 0; i < kSteelGrades.size(); ++i)
        if (name == kSteelGrades[i].name) return static_cast<SteelGrade>(i);
    return std::nullopt;
}

std::optional<SteelGrade> ReadGrade(std::string_view text) {
    std::string name;
    for (const char c : Trimmed(text))
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name == kFormerQ355) return SteelGrade::Q355;
    return FindGrade(name);
}

std::optional<SteelDesignation> ReadSteelDesignation(std::string_view text) {
    std::string name;
    for (const char c : Trimmed(text))
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    constexpr std::size_t kGradeLength = 4;  // "Q355"
    if (name.size() < kGradeLength) return std::nullopt;
    const std::optional<SteelGrade> grade = ReadGrade(name.substr(0, kGradeLength));
    if (!grade) return std::nullopt;
    const bool q345 = name.starts_with(kFormerQ355);
    const std::string suffix = name.substr(kGradeLength);
    // Q235: quality A to D (GB/T 700); the others: as rolled, N or M, then B to F (GB/T 1591).
    const bool gbt700 = *grade == SteelGrade::Q235;
    const std::string_view qualities = gbt700 ? "ABCD" : q345 ? "ABCDE" : "BCDEF";
    std::string_view rest = suffix;
    if (!gbt700 && !q345 && !rest.empty() && (rest.front() == 'N' || rest.front() == 'M'))
        rest.remove_prefix(1);
    if (rest.size() > 1 || (rest.size() == 1 && qualities.find(rest.front()) == std::string::npos))
        return std::nullopt;
    if (rest.empty() && suffix.size() == 1) return std::nullopt;  // "Q355N" lacks its quality
    SteelMark mark;
    if (suffix.size() > rest.size()) mark.delivery = suffix.front();
    if (!rest.empty()) mark.quality = rest.front();
    return SteelDesignation{.grade = *grade, .mark = mark, .formerName = q345};
}

std::string SteelMark::Text() const {
    std::string text;
    if (delivery) text += delivery;
    if (quality) text += quality;
    return text;
}

std::string DesignationName(SteelGrade grade, const SteelMark& mark) {
    return std::string(GradeName(grade)) + mark.Text();
}

PartStrength StrengthOf(DesignBasis basis, SteelGrade grade, double thickness) {
    if (basis == DesignBasis::Legacy) return {};
    const auto& bands = ValuesOf(grade).bands;
    for (const StrengthBand& band : bands)
        if (thickness <= band.upToThickness) return {band.f, band.fv};
    return {bands.back().f, bands.back().fv};
}

double EpsilonK(DesignBasis basis, SteelGrade grade) {
    if (basis == DesignBasis::Legacy) return 1.0;
    return std::sqrt(kReferenceYield / ValuesOf(grade).fy);
}

}  // namespace deckplate
