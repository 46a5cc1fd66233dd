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

Id FormulaSheet::Print(Id id, Figure& figure) {
    printed.emplace_back(id, &figure);
    return id;
}

void FormulaSheet::Solve() {
    s.Solve();
    for (const auto& [id, figure] : printed) *figure = s[id];
}

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

void FibreFormulas(FormulaSheet& f, Id Ms, Id Yo, Id Ix, double top, double bottom,
                   StiffenerFigures& stiffener) {
    Substitution& s = f.s;
    const StiffenerResult& section = f.check.stiffener;
    const Id gammaTop = f.Given(section.topGamma), gammaBottom = f.Given(section.bottomGamma);
    const Id h = f.Given(section.depth);
    const Id topFibre = f.Print(s.Given(TwoDecimals(top)), stiffener.stressTop),
             bottomFibre = f.Print(s.Given(TwoDecimals(bottom)), stiffener.stressBottom);
    s.Formula(topFibre, {Ms, Yo, gammaTop, Ix},
              [](Inputs v) { return v[0] * v[1] / (v[2] * v[3]); });
    s.Formula(bottomFibre, {Ms, f.t, h, Yo, gammaBottom, Ix},
              [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) / (v[4] * v[5]); });
}

Id ShearStress(FormulaSheet& f, const ShearCheck& shear, Id V, Id S, Id Ix, Id be) {
    const Id tau = f.s.Given(Shown(shear.shown));
    const Id w = shear.cut == AxisCut::Plate ? be : f.Given(shear.width);
    f.s.Formula(tau, {V, S, Ix, w}, [](Inputs v) { return v[0] * 1e3 * v[1] / (v[2] * v[3]); });
    return tau;
}

Id WeldFormulas(FormulaSheet& f, const WeldCheck& weld, Id V, Id Ap, Id Yo, Id Ix,
                std::optional<Id> knownSp, WeldFigures& figures) {
    Substitution& s = f.s;
    const Id hf = f.Given(weld.size);
    const Id throat = f.Print(s.Value(weld.throat), figures.throat);
    s.Formula(throat, {f.Given(kFilletThroat), hf}, Product);
    Id Sp = 0;
    if (knownSp) {
        Sp = f.Print(*knownSp, figures.Sp);
    } else {
        Sp = f.Print(s.Value(weld.Sp), figures.Sp);
        s.Formula(Sp, {Ap, Yo, f.halfT}, [](Inputs v) { return std::fabs(v[0] * (v[1] - v[2])); });
    }
    const Id flow = f.Print(s.Value(weld.shearFlow), figures.v);
    s.Formula(flow, {V, Sp, Ix}, [](Inputs v) { return v[0] * 1e3 * v[1] / v[2]; });
    const Id tau = f.Print(s.Given(Shown(weld.shown)), figures.tau);
    const Id n = f.Given(weld.throats);
    if (weld.segments) {
        const Id lw = f.Print(s.Value(weld.effectiveLength), figures.lw.emplace());
        s.Formula(lw, {f.Given(weld.segments->length), hf},
                  [](Inputs v) { return v[0] - 2 * v[1]; });
        s.Formula(tau, {flow, f.Given(weld.segments->pitch), lw, n, throat},
                  [](Inputs v) { return v[0] * (v[1] / v[2]) / (v[3] * v[4]); });
    } else {
        s.Formula(tau, {flow, n, throat}, [](Inputs v) { return v[0] / (v[1] * v[2]); });
    }
    return Sp;
}

}  // namespace deckplate::report::figures
