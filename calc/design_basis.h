#pragma once
// The design basis: which load code's partial factors, which strength limit and which square-panel
// deflection coefficient a check uses. Everything else is the same under both.
//
//   Legacy  (the rule the program has always used): q = 1.2·D + 1.4·P after GB 50009-2012,
//           f = 215 N/mm² for every part, β = 0.0433 for a square panel.
//   Current: q = 1.3·D + 1.5·P after GB 55001-2021 (γQ = 1.4 for a live load above 4 kN/m², a
//           work platform counting as an industrial floor), f and fv of the bay's steel grade by
//           the part's thickness after GB 50017-2017 (steel_grade.h), β = 0.0443 for a square
//           panel (the elastic value, ν = 0.3), and the stiffener's shear and outstand checks.

#include <string>
#include <string_view>

#include "calc/code_values.h"

namespace deckplate {

enum class DesignBasis { Legacy, Current };

/// The structure's safety class (GB 55001-2021 §3.1.12): 一级, 二级 (ordinary steel structures),
/// 三级. It gives the structural importance factor γ0 of the current basis.
enum class SafetyClass { First, Second, Third };

/// γ0 of a safety class under the current basis: 1.1, 1.0, 0.9 (GB 55001-2021 Table 3.1.12);
/// 1 under the legacy basis, whose loads never took it.
double ImportanceFactor(DesignBasis basis, SafetyClass safetyClass);

/// γ0 of a safety class as the code's table writes it: "1.1", "1.0", "0.9".
std::string_view ImportanceFactorText(SafetyClass safetyClass);
/// "一级", "二级", "三级".
std::string_view SafetyClassNameZh(SafetyClass safetyClass);
/// 1, 2, 3: the class as the command line and files number it.
int SafetyClassNumber(SafetyClass safetyClass);

/// "legacy" or "current", as the command line and its outputs write it.
std::string_view BasisName(DesignBasis basis);
/// "原规范" or "现行规范", for the window's words ("平台钢铺板计算 — 现行规范").
std::string_view BasisNameZh(DesignBasis basis);
/// The code the load factors come from: "GB 50009-2012" or "GB 55001-2021".
std::string_view LoadCode(DesignBasis basis);
/// What every output of the legacy basis says of it: a re-check of an earlier calculation under
/// load factors superseded for new designs.
std::string_view LegacyBasisNoteZh();

/// The partial factors of one bay's design load q = γQ·P + γG·D.
struct LoadFactors {
    double dead = kLegacyDeadFactor;  ///< γG
    double live = kLegacyLiveFactor;  ///< γQ
    /// Current basis only: γQ is 1.4 instead of 1.5 because the live load exceeds 4 kN/m².
    bool heavyIndustrialFloor = false;
};

/// The factors of `basis` for a live load `live` in kN/m².
LoadFactors DesignLoadFactors(DesignBasis basis, double live);

/// "1.3×恒+1.5×活（GB 55001-2021）": the combination as the report and the window state it.
std::string LoadCombinationText(DesignBasis basis, const LoadFactors& factors);

}  // namespace deckplate
