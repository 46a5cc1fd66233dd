#pragma once
// What the formulas behind the book's figures (book_figures.h) are set down with, and the
// formulas that the uniform load's checks and the point load's set down alike. Each part of the
// book sets its formulas down on one sheet, in the order the book works them (the solving gives
// a digit where a formula first needs one), and names the figure each value is printed as; once
// solved, the sheet writes every figure.
//
// A working multiplies the figures shown in the order the book writes them. calc's formula
// functions take a in mm and group the factors their own way, which may differ in the last bit,
// and where a result stands on a half of its last digit that bit decides whether an input is
// shown with a digit more (one bay in some 40,000 took a digit more when the plate's workings
// were calc's); only calc's self-weight, which works the same operations, is taken as it is.

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "calc/bay_check.h"
#include "report/book_figures.h"
#include "report/substitution.h"

namespace deckplate::report::figures {

using Id = Substitution::Id;
using Inputs = std::span<const double>;

/// The substitution a bay's formulas go into, the bay and its check, the numbers the formulas
/// take as they stand (its inputs, load factors and coefficients), and the figures printed.
struct FormulaSheet {
    Substitution& s;
    const BayInput& bay;
    const BayCheck& check;
    Id D, P, gammaG, gammaQ, gamma0;
    Id t, a, L, aMetres, spanMetres, halfT;  ///< mm, and a and L in m
    Id E, alpha, beta, gammaX, rigidity;     ///< rigidity: the plate strip's 10.92
    /// Each figure the book prints, with the value it is written from.
    std::vector<std::pair<Id, Figure*>> printed{};

    /// An input or a code value as it stands.
    Id Given(double x) const;
    /// `id` is printed as `figure` once solved; gives `id` back.
    Id Print(Id id, Figure& figure);
    /// Solves the digits and writes every figure printed.
    void Solve();

    bool CurrentBasis() const { return bay.basis == DesignBasis::Current; }
    /// Whether the plate takes the continuous envelope's coefficients (current basis).
    bool Envelope() const {
        return check.plate.coefficients.source == CoefficientSource::ContinuousEnvelope;
    }
};
FormulaSheet SheetOf(Substitution& s, const BayInput& bay, const BayCheck& check);

/// v₀ + v₁, and the product of every input.
double Sum(Inputs v);
double Product(Inputs v);

/// A plate's stress from its moment per metre, 6·M·10³ / (γx·t²) of {M, γx, t}, and its
/// deflection β·q·10⁻³·a⁴ / (E·t³) of {β, q, a, E, t}: the uniform load's and the point load's.
double PlateStressWorking(Inputs v);
double PlateDeflectionWorking(Inputs v);

/// The two fibres of the composite section under Ms: Ms·Yo / (γ·Ix) and Ms·(t + h − Yo) / (γ·Ix),
/// each as the window shows it (`top`, `bottom` in N/mm²), printed as `stiffener`'s.
void FibreFormulas(FormulaSheet& f, Id Ms, Id Yo, Id Ix, double top, double bottom,
                   StiffenerFigures& stiffener);

/// τ = V·10³·S / (Ix·w), shown as the window shows it; w is be where the axis cuts the plate.
Id ShearStress(FormulaSheet& f, const ShearCheck& shear, Id V, Id S, Id Ix, Id be);

/// The weld's shear flow and τf under a support shear V: Sp = Ap·|Yo − t/2|, v = V·10³·Sp/Ix,
/// an intermittent weld's lw = l − 2·hf, and τf = v·(s/lw)/(n·he), as calc/weld.h forms them,
/// printed as `figures`. With `knownSp`, Sp is the one already worked. Gives Sp.
Id WeldFormulas(FormulaSheet& f, const WeldCheck& weld, Id V, Id Ap, Id Yo, Id Ix,
                std::optional<Id> knownSp, WeldFigures& figures);

}  // namespace deckplate::report::figures
