#include "report/book_point_load_figures.h"

#include <cmath>

namespace deckplate::report::figures {
namespace {

// The plate under the point load: the dead load's part with the uniform check's α and β, the
// force's with the patch's coefficients kM and kδ, and their sums.
PointLoadPlateIds PlateFormulas(const FormulaSheet& f, Id dead) {
    Substitution& s = f.s;
    const PointLoadCheck& p = *f.check.pointLoad;
    const PointLoadPlateResult& r = p.plate;
    const Id gammaQ = f.Given(p.factor), F = f.Given(p.load.force);
    const PointLoadPlateIds ids{
        .designForce = s.Value(p.factor * p.load.force),
        .kM = s.Value(r.influence.moment),
        .stressCoefficient = s.Value(6 * r.influence.moment),
        .kDelta = s.Value(r.influence.deflection / (f.bay.spacing * f.bay.spacing)),
        .momentDead = s.Value(r.momentDead),
        .momentPoint = s.Value(r.momentPoint),
        .moment = s.Value(r.moment),
        .stress = s.Given(Shown(r.shown.stress)),
        .deflectionDead = s.Value(r.deflectionDead),
        .deflectionPoint = s.Value(r.deflectionPoint),
        .deflection = s.Given(Shown(r.shown.deflection))};
    s.Formula(ids.designForce, {gammaQ, F}, Product);
    s.Formula(ids.stressCoefficient, {ids.kM}, [](Inputs v) { return 6 * v[0]; });
    s.Formula(ids.momentDead, {f.alpha, f.gamma0, f.gammaG, dead, f.aMetres},
              [](Inputs v) { return v[0] * v[1] * v[2] * v[3] * v[4] * v[4]; });
    if (f.CurrentBasis())
        s.Formula(ids.momentPoint, {f.gamma0, ids.kM, gammaQ, F}, Product);
    else
        s.Formula(ids.momentPoint, {ids.kM, gammaQ, F}, Product);
    s.Formula(ids.moment, {ids.momentDead, ids.momentPoint}, Sum);
    s.Formula(ids.stress, {ids.moment, f.gammaX, f.t}, PlateStressWorking);
    if (f.Envelope()) {
        s.Formula(ids.deflectionDead, {f.rigidity, f.beta, dead, f.a, f.E, f.t}, [](Inputs v) {
            return v[0] * v[1] * v[2] * 1e-3 * std::pow(v[3], 4) / (v[4] * std::pow(v[5], 3));
        });
    } else {
        s.Formula(ids.deflectionDead, {f.beta, dead, f.a, f.E, f.t}, PlateDeflectionWorking);
    }
    s.Formula(ids.deflectionPoint, {ids.kDelta, F, f.a, f.E, f.t}, [](Inputs v) {
        return v[0] * v[1] * 1e3 * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
    });
    s.Formula(ids.deflection, {ids.deflectionDead, ids.deflectionPoint}, Sum);
    return ids;
}

// The stiffener carrying the whole force at midspan with its share of the dead load, and under
// the current basis the force standing at the support: its shear and the weld's.
PointLoadStiffenerIds StiffenerFormulas(const FormulaSheet& f, const FromUniformLoad& uniform) {
    Substitution& s = f.s;
    const PointLoadCheck& p = *f.check.pointLoad;
    const Id gammaQ = f.Given(p.factor), F = f.Given(p.load.force),
             kD = f.Given(f.check.loads.supportDead), dead = uniform.dead;
    PointLoadStiffenerIds ids{.Ms = s.Value(p.stiffener.Ms),
                              .fibres = {},
                              .deflection = s.Given(Shown(p.stiffener.shown.deflection)),
                              .V = std::nullopt,
                              .tau = std::nullopt,
                              .weld = std::nullopt};
    s.Formula(ids.Ms, {f.gamma0, f.gammaG, kD, dead, f.a, f.L, gammaQ, F}, [](Inputs v) {
        return v[0] *
               (v[1] * v[2] * v[3] * 1e-3 * v[4] * v[5] * v[5] / 8 + v[6] * v[7] * 1e3 * v[5] / 4);
    });
    ids.fibres = FibreFormulas(f, ids.Ms, uniform.Yo, uniform.Ix, p.stiffener.stressTop,
                               p.stiffener.stressBottom);
    s.Formula(ids.deflection, {kD, dead, f.a, f.L, f.E, uniform.Ix, F}, [](Inputs v) {
        const double L3 = v[3] * v[3] * v[3];
        return 5 * v[0] * v[1] * 1e-3 * v[2] * L3 * v[3] / (384 * v[4] * v[5]) +
               v[6] * 1e3 * L3 / (48 * v[4] * v[5]);
    });
    if (!p.shear || !uniform.S) return ids;
    ids.V = s.Value(p.shear->force);
    s.Formula(*ids.V, {f.gamma0, f.gammaG, kD, dead, f.aMetres, f.spanMetres, gammaQ, F},
              [](Inputs v) { return v[0] * (v[1] * v[2] * v[3] * v[4] * v[5] / 2 + v[6] * v[7]); });
    ids.tau = ShearStress(f, *p.shear, *ids.V, *uniform.S, uniform.Ix, uniform.be);
    if (p.weld) {
        ids.weld = WeldFormulas(f, *p.weld, *ids.V, uniform.Ap, uniform.Yo, uniform.Ix, uniform.Sp);
    }
    return ids;
}

}  // namespace

PointLoadIds PointLoadFormulas(const FormulaSheet& f, const FromUniformLoad& uniform) {
    const PointLoadPlateIds plate = PlateFormulas(f, uniform.dead);
    return {.plate = plate, .stiffener = StiffenerFormulas(f, uniform)};
}

PointLoadFigures PointLoadFiguresOf(const Substitution& s, const PointLoadIds& ids,
                                    const PointLoadCheck& p) {
    const PointLoadPlateIds& plate = ids.plate;
    const PointLoadStiffenerIds& stiffener = ids.stiffener;
    return {
        .designForce = s[plate.designForce],
        .momentCoefficient = s[plate.kM],
        .stressCoefficient = s[plate.stressCoefficient],
        .deflectionCoefficient = s[plate.kDelta],
        .momentDead = s[plate.momentDead],
        .momentPoint = s[plate.momentPoint],
        .moment = s[plate.moment],
        .stress = s[plate.stress],
        .deflectionDead = s[plate.deflectionDead],
        .deflectionPoint = s[plate.deflectionPoint],
        .deflection = s[plate.deflection],
        .Ms = s[stiffener.Ms],
        .stressTop = s[stiffener.fibres.top],
        .stressBottom = s[stiffener.fibres.bottom],
        .stiffenerStress = Shown(p.stiffener.shown.stress),
        .stiffenerDeflection = s[stiffener.deflection],
        .shear = stiffener.V ? std::optional(ShearFigures{s[*stiffener.V], s[*stiffener.tau]})
                             : std::nullopt,
        .weld = stiffener.weld ? std::optional(WeldFiguresOf(s, *stiffener.weld)) : std::nullopt};
}

}  // namespace deckplate::report::figures
