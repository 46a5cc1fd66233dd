#include "report/book_point_load_figures.h"

#include <cmath>

namespace deckplate::report::figures {
namespace {

// The plate under the point load: the dead load's part with the uniform check's α and β, the
// force's with the patch's coefficients kM and kδ, and their sums.
void PlateFormulas(FormulaSheet& f, Id dead, PointLoadFigures& out) {
    Substitution& s = f.s;
    const PointLoadCheck& p = *f.check.pointLoad;
    const PointLoadPlateResult& r = p.plate;
    const auto value = [&](double x, Figure& figure) { return f.Print(s.Value(x), figure); };
    const auto shown = [&](const ShownValue& x, Figure& figure) {
        return f.Print(s.Given(Shown(x)), figure);
    };
    const Id gammaQ = f.Given(p.factor), F = f.Given(p.load.force);
    const Id designForce = value(p.factor * p.load.force, out.designForce),
             kM = value(r.influence.moment, out.momentCoefficient),
             stressCoefficient = value(6 * r.influence.moment, out.stressCoefficient),
             kDelta = value(r.influence.deflection / (f.bay.spacing * f.bay.spacing),
                            out.deflectionCoefficient),
             momentDead = value(r.momentDead, out.momentDead),
             momentPoint = value(r.momentPoint, out.momentPoint),
             moment = value(r.moment, out.moment), stress = shown(r.shown.stress, out.stress),
             deflectionDead = value(r.deflectionDead, out.deflectionDead),
             deflectionPoint = value(r.deflectionPoint, out.deflectionPoint),
             deflection = shown(r.shown.deflection, out.deflection);
    s.Formula(designForce, {gammaQ, F}, Product);
    s.Formula(stressCoefficient, {kM}, [](Inputs v) { return 6 * v[0]; });
    s.Formula(momentDead, {f.alpha, f.gamma0, f.gammaG, dead, f.aMetres},
              [](Inputs v) { return v[0] * v[1] * v[2] * v[3] * v[4] * v[4]; });
    if (f.CurrentBasis())
        s.Formula(momentPoint, {f.gamma0, kM, gammaQ, F}, Product);
    else
        s.Formula(momentPoint, {kM, gammaQ, F}, Product);
    s.Formula(moment, {momentDead, momentPoint}, Sum);
    s.Formula(stress, {moment, f.gammaX, f.t}, PlateStressWorking);
    if (f.Envelope()) {
        s.Formula(deflectionDead, {f.rigidity, f.beta, dead, f.a, f.E, f.t}, [](Inputs v) {
            return v[0] * v[1] * v[2] * 1e-3 * std::pow(v[3], 4) / (v[4] * std::pow(v[5], 3));
        });
    } else {
        s.Formula(deflectionDead, {f.beta, dead, f.a, f.E, f.t}, PlateDeflectionWorking);
    }
    s.Formula(deflectionPoint, {kDelta, F, f.a, f.E, f.t}, [](Inputs v) {
        return v[0] * v[1] * 1e3 * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
    });
    s.Formula(deflection, {deflectionDead, deflectionPoint}, Sum);
}

// The stiffener carrying the whole force at midspan with its share of the dead load.
void StiffenerFormulas(FormulaSheet& f, const FromUniformLoad& uniform, StiffenerFigures& out) {
    Substitution& s = f.s;
    const PointLoadCheck& p = *f.check.pointLoad;
    const Id gammaQ = f.Given(p.factor), F = f.Given(p.load.force),
             kD = f.Given(f.check.loads.supportDead), dead = uniform.dead;
    const Id Ms = f.Print(s.Value(p.stiffener.Ms), out.Ms);
    s.Formula(Ms, {f.gamma0, f.gammaG, kD, dead, f.a, f.L, gammaQ, F}, [](Inputs v) {
        return v[0] *
               (v[1] * v[2] * v[3] * 1e-3 * v[4] * v[5] * v[5] / 8 + v[6] * v[7] * 1e3 * v[5] / 4);
    });
    FibreFormulas(f, Ms, uniform.Yo, uniform.Ix, p.stiffener.stressTop, p.stiffener.stressBottom,
                  out);
    out.stress = Shown(p.stiffener.shown.stress);
    const Id deflection = f.Print(s.Given(Shown(p.stiffener.shown.deflection)), out.deflection);
    s.Formula(deflection, {kD, dead, f.a, f.L, f.E, uniform.Ix, F}, [](Inputs v) {
        const double L3 = v[3] * v[3] * v[3];
        return 5 * v[0] * v[1] * 1e-3 * v[2] * L3 * v[3] / (384 * v[4] * v[5]) +
               v[6] * 1e3 * L3 / (48 * v[4] * v[5]);
    });
}

// The force standing at the support (current basis): the stiffener's shear on the uniform
// load's S, and the weld's under it on the uniform load's Sp.
void SupportFormulas(FormulaSheet& f, const FromUniformLoad& uniform, PointLoadFigures& out) {
    Substitution& s = f.s;
    const PointLoadCheck& p = *f.check.pointLoad;
    const Id gammaQ = f.Given(p.factor), F = f.Given(p.load.force),
             kD = f.Given(f.check.loads.supportDead);
    ShearFigures& shear = out.shear.emplace();
    const Id V = f.Print(s.Value(p.shear->force), shear.V);
    s.Formula(V, {f.gamma0, f.gammaG, kD, uniform.dead, f.aMetres, f.spanMetres, gammaQ, F},
              [](Inputs v) { return v[0] * (v[1] * v[2] * v[3] * v[4] * v[5] / 2 + v[6] * v[7]); });
    f.Print(ShearStress(f, *p.shear, V, *uniform.S, uniform.Ix, uniform.be), shear.tau);
    if (p.weld) {
        WeldFormulas(f, *p.weld, V, uniform.Ap, uniform.Yo, uniform.Ix, uniform.Sp,
                     out.weld.emplace());
    }
}

}  // namespace

void PointLoadFormulas(FormulaSheet& f, const FromUniformLoad& uniform, PointLoadFigures& figures) {
    PlateFormulas(f, uniform.dead, figures);
    StiffenerFormulas(f, uniform, figures.stiffener);
    if (f.check.pointLoad->shear && uniform.S) SupportFormulas(f, uniform, figures);
}

}  // namespace deckplate::report::figures
