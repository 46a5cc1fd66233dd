#include "report/book_figures.h"

#include "calc/code_values.h"
#include "calc/number_text.h"
#include "report/book_parts.h"
#include "report/substitution.h"

namespace deckplate::report {
namespace {

using Id = Substitution::Id;
using Inputs = std::span<const double>;

// A result the window shows, and the verdict judges, at two decimals.
Figure TwoDecimals(double x) { return Fixed(RoundDecimals(x, 2), 2); }

// A moment of inertia written as the window's cm⁴ are, times 10⁴ mm⁴: 108.76 × 10⁴.
Figure TenThousands(double mm4, int moreDigits) {
    return Scaled(Fixed(mm4 / 1e4, 2 + moreDigits), 4);
}

// A plate's stress from its moment per metre, 6·M·10³ / (γx·t²), and its deflection
// β·q·10⁻³·a⁴ / (E·t³): the uniform load's and the point load's alike.
double PlateStress(Inputs v) { return 6 * v[0] * 1e3 / (v[1] * v[2] * v[2]); }
double PlateDeflection(Inputs v) {
    return v[0] * v[1] * 1e-3 * v[2] * v[2] * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
}

// The two fibres of the composite section under Ms: Ms·Yo / (γ·Ix) and Ms·(t + h − Yo) / (γ·Ix).
struct Fibres {
    Id top, bottom;
};
Fibres FibreFormulas(Substitution& s, Id Ms, Id Yo, Id Ix, double top, double bottom,
                     const BayInput& bay, const StiffenerResult& section) {
    const Id gammaTop = s.Given(Exact(kTopFaceGamma)),
             gammaBottom = s.Given(Exact(section.bottomGamma));
    const Id t = s.Given(Exact(bay.thickness.mm)), h = s.Given(Exact(section.depth));
    const Fibres fibres{s.Given(TwoDecimals(top)), s.Given(TwoDecimals(bottom))};
    s.Formula(fibres.top, {Ms, Yo, gammaTop, Ix},
              [](Inputs v) { return v[0] * v[1] / (v[2] * v[3]); });
    s.Formula(fibres.bottom, {Ms, t, h, Yo, gammaBottom, Ix},
              [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) / (v[4] * v[5]); });
    return fibres;
}

}  // namespace

