#pragma once
// What the calculation book's sections share: the check they are written from, the blocks of
// the document model they are made of (book_sections.h), the symbols of their formulas and the
// way a verdict is set.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/checks.h"
#include "calc/code_values.h"
#include "report/book_figures.h"
#include "report/book_numbers.h"
#include "report/calculation_book.h"
#include "report/document.h"
#include "report/html_text.h"
#include "report/math_tree.h"

namespace deckplate::report {

/// One bay as its sections are written: its input, its check and the figures of its formulas.
struct BookContext {
    const BookInput& input;
    const BayCheck& check;
    Utilisation utilisation;
    BookFigures figures;
    /// Before each section's id: empty in a bay's own book, "bay-3-" for a schedule's third bay,
    /// so that every id of one document is its own.
    std::string idPrefix{};

    bool FlatBar() const { return std::holds_alternative<deckplate::FlatBar>(input.bay.stiffener); }
    bool CurrentBasis() const { return input.bay.basis == DesignBasis::Current; }
    /// Whether a stiffener carries the first interior support's share of a continuous plate
    /// rather than one spacing.
    bool SupportShare() const {
        return check.loads.supportDead != 1 || check.loads.supportLive != 1;
    }
};

/// The context of a bay's sections: its check and figures. Throws ArithmeticError.
BookContext ContextOf(const BookInput& input, const BayCheck& check, std::string idPrefix = {});

using Blocks = std::vector<doc::Block>;

// ---- Lines of text: words, subscripts and formulas in one call ----

void AddTo(doc::Runs& runs, std::string_view text);
void AddTo(doc::Runs& runs, doc::TextRun run);
void AddTo(doc::Runs& runs, doc::FormulaRun run);
void AddTo(doc::Runs& runs, const doc::Runs& more);
inline void AddTo(doc::Runs& runs, const std::string& text) { AddTo(runs, std::string_view(text)); }
inline void AddTo(doc::Runs& runs, const char* text) { AddTo(runs, std::string_view(text)); }

/// The parts as one line: texts become words (joined with the words before them), subscripts
/// and formulas stay as they are: Line("q", Sub("k"), " 用于挠度验算").
template <class... Parts>
doc::Runs Line(const Parts&... parts) {
    doc::Runs runs;
    (AddTo(runs, parts), ...);
    return runs;
}

/// A subscripted letter in a line of text: Subscripted("b", "e") is bₑ.
doc::Runs Subscripted(std::string_view letter, std::string_view subscript);

// ---- Blocks ----

doc::Block Body(doc::Runs runs);
/// Smaller and grey: units, remarks.
doc::Block Note(doc::Runs runs);
/// A formula on its own line; a long one goes on with its substitution on a second line.
doc::Block Formula(math::Expr formula, std::optional<math::Expr> continued = std::nullopt);
/// A section's heading, "4 钢铺板验算", with its id.
doc::Block SectionHeading(const BookContext& book, std::string_view id, std::string_view title);
/// A subsection's heading, "强度".
doc::Block SubHeading(std::string_view title);
/// Appends `more` to `blocks`.
void Append(Blocks& blocks, Blocks more);

/// A table's heading cell and plain cells.
doc::Cell HeadCell(doc::Runs runs);
doc::Cell PlainCell(doc::Runs runs, int span = 1);

// ---- Words and verdicts ----

/// The book's name of a check, one term throughout: "钢铺板强度", "加劲肋挠度".
std::string BookCheckName(const CheckRow& check);

/// A check's value and its limit as the book prints them side by side: the value as the window
/// shows it and the limit as it stands, each with more digits where the shown ones would print
/// two equal numbers with "<" between them.
struct PrintedComparison {
    Figure value;
    Figure limit;
};
PrintedComparison Compared(const CheckRow& check, const BayCheck& c);

/// The check's symbol in a line of text: σ, σₛ.
doc::Runs SymbolRuns(const Symbol& symbol);
/// The rule of its limit in a line of text: f, a/150, min(a/250, 4), 15εₖ.
doc::Runs RuleRuns(const LimitRule& rule);
/// " N/mm²", " mm", or nothing for a ratio.
std::string_view UnitOf(Measure measure);

/// The verdict under a check's working, as print words it: "钢铺板强度：σ = 27.61 N/mm² <
/// f = 215 N/mm²，满足要求", or with ★ "…，超出限值，须修改设计".
doc::Block VerdictOf(const BookContext& book, Check check);

/// "扁钢 80x8" or "不等边角钢 L63x40x5".
std::string StiffenerTitle(const BookContext& book);

/// The kind of a stiffener, "扁钢" or "角钢".
std::string_view StiffenerKind(const BookContext& book);

/// "<" when the check passes, "≥" when it is exceeded: the relation the verdict judged.
std::string_view Relation(bool exceeded);
/// The relation a check's verdict line prints between its value and its limit: Relation's, but
/// for a rule of detailing "≥" kept, "<" broken, and ">" for a gap too wide.
std::string_view RelationOf(const CheckRow& check, const BayCheck& c);

/// E = 2.06 × 10⁵ N/mm², the modulus the calculation takes.
Figure SteelModulus();

/// A moment in N·mm as kN·m with the same digits: 2.565 × 10⁶ N·mm is 2.565 kN·m, never a
/// rounded 2.56 that reads as an error beside it.
Figure KilonewtonMetres(const Figure& newtonMillimetres);

/// "= 2.565 × 10⁶ N·mm = 2.565 kN·m": a stiffener's moment at the end of its formula, in both
/// units with the same digits.
math::Expr StiffenerMomentResult(const Figure& newtonMillimetres);

/// σ₁ at the plate's top face and σ₂ at the stiffener's lower edge under the stiffener's moment,
/// each with its numbers, and the larger against f (N/mm²): the stiffener's uniform check and its
/// point-load check alike, `exceeded` the verdict's outcome.
Blocks FibreStressFormulas(const BookContext& book, const StiffenerFigures& stiffener, double f,
                           bool exceeded);

/// σ = 6·M/(γx·t²) with its numbers, judged against f: M in kN·m per metre of plate, the
/// displayed stress and the verdict's outcome.
math::Expr PlateStressFormula(const Figure& moment, double thickness, const Figure& stress,
                              bool exceeded, double f);

/// τ = V·S/(Ix·w) with its numbers, judged against fv: the uniform load's shear and the point
/// load's alike.
doc::Block ShearStressFormula(const BookContext& book, const ShearCheck& shear,
                              const ShearFigures& figures);

/// v = V·Sp/Ix and τf with their numbers under the support shear `force` (kN), judged against
/// f_f^w: the uniform load's weld and the point load's alike.
Blocks WeldStressFormulas(const BookContext& book, const WeldCheck& weld, const WeldFigures& w,
                          const Figure& force);

/// "= δs mm < L/200 = … mm" and the note "L/δs = … > 200" of a stiffener's deflection verdict.
struct StiffenerDeflectionLines {
    math::Expr result;
    doc::FormulaRun ratio;
};
StiffenerDeflectionLines StiffenerDeflectionLimit(const Figure& deflection,
                                                  const DeflectionVerdict& verdict);

/// The dead load every check takes as the formulas write it: D, or G_k = D + w when the floor's
/// self-weight is added to it.
math::Expr DeadSymbol(const BookContext& book);
/// The same in a line of text.
doc::Runs DeadSymbolWords(const BookContext& book);

/// One stiffener's design, standard and live load as its formulas write them: q, q_k and P, or
/// q_s, q_sk and q_sQ when it carries the first interior support's share.
struct StiffenerLoadSymbols {
    math::Expr design, standard, live;
};
StiffenerLoadSymbols StiffenerLoadsOf(const BookContext& book);

/// The numbers of the sections that not every book has: 焊缝验算 (current basis), 集中荷载验算
/// (with a point load), and 结论 after them.
int WeldSectionNumber(const BookContext& book);
int PointLoadSectionNumber(const BookContext& book);
int ConclusionSectionNumber(const BookContext& book);

/// Symbols of the formulas.
math::Expr GammaX(std::string_view subscript = "x");
math::Expr SubscriptedSymbol(std::string_view symbol, std::string_view subscript);

}  // namespace deckplate::report
