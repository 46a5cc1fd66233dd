#pragma once
// What the calculation book's sections share: the check they are written from, the symbols
// of their formulas and the way a verdict is set.

#include <string>
#include <string_view>

#include "calc/checks.h"
#include "calc/code_values.h"
#include "report/book_numbers.h"
#include "report/calculation_book.h"

namespace deckplate::report {

struct BookContext {
    const BookInput& input;
    const BayCheck& check;
    Utilisation utilisation;

    bool FlatBar() const { return std::holds_alternative<deckplate::FlatBar>(input.bay.stiffener); }
};

/// The book's style sheet: screen and A4 print.
std::string_view BookStyleSheet();
/// What a book with the point load adds to it.
std::string_view PointLoadStyleSheet();

/// <section id="…"><h2>title</h2>content</section>
std::string BookSection(std::string_view id, std::string_view title, std::string_view content);

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

/// A value the window shows in cm⁴, written in mm⁴: "108.76 × 10⁴".
Figure CentimetresToTheFourth(std::string_view displayText);

/// A load in kN/m² written in N/mm², the formulas' unit: × 10⁻³.
Figure PerSquareMillimetre(double kilonewtonsPerSquareMetre);

/// What the composite section's two fibres are checked with under a moment: the stiffener's
/// uniform check and its point-load check alike.
struct FibreStresses {
    double Ms;               ///< N·mm
    double top, bottom;      ///< N/mm²
    std::string_view shown;  ///< the larger as the window shows it
    double f;                ///< N/mm²
    bool exceeded;
};

/// σ₁ at the plate's top face and σ₂ at the stiffener's lower edge, each with its numbers, and
/// the larger against f.
std::string FibreStressFormulas(const BookContext& book, const FibreStresses& stresses);

/// σ = 6·M/(γx·t²) with its numbers, judged against f: M in kN·m per metre of plate, the
/// displayed stress and the verdict's outcome.
std::string PlateStressFormula(double moment, double thickness, std::string_view shownStress,
                               bool exceeded, double f);

/// "= δs mm < L/200 = … mm" and the note "L/δs = … > 200" of a stiffener's deflection verdict.
struct StiffenerDeflectionLines {
    std::string result;
    std::string ratio;
};
StiffenerDeflectionLines StiffenerDeflectionLimit(std::string_view shownDeflection,
                                                  const DeflectionVerdict& verdict);

/// Symbols of the formulas, as MathML.
std::string GammaX(std::string_view subscript = "x");
std::string SubscriptedSymbol(std::string_view symbol, std::string_view subscript);

}  // namespace deckplate::report
