#include "report/book_figure_sheet.h"

#include <cmath>

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "report/book_parts.h"

namespace deckplate::report::figures {
namespace {

// A result the window shows, and the verdict judges, at two decimals.
Figure TwoDecimals(double x) { return Fixed(RoundDecimals(x, 2), 2); }

}  // namespace

Id FormulaSheet::Given(double x) const { return s.Given(Exact(x)); }

FormulaSheet SheetOf(Substitution& s, const BayInput& bay, const BayCheck& check) {
    const DeckPlateResult& plate = check.plate;
    const auto given = [&](double x) { return s.Given(Exact(x)); };
    return {.s = s,
            .bay = bay,
            .check = check,
            .D = given(bay.dead),
            .P = given(bay.live),
            .gammaG = given(plate.factors.dead),
            .gammaQ = given(plate.factors.live),
            .gamma0 = given(check.loads.gamma0),
            .t = given(bay.thickness.mm),
            .a = given(bay.spacing),
            .L = given(bay.span),
            .aMetres = given(bay.spacing / 1000.0),
            .spanMetres = given(bay.span / 1000.0),
            .halfT = given(bay.thickness.mm / 2),
            .E = s.Given(SteelModulus()),
            .alpha = given(plate.alpha),
            .beta = given(plate.beta),
            .gammaX = given(kPlateGamma),
            .rigidity = given(kPlateRigidityFactor)};
}

double Sum(Inputs v) { return v[0] + v[1]; }

double Product(Inputs v) {
    double x = 1;
    for (const double factor : v) x *= factor;
    return x;
}

double PlateStressWorking(Inputs v) { return 6 * v[0] * 1e3 / (v[1] * v[2] * v[2]); }

double PlateDeflectionWorking(Inputs v) {
    return v[0] * v[1] * 1e-3 * v[2] * v[2] * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
}

Fibres FibreFormulas(const FormulaSheet& f, Id Ms, Id Yo, Id Ix, double top, double bottom) {
    Substitution& s = f.s;
    const StiffenerResult& section = f.check.stiffener;
    const Id gammaTop = f.Given(section.topGamma), gammaBottom = f.Given(section.bottomGamma);
    const Id h = f.Given(section.depth);
    const Fibres fibres{s.Given(TwoDecimals(top)), s.Given(TwoDecimals(bottom))};
    s.Formula(fibres.top, {Ms, Yo, gammaTop, Ix},
              [](Inputs v) { return v[0] * v[1] / (v[2] * v[3]); });
    s.Formula(fibres.bottom, {Ms, f.t, h, Yo, gammaBottom, Ix},
              [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) / (v[4] * v[5]); });
    return fibres;
}

Id ShearStress(const FormulaSheet& f, const ShearCheck& shear, Id V, Id S, Id Ix, Id be) {
    const Id tau = f.s.Given(Shown(shear.shown));
    const Id w = shear.cut == AxisCut::Plate ? be : f.Given(shear.width);
    f.s.Formula(tau, {V, S, Ix, w}, [](Inputs v) { return v[0] * 1e3 * v[1] / (v[2] * v[3]); });
    return tau;
}

WeldIds WeldFormulas(const FormulaSheet& f, const WeldCheck& weld, Id V, Id Ap, Id Yo, Id Ix,
                     std::optional<Id> knownSp) {
    Substitution& s = f.s;
    WeldIds ids{};
    const Id hf = f.Given(weld.size);
    ids.throat = s.Value(weld.throat);
    s.Formula(ids.throat, {f.Given(kFilletThroat), hf}, Product);
    if (knownSp) {
        ids.Sp = *knownSp;
    } else {
        ids.Sp = s.Value(weld.Sp);
        s.Formula(ids.Sp, {Ap, Yo, f.halfT},
                  [](Inputs v) { return std::fabs(v[0] * (v[1] - v[2])); });
    }
    ids.v = s.Value(weld.shearFlow);
    s.Formula(ids.v, {V, ids.Sp, Ix}, [](Inputs v) { return v[0] * 1e3 * v[1] / v[2]; });
    ids.tau = s.Given(Shown(weld.shown));
    const Id n = f.Given(weld.throats);
    if (weld.segments) {
        ids.lw = s.Value(weld.effectiveLength);
        s.Formula(*ids.lw, {f.Given(weld.segments->length), hf},
                  [](Inputs v) { return v[0] - 2 * v[1]; });
        s.Formula(ids.tau, {ids.v, f.Given(weld.segments->pitch), *ids.lw, n, ids.throat},
                  [](Inputs v) { return v[0] * (v[1] / v[2]) / (v[3] * v[4]); });
    } else {
        s.Formula(ids.tau, {ids.v, n, ids.throat}, [](Inputs v) { return v[0] / (v[1] * v[2]); });
    }
    return ids;
}

WeldFigures WeldFiguresOf(const Substitution& s, const WeldIds& ids) {
    return {.Sp = s[ids.Sp],
            .throat = s[ids.throat],
            .lw = ids.lw ? std::optional<Figure>(s[*ids.lw]) : std::nullopt,
            .v = s[ids.v],
            .tau = s[ids.tau]};
}

}  // namespace deckplate::report::figures
