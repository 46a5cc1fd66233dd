#pragma once
// The structural steel of a bay's plate and stiffeners. The legacy basis knows only Q235 and one
// strength, 215 N/mm², for every part; the current basis takes the grade's design strengths by
// the thickness of the part (GB 50017-2017 Table 4.4.1) and its εk = √(235 / fy), which scales
// the plate strip that works with a stiffener and the outstand limit of its flange.

#include <optional>
#include <span>
#include <string_view>

#include "calc/code_values.h"
#include "calc/design_basis.h"

namespace deckplate {

enum class SteelGrade { Q235, Q355, Q390, Q420, Q460 };

/// Every grade in the order the menu lists them, row i describing SteelGrade(i).
std::span<const SteelGradeValues> SteelGrades();
const SteelGradeValues& ValuesOf(SteelGrade grade);
/// "Q235" … "Q460".
std::string_view GradeName(SteelGrade grade);
/// The grade of a name exactly as GradeName writes it.
std::optional<SteelGrade> FindGrade(std::string_view name);
/// The grade of a name as a user types it: without blanks around it and without regard to case
/// ("q355 " is Q355). Q345, the grade's name before GB/T 1591-2018, is taken as Q355.
std::optional<SteelGrade> ReadGrade(std::string_view text);

/// A grade as drawings write it: the grade, and after it its delivery state (GB/T 1591-2018: N
/// normalised, M thermo-mechanically rolled, none as rolled) and quality letter: Q235B, Q355C,
/// Q355ND. The suffix tells the toughness of the steel; the design strengths are the grade's.
/// A grade's delivery state and quality letter as drawings give them ("ND" of Q355ND): each a
/// letter, or 0 where none is given.
struct SteelMark {
    char delivery = 0;  ///< 'N', 'M'
    char quality = 0;   ///< 'A' to 'F'

    /// "ND", "B", or empty.
    std::string Text() const;
    friend bool operator==(const SteelMark&, const SteelMark&) = default;
};
struct SteelDesignation {
    SteelGrade grade = SteelGrade::Q235;
    SteelMark mark{};
    /// Given as Q345, the grade's name before GB/T 1591-2018, and read as Q355: worth a note.
    bool formerName = false;
};
/// A designation as a user types it, in either case, blanks around it aside: the grade (Q345 is
/// taken as Q355, `formerName` saying so), then for Q235 a quality letter A to D, for the grades
/// of GB/T 1591 an optional N or M and a quality letter B to F. None for anything else.
std::optional<SteelDesignation> ReadSteelDesignation(std::string_view text);
/// "Q355ND".
std::string DesignationName(SteelGrade grade, const SteelMark& mark);

/// A part's design strengths, N/mm²: f, and fv (0 under the legacy basis, which has no shear
/// check).
struct PartStrength {
    double f = kStressLimit;
    double fv = 0;
};

/// The strengths of a part `thickness` mm thick of `grade` under `basis`: 215 for every part under
/// the legacy basis; under the current basis the band of Table 4.4.1 the thickness falls in (a
/// thicker part than the last band keeps that band's).
PartStrength StrengthOf(DesignBasis basis, SteelGrade grade, double thickness);

/// εk = √(235 / fy) under the current basis; 1 under the legacy basis, whose rules are Q235's.
double EpsilonK(DesignBasis basis, SteelGrade grade);

}  // namespace deckplate