BookFigures FiguresOf(const BayInput& bay, const BayCheck& check) {
    const DeckPlateResult& plate = check.plate;
    const StiffenerResult& st = check.stiffener;
    Substitution s;
    const auto exact = [&](double x) { return s.Given(Exact(x)); };
    const auto tenThousands = [&](double mm4) { return s.Value(mm4, TenThousands); };
    const Id D = exact(bay.dead), P = exact(bay.live), gammaG = exact(plate.factors.dead),
             gammaQ = exact(plate.factors.live), t = exact(bay.thickness.mm),
             a = exact(bay.spacing), L = exact(bay.span), aMetres = exact(bay.spacing / 1000.0),
             halfT = exact(bay.thickness.mm / 2), E = s.Given(SteelModulus()),
             alpha = exact(plate.alpha), beta = exact(plate.beta), gammaX = exact(kPlateGamma);

    const Id q = s.Value(plate.q), qk = s.Value(plate.qk);
    s.Formula(q, {gammaG, D, gammaQ, P}, [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
    s.Formula(qk, {D, P}, [](Inputs v) { return v[0] + v[1]; });

    const Id M = s.Value(plate.moment);
    const Id stress = s.Given(Shown(plate.display.stress));
    const Id deflection = s.Given(Shown(plate.display.deflection));
    s.Formula(M, {alpha, q, aMetres}, [](Inputs v) { return v[0] * v[1] * v[2] * v[2]; });
    s.Formula(stress, {M, gammaX, t}, PlateStress);
    s.Formula(deflection, {beta, qk, a, E, t}, PlateDeflection);

    const Id Ap = s.Value(st.Ap), Ip = s.Value(st.Ip), As = s.Value(st.As),
             Is = tenThousands(st.Is), ys = s.Value(st.ys), Yo = s.Value(st.Yo),
             Ix = tenThousands(st.Ix), Ms = s.Value(st.Ms);
    s.Formula(Yo, {Ap, halfT, As, ys},
              [](Inputs v) { return (v[0] * v[1] + v[2] * v[3]) / (v[0] + v[2]); });
    s.Formula(Ix, {Ip, Ap, Yo, halfT, Is, As, ys}, [](Inputs v) {
        return v[0] + v[1] * (v[2] - v[3]) * (v[2] - v[3]) + v[4] +
               v[5] * (v[6] - v[2]) * (v[6] - v[2]);
    });
    s.Formula(Ms, {q, a, L}, [](Inputs v) { return v[0] * 1e-3 * v[1] * v[2] * v[2] / 8; });
    const Fibres fibres = FibreFormulas(s, Ms, Yo, Ix, st.stressTop, st.stressBottom, bay, st);
    const Id stiffenerDeflection = s.Given(Shown(st.display.deflection));
    s.Formula(stiffenerDeflection, {qk, a, L, E, Ix}, [](Inputs v) {
        return 5 * v[0] * 1e-3 * v[1] * v[2] * v[2] * v[2] * v[2] / (384 * v[3] * v[4]);
    });

    struct PointIds {
        Id designForce, kM, stressCoefficient, kDelta, momentDead, momentPoint, moment, stress,
            deflectionDead, deflectionPoint, deflection, Ms, stiffenerDeflection;
        Fibres fibres;
    };
    std::optional<PointIds> point;
    if (check.pointLoad) {
        const PointLoadCheck& p = *check.pointLoad;
        const PointLoadPlateResult& r = p.plate;
        const Id pointGammaQ = exact(p.factor), F = exact(p.load.force);
        PointIds ids{};
        ids.designForce = s.Value(p.factor * p.load.force);
        ids.kM = s.Value(r.influence.moment);
        ids.stressCoefficient = s.Value(6 * r.influence.moment);
        ids.kDelta = s.Value(r.influence.deflection / (bay.spacing * bay.spacing));
        ids.momentDead = s.Value(r.momentDead);
        ids.momentPoint = s.Value(r.momentPoint);
        ids.moment = s.Value(r.moment);
        ids.stress = s.Given(Shown(r.display.stress));
        ids.deflectionDead = s.Value(r.deflectionDead);
        ids.deflectionPoint = s.Value(r.deflectionPoint);
        ids.deflection = s.Given(Shown(r.display.deflection));
        ids.Ms = s.Value(p.stiffener.Ms);
        ids.stiffenerDeflection = s.Given(Shown(p.stiffener.display.deflection));
        const auto product = [](Inputs v) {
            double x = 1;
            for (const double factor : v) x *= factor;
            return x;
        };
        const auto sum = [](Inputs v) { return v[0] + v[1]; };
        s.Formula(ids.designForce, {pointGammaQ, F}, product);
        s.Formula(ids.stressCoefficient, {ids.kM}, [](Inputs v) { return 6 * v[0]; });
        s.Formula(ids.momentDead, {alpha, gammaG, D, aMetres},
                  [](Inputs v) { return v[0] * v[1] * v[2] * v[3] * v[3]; });
        s.Formula(ids.momentPoint, {ids.kM, pointGammaQ, F}, product);
        s.Formula(ids.moment, {ids.momentDead, ids.momentPoint}, sum);
        s.Formula(ids.stress, {ids.moment, gammaX, t}, PlateStress);
        s.Formula(ids.deflectionDead, {beta, D, a, E, t}, PlateDeflection);
        s.Formula(ids.deflectionPoint, {ids.kDelta, F, a, E, t}, [](Inputs v) {
            return v[0] * v[1] * 1e3 * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
        });
        s.Formula(ids.deflection, {ids.deflectionDead, ids.deflectionPoint}, sum);
        s.Formula(ids.Ms, {gammaG, D, a, L, pointGammaQ, F}, [](Inputs v) {
            return v[0] * v[1] * 1e-3 * v[2] * v[3] * v[3] / 8 + v[4] * v[5] * 1e3 * v[3] / 4;
        });
        ids.fibres = FibreFormulas(s, ids.Ms, Yo, Ix, p.stiffener.stressTop,
                                   p.stiffener.stressBottom, bay, st);
        s.Formula(ids.stiffenerDeflection, {D, a, L, E, Ix, F}, [](Inputs v) {
            const double L3 = v[2] * v[2] * v[2];
            return 5 * v[0] * 1e-3 * v[1] * L3 * v[2] / (384 * v[3] * v[4]) +
                   v[5] * 1e3 * L3 / (48 * v[3] * v[4]);
        });
        point = ids;
    }

    s.Solve();
    BookFigures figures{.q = s[q],
                        .qk = s[qk],
                        .moment = s[M],
                        .stress = s[stress],
                        .deflection = s[deflection],
                        .Ap = s[Ap],
                        .Ip = s[Ip],
                        .As = s[As],
                        .Is = s[Is],
                        .ys = s[ys],
                        .Yo = s[Yo],
                        .Ix = s[Ix],
                        .Ms = s[Ms],
                        .stressTop = s[fibres.top],
                        .stressBottom = s[fibres.bottom],
                        .stiffenerStress = Shown(st.display.stress),
                        .stiffenerDeflection = s[stiffenerDeflection],
                        .pointLoad = std::nullopt};
    if (point) {
        const PointIds& ids = *point;
        figures.pointLoad =
            PointLoadFigures{.designForce = s[ids.designForce],
                             .momentCoefficient = s[ids.kM],
                             .stressCoefficient = s[ids.stressCoefficient],
                             .deflectionCoefficient = s[ids.kDelta],
                             .momentDead = s[ids.momentDead],
                             .momentPoint = s[ids.momentPoint],
                             .moment = s[ids.moment],
                             .stress = s[ids.stress],
                             .deflectionDead = s[ids.deflectionDead],
                             .deflectionPoint = s[ids.deflectionPoint],
                             .deflection = s[ids.deflection],
                             .Ms = s[ids.Ms],
                             .stressTop = s[ids.fibres.top],
                             .stressBottom = s[ids.fibres.bottom],
                             .stiffenerStress = Shown(check.pointLoad->stiffener.display.stress),
                             .stiffenerDeflection = s[ids.stiffenerDeflection]};
    }
    return figures;
}

}  // namespace deckplate::report
