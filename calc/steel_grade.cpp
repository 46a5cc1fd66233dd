#include "calc/steel_grade.h"

#include <cctype>
#include <cmath>
#include <string>

#include "calc/number_text.h"

namespace deckplate {

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

std::optional<SteelGrade> ReadGrade(std::string_view text, bool* wasQ345) {
    std::string name;
    for (const char c : Trimmed(text))
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name == "Q345") {
        if (wasQ345) *wasQ345 = true;
        return SteelGrade::Q355;
    }
    return FindGrade(name);
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
