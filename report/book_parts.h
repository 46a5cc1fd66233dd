#pragma once
// What the calculation book's sections share: the check they are written from, the symbols
// of their formulas and the way a verdict is set.

#include <string>
#include <string_view>

#include "calc/checks.h"
#include "calc/code_values.h"
#include "report/book_figures.h"
#include "report/book_numbers.h"
#include "report/calculation_book.h"

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
};

/// The context of a bay's sections: its check and figures. Throws ArithmeticError.
BookContext ContextOf(const BookInput& input, const BayCheck& check, std::string idPrefix = {});

/// The book's style sheet: screen and A4 print, each printed page headed by `header` (the
/// project's name) and numbered 第 N 页 共 M 页 at its foot.
std::string BookStyleSheet(std::string_view header);

/// <section id="…"><h2>title</h2>content</section>; `classes` for its style ("whole": never
/// broken across two pages).
std::string BookSection(const BookContext& book, std::string_view id, std::string_view title,
                        std::string_view content, std::string_view classes = {});

/// A formula on its own line, kept whole on one page; a long one goes on with its substitution
/// ("= 3240 + …") on a second line.
std::string FormulaBlock(std::string_view math, std::string_view continued = {});

/// The verdict sentence under a check, in the colour of its outcome.
std::string VerdictLine(bool exceeded, std::string_view text);

/// "扁钢 80x8" or "不等边角钢 L63x40x5", escaped.
std::string StiffenerTitle(const BookContext& book);

/// The kind of a stiffener, "扁钢" or "角钢".
std::string_view StiffenerKind(const BookContext& book);

/// "<" when the check passes, "≥" when it is exceeded: the relation the verdict judged.
std::string_view Relation(bool exceeded);

/// E = 2.06 × 10⁵ N/mm², the modulus the calculation takes.
Figure SteelModulus();

/// What the composite section's two fibres are checked with under a moment: the stiffener's
/// uniform check and its point-load check alike.
struct FibreStresses {
    const Figure& Ms;      ///< N·mm
    const Figure& top;     ///< N/mm²
    const Figure& bottom;  ///< N/mm²
    const Figure& shown;   ///< the larger as the window shows it
    double f;              ///< N/mm²
    bool exceeded;
};

/// σ₁ at the plate's top face and σ₂ at the stiffener's lower edge, each with its numbers, and
/// the larger against f.
std::string FibreStressFormulas(const BookContext& book, const FibreStresses& stresses);

/// σ = 6·M/(γx·t²) with its numbers, judged against f: M in kN·m per metre of plate, the
/// displayed stress and the verdict's outcome.
std::string PlateStressFormula(const Figure& moment, double thickness, const Figure& stress,
                               bool exceeded, double f);

/// τ = V·S/(Ix·w) with its numbers, judged against fv: the uniform load's shear and the point
/// load's alike.
std::string ShearStressFormula(const BookContext& book, const ShearCheck& shear,
                               const ShearFigures& figures);

/// "= δs mm < L/200 = … mm" and the note "L/δs = … > 200" of a stiffener's deflection verdict.
struct StiffenerDeflectionLines {
    std::string result;
    std::string ratio;
};
StiffenerDeflectionLines StiffenerDeflectionLimit(const Figure& deflection,
                                                  const DeflectionVerdict& verdict);

/// Symbols of the formulas, as MathML.
std::string GammaX(std::string_view subscript = "x");
std::string SubscriptedSymbol(std::string_view symbol, std::string_view subscript);

}  // namespace deckplate::report
