#pragma once
// The numbers the calculation book puts into its formulas and gets out of them, other than the
// inputs and code values, which it writes as they stand. A result the window shows (a stress, a
// deflection) is written to the window's two decimals; every other value of the check is written
// to as many digits as the formulas it enters need, so that working any formula by hand from the
// numbers shown gives the result shown, to its last digit (substitution.h).

#include <optional>

#include "calc/bay_check.h"
#include "report/book_numbers.h"

namespace deckplate::report {

/// A stiffener's shear at the support, under the current basis.
struct ShearFigures {
    Figure V;    ///< kN
    Figure tau;  ///< N/mm², as the window shows it
};

/// The fillet weld between the plate and the stiffener under a support shear (current basis).
struct WeldFigures {
    Figure Sp;                 ///< the plate strip's first moment about Yo, mm³
    Figure throat;             ///< he = 0.7·hf, mm
    std::optional<Figure> lw;  ///< an intermittent weld's effective length l − 2·hf, mm
    Figure v;                  ///< the shear flow V·Sp/Ix, N/mm
    Figure tau;                ///< τf, N/mm², as the window shows it
};

/// A stiffener under its moment: the uniform load's and the point load's alike.
struct StiffenerFigures {
    Figure Ms;                       ///< N·mm
    Figure stressTop, stressBottom;  ///< N/mm²
    Figure stress;                   ///< the larger, N/mm², as the window shows it
    Figure deflection;               ///< mm, as the window shows it
};

/// The point-load case's numbers.
struct PointLoadFigures {
    Figure designForce;            ///< γQ·F, kN
    Figure momentCoefficient;      ///< k_M: the centre's moment per unit width and unit force
    Figure stressCoefficient;      ///< 6·k_M = σ·t²/W, the centre's stress per unit load
    Figure deflectionCoefficient;  ///< k_δ = w·E·t³/(F·a²)
    Figure momentDead, momentPoint, moment;  ///< kN·m per m
    Figure stress;                           ///< N/mm², as the window shows it
    Figure deflectionDead, deflectionPoint;  ///< mm
    Figure deflection;                       ///< mm, as the window shows it
    StiffenerFigures stiffener;              ///< carrying the whole force at midspan
    std::optional<ShearFigures> shear;       ///< under the current basis
    std::optional<WeldFigures> weld;         ///< under the current basis
};

/// The stiffener's values that only the current basis uses.
struct CurrentBasisFigures {
    Figure epsilonK;        ///< √(235/fy)
    Figure S;               ///< the first moment about the neutral axis, mm³
    ShearFigures shear;     ///< under the uniform load
    Figure ratio, limit;    ///< the outstand h/t or b/t, and 15·εk
    Figure compactWidth;    ///< 2·13·t·εk, the widest spacing whose plate outstand is S3, mm
    Figure liveDeflection;  ///< δQ, mm, as the window shows it
    WeldFigures weld;
};

struct BookFigures {
    /// The floor's self-weight w added to D: under the current basis, unless D includes it.
    std::optional<Figure> selfWeight;
    Figure dead;   ///< the dead load every check takes, D or D + w, kN/m²
    Figure q, qk;  ///< kN/m²
    /// One stiffener's design, standard and live load, kN/m²: under a continuous plate of the
    /// current basis the first interior support's share, otherwise q, qk and P.
    Figure stiffenerDesign, stiffenerStandard, stiffenerLive;
    Figure moment;               ///< M, kN·m per m
    Figure stress;               ///< σ, N/mm², as the window shows it
    Figure deflection;           ///< δ, mm, as the window shows it
    Figure be;                   ///< the plate strip's width, mm
    Figure Ap, Ip;               ///< the plate strip: mm², mm⁴
    Figure As, Is, ys;           ///< the stiffener: mm², mm⁴, mm below the plate's top face
    Figure Yo, Ix;               ///< the composite section: mm, mm⁴ (as × 10⁴)
    StiffenerFigures stiffener;  ///< under its design load
    std::optional<PointLoadFigures> pointLoad;
    std::optional<CurrentBasisFigures> current;
};

/// The figures of a checked bay, each with the digits its formulas need.
BookFigures FiguresOf(const BayInput& bay, const BayCheck& check);

}  // namespace deckplate::report
