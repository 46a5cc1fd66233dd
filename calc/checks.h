#pragma once
// The checks of a bay as one table. A check is a value of `Check`; its row says what it is (its
// key, its Chinese name, the member it judges, its load case, what it measures) and how its value,
// limit, utilisation and verdict are read from a finished BayCheck, and whether the bay has it at
// all (the point load's checks only with a point load). Every output — the window's verdicts,
// the report and the book, `check`, `batch`, `design` and 自动选型 — iterates this table, so a
// new check is a row here and its arithmetic.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/bay_check.h"
#include "calc/check_id.h"
#include "calc/number_text.h"

namespace deckplate {

enum class Member { Plate, Stiffener, Weld };
enum class LoadCase { Uniform, PointLoad };
/// What a check judges, and so its unit: a stress in N/mm², a deflection in mm, a ratio of two
/// lengths, a length of the detailing in mm.
enum class Measure { Stress, Deflection, Ratio, Length };

/// A check's verdict as every output reads it.
struct CheckOutcome {
    bool exceeded = false;
    std::string_view text;  ///< the window's sentence, "钢铺板强度满足要求"
};

/// A symbol as the formulas write it: a letter and its subscript ("σ", "s" for σs), and a
/// superscript where it has one.
struct Symbol {
    std::string_view letter;
    std::string_view subscript{};
    std::string_view superscript{};
};

/// The symbol as plain text: "σs", "h/t".
std::string SymbolText(const Symbol& symbol);

/// How a check's limit is formed, typed, so that each output sets it in its own way.
struct LimitRule {
    enum class Form {
        Strength,          ///< the symbol itself: f, fv, a detailing rule's hf,min
        LengthOver,        ///< the symbol (a length) over `ratio`: a/150, L/200
        CappedLengthOver,  ///< min(symbol/ratio, cap mm): min(a/200, 4)
        TimesEpsilonK,     ///< `ratio`·εk: 15εk
    };
    Form form;
    Symbol symbol{};
    double ratio = 0;
    double cap = 0;  ///< mm
};

/// The rule as plain text: "f", "fv", "a/150", "min(a/200, 4)", "15εk".
std::string LimitRuleText(const LimitRule& rule);

struct CheckRow {
    Check id;
    /// One key in every output: "plate_strength", "point_load_stiffener_deflection".
    std::string_view key;
    /// The engineers' words: "铺板强度", "加劲肋集中荷载挠度".
    std::string_view name;
    Member member;
    LoadCase loadCase;
    /// What of the member it judges, as the member's outputs key it: "strength", "deflection",
    /// "shear", "outstand".
    std::string_view aspect;
    Measure measure;
    bool currentBasisOnly;  ///< a check the legacy basis does not make
    /// Of the value judged: σ, δ, σs, δs, τ, and a flat bar's h/t or an angle's b/t.
    Symbol (*symbol)(const BayCheck& check);
    /// The value judged, as the verdict judges it (a stress as displayed), in the measure's unit.
    double (*value)(const BayCheck& check);
    /// The value as the window shows it in its result box.
    ShownValue (*shown)(const BayCheck& check);
    /// The limit the value is judged against, in the same unit.
    double (*limit)(const BayCheck& check);
    /// How the limit is formed: f, a/150, min(a/200, 4), L/200, L/250, fv, 15εk.
    LimitRule (*limitRule)(const BayCheck& check);
    /// How much of the limit is used; 1 or more fails.
    double (*utilisation)(const BayCheck& check);
    CheckOutcome (*verdict)(const BayCheck& check);
    /// Its value's line in the window's text report, up to the value: "钢铺板最大挠度(mm)： δ=";
    /// empty for a check with no value of its own, whose verdict alone is printed.
    std::string_view reportLabel;
    /// A deflection's span over it, unrounded (L/δs), for the checks judged on that ratio.
    double (*spanRatio)(const BayCheck& check) = nullptr;
    /// A shear check's force at the support, kN.
    double (*force)(const BayCheck& check) = nullptr;
};

/// Every check, row i describing Check(i), in the order outputs list them.
std::span<const CheckRow> Checks();
const CheckRow& RowOf(Check check);

/// Which checks a bay has, or a run's bays may have: the point load's checks only with a point
/// load, the live-load deflection, shear, outstand and weld checks only under the current basis.
struct CheckScope {
    bool pointLoad = false;
    bool currentBasis = false;
};
CheckScope ScopeOf(const BayCheck& check);
bool InScope(const CheckRow& row, const CheckScope& scope);

/// How much of each limit a bay uses, for the checks the bay has: 1 or more fails. Strengths are
/// the displayed stress over the part's strength limit f; deflections the limit ratio over the
/// actual (150 / (a/δ), 200 / (L/δs)), or under the point load the plate's δ over its limit in mm.
class Utilisation {
  public:
    Utilisation() = default;
    /// The given checks' utilisations, the others' none.
    Utilisation(std::initializer_list<std::pair<Check, double>> values) {
        for (const auto& [check, value] : values) values_[Index(check)] = value;
    }

    /// Whether the bay has the check.
    bool Has(Check check) const { return values_[Index(check)].has_value(); }
    /// The check's utilisation; 0 for a check the bay does not have.
    double operator[](Check check) const { return values_[Index(check)].value_or(0.0); }
    /// The largest of them.
    double Governing() const;
    /// The check with the largest, the first in the table's order on a tie.
    Check GoverningCheck() const;

  private:
    friend Utilisation Utilisations(const BayCheck& check);
    static std::size_t Index(Check check) { return static_cast<std::size_t>(check); }
    std::array<std::optional<double>, kCheckCount> values_{};
};

/// Throws ArithmeticError naming the ratio when a deflection of 0 leaves it undefined.
Utilisation Utilisations(const BayCheck& check);

}  // namespace deckplate
