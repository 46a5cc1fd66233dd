#include "report/book_figures.h"

#include <cmath>

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
    const Id gammaTop = s.Given(Exact(section.topGamma)),
             gammaBottom = s.Given(Exact(section.bottomGamma));
    const Id t = s.Given(Exact(bay.thickness.mm)), h = s.Given(Exact(section.depth));
    const Fibres fibres{s.Given(TwoDecimals(top)), s.Given(TwoDecimals(bottom))};
    s.Formula(fibres.top, {Ms, Yo, gammaTop, Ix},
              [](Inputs v) { return v[0] * v[1] / (v[2] * v[3]); });
    s.Formula(fibres.bottom, {Ms, t, h, Yo, gammaBottom, Ix},
              [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) / (v[4] * v[5]); });
    return fibres;
}

// S about the neutral axis Yo of the part of the section below it, as the check forms it for
// where the axis cuts (calc/stiffener_shear.h), from the figures shown.
Id FirstMoment(Substitution& s, const ShearCheck& shear, const BayInput& bay, Id be, Id Yo) {
    const Id S = s.Value(shear.S), t = s.Given(Exact(bay.thickness.mm));
    if (shear.cut == AxisCut::Plate) {
        s.Formula(S, {be, Yo}, [](Inputs v) { return v[0] * v[1] * v[1] / 2; });
        return S;
    }
    const Stiffener section = StiffenerSection(bay.stiffener);
    if (const auto* bar = std::get_if<FlatBar>(&section)) {
        s.Formula(S, {s.Given(Exact(bar->thickness)), t, s.Given(Exact(bar->height)), Yo},
                  [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) * (v[1] + v[2] - v[3]) / 2; });
        return S;
    }
    const AngleValues& angle = std::get<AngleValues>(section);
    const Id H = s.Given(Exact(angle.H)), b = s.Given(Exact(angle.shortLeg)),
             leg = s.Given(Exact(angle.legThickness));
    if (shear.cut == AxisCut::ShortLeg) {
        s.Formula(S, {b, t, H, Yo},
                  [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) * (v[1] + v[2] - v[3]) / 2; });
    } else {
        s.Formula(S, {leg, t, H, Yo, b}, [](Inputs v) {
            const double below = v[1] + v[2] - v[3];
            return v[0] * below * below / 2 + (v[4] - v[0]) * v[0] * (below - v[0] / 2);
        });
    }
    return S;
}

// τ = V·10³·S / (Ix·w), shown as the window shows it.
Id ShearStress(Substitution& s, const ShearCheck& shear, Id V, Id S, Id Ix, Id be) {
    const Id tau = s.Given(Shown(shear.shown));
    const Id w = shear.cut == AxisCut::Plate ? be : s.Given(Exact(shear.width));
    s.Formula(tau, {V, S, Ix, w}, [](Inputs v) { return v[0] * 1e3 * v[1] / (v[2] * v[3]); });
    return tau;
}

// The weld's shear flow and τf under a support shear V: Sp = Ap·|Yo − t/2|, v = V·10³·Sp/Ix,
// an intermittent weld's lw = l − 2·hf, and τf = v·(s/lw)/(n·he), as calc/weld.h forms them.
struct WeldIds {
    Id Sp, throat, v, tau;
    std::optional<Id> lw;
};
WeldIds WeldFormulas(Substitution& s, const WeldCheck& weld, Id V, Id Ap, Id Yo, Id halfT, Id Ix,
                     std::optional<Id> knownSp = std::nullopt) {
    WeldIds ids{};
    const Id hf = s.Given(Exact(weld.size));
    ids.throat = s.Value(weld.throat);
    s.Formula(ids.throat, {s.Given(Exact(kFilletThroat)), hf},
              [](Inputs v) { return v[0] * v[1]; });
    if (knownSp) {
        ids.Sp = *knownSp;
    } else {
        ids.Sp = s.Value(weld.Sp);
        s.Formula(ids.Sp, {Ap, Yo, halfT},
                  [](Inputs v) { return std::fabs(v[0] * (v[1] - v[2])); });
    }
    ids.v = s.Value(weld.shearFlow);
    s.Formula(ids.v, {V, ids.Sp, Ix}, [](Inputs v) { return v[0] * 1e3 * v[1] / v[2]; });
    ids.tau = s.Given(Shown(weld.shown));
    const Id n = s.Given(Exact(weld.throats));
    if (weld.segments) {
        ids.lw = s.Value(weld.effectiveLength);
        s.Formula(*ids.lw, {s.Given(Exact(weld.segments->length)), hf},
                  [](Inputs v) { return v[0] - 2 * v[1]; });
        s.Formula(ids.tau, {ids.v, s.Given(Exact(weld.segments->pitch)), *ids.lw, n, ids.throat},
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

}  // namespace

BookFigures FiguresOf(const BayInput& bay, const BayCheck& check) {
    const DeckPlateResult& plate = check.plate;
    const StiffenerResult& st = check.stiffener;
    const BayLoads& loads = check.loads;
    const bool currentBasis = bay.basis == DesignBasis::Current;
    const bool envelope = plate.coefficients.source == CoefficientSource::ContinuousEnvelope;
    Substitution s;
    const auto exact = [&](double x) { return s.Given(Exact(x)); };
    const auto tenThousands = [&](double mm4) { return s.Value(mm4, TenThousands); };
    const auto sum = [](Inputs v) { return v[0] + v[1]; };
    const Id D = exact(bay.dead), P = exact(bay.live), gammaG = exact(plate.factors.dead),
             gammaQ = exact(plate.factors.live), gamma0 = exact(loads.gamma0),
             t = exact(bay.thickness.mm), a = exact(bay.spacing), L = exact(bay.span),
             aMetres = exact(bay.spacing / 1000.0), halfT = exact(bay.thickness.mm / 2),
             E = s.Given(SteelModulus()), alpha = exact(plate.alpha), beta = exact(plate.beta),
             gammaX = exact(kPlateGamma);
    const Id As = s.Value(st.As);

    // The dead load the checks take: D, or under the current basis D + w with the floor's
    // self-weight w = 0.0785·(t + As/a).
    Id dead = D;
    std::optional<Id> selfWeight;
    if (currentBasis && !bay.deadIncludesSelfWeight) {
        selfWeight = s.Value(loads.addedSelfWeight);
        s.Formula(*selfWeight, {exact(kSteelUnitWeight / 1000.0), t, As, a},
                  [](Inputs v) { return v[0] * (v[1] + v[2] / v[3]); });
        dead = s.Value(loads.deadTotal);
        s.Formula(dead, {D, *selfWeight}, sum);
    }

    const Id q = s.Value(plate.q), qk = s.Value(plate.qk);
    if (currentBasis) {
        s.Formula(q, {gamma0, gammaG, dead, gammaQ, P},
                  [](Inputs v) { return v[0] * (v[1] * v[2] + v[3] * v[4]); });
    } else {
        s.Formula(q, {gammaG, D, gammaQ, P}, [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
    }
    s.Formula(qk, {dead, P}, sum);

    const Id M = s.Value(plate.moment);
    const Id stress = s.Given(Shown(plate.shown.stress));
    const Id deflection = s.Given(Shown(plate.shown.deflection));
    // The continuous envelope: (αD·γG·D + αL·γQ·P)·γ0·a² and 10.92·(βD·D + βL·P)·a⁴/(E·t³).
    const Id alphaLive = exact(plate.coefficients.alphaLive),
             betaLive = exact(plate.coefficients.betaLive), rigidity = exact(kPlateRigidityFactor);
    if (envelope) {
        s.Formula(M, {alpha, gammaG, dead, alphaLive, gammaQ, P, gamma0, aMetres}, [](Inputs v) {
            return (v[0] * v[1] * v[2] + v[3] * v[4] * v[5]) * v[6] * v[7] * v[7];
        });
        s.Formula(deflection, {rigidity, beta, dead, betaLive, P, a, E, t}, [](Inputs v) {
            return v[0] * (v[1] * v[2] + v[3] * v[4]) * 1e-3 * std::pow(v[5], 4) /
                   (v[6] * std::pow(v[7], 3));
        });
    } else {
        s.Formula(M, {alpha, q, aMetres}, [](Inputs v) { return v[0] * v[1] * v[2] * v[2]; });
        s.Formula(deflection, {beta, qk, a, E, t}, PlateDeflection);
    }
    s.Formula(stress, {M, gammaX, t}, PlateStress);

    // One stiffener's loads: under a continuous plate of the current basis the first interior
    // support's kD·D and kP·P, otherwise one spacing of q, qk and P.
    Id stiffenerDesign = q, stiffenerStandard = qk, stiffenerLive = P;
    if (currentBasis && (loads.supportDead != 1 || loads.supportLive != 1)) {
        const Id kD = exact(loads.supportDead), kP = exact(loads.supportLive);
        stiffenerDesign = s.Value(loads.stiffener.design);
        stiffenerStandard = s.Value(loads.stiffener.standard);
        stiffenerLive = s.Value(loads.stiffener.live);
        s.Formula(stiffenerDesign, {gamma0, gammaG, kD, dead, gammaQ, kP, P},
                  [](Inputs v) { return v[0] * (v[1] * v[2] * v[3] + v[4] * v[5] * v[6]); });
        s.Formula(stiffenerStandard, {kD, dead, kP, P},
                  [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
        s.Formula(stiffenerLive, {kP, P}, [](Inputs v) { return v[0] * v[1]; });
    }

    // The strip 30·t·εk wide (30·t under the legacy basis), unless the spacing is narrower.
    const Id be = s.Value(st.be), epsilonK = s.Value(st.epsilonK);
    if (currentBasis) {
        s.Formula(epsilonK, {exact(ValuesOf(bay.steel).fy)},
                  [](Inputs v) { return std::sqrt(235 / v[0]); });
    }
    if (st.be < bay.spacing) {
        s.Formula(be, {exact(kStripThicknesses), t, epsilonK},
                  [](Inputs v) { return v[0] * v[1] * v[2]; });
    }
    const Id Ap = s.Value(st.Ap), Ip = s.Value(st.Ip), Is = tenThousands(st.Is),
             ys = s.Value(st.ys), Yo = s.Value(st.Yo), Ix = tenThousands(st.Ix),
             Ms = s.Value(st.Ms);
    // The strip's area and inertia as worked from be shown: be gets the digits they need.
    s.Formula(Ap, {be, t}, [](Inputs v) { return v[0] * v[1]; });
    s.Formula(Ip, {be, t}, [](Inputs v) { return v[0] * v[1] * v[1] * v[1] / 12; });
    s.Formula(Yo, {Ap, halfT, As, ys},
              [](Inputs v) { return (v[0] * v[1] + v[2] * v[3]) / (v[0] + v[2]); });
    s.Formula(Ix, {Ip, Ap, Yo, halfT, Is, As, ys}, [](Inputs v) {
        return v[0] + v[1] * (v[2] - v[3]) * (v[2] - v[3]) + v[4] +
               v[5] * (v[6] - v[2]) * (v[6] - v[2]);
    });
    s.Formula(Ms, {stiffenerDesign, a, L},
              [](Inputs v) { return v[0] * 1e-3 * v[1] * v[2] * v[2] / 8; });
    const Fibres fibres = FibreFormulas(s, Ms, Yo, Ix, st.stressTop, st.stressBottom, bay, st);
    // 5·q·a·L⁴ / (384·E·Ix), of the standard load and of the live load alone.
    const auto beamDeflection = [](Inputs v) {
        return 5 * v[0] * 1e-3 * v[1] * v[2] * v[2] * v[2] * v[2] / (384 * v[3] * v[4]);
    };
    const Id stiffenerDeflection = s.Given(Shown(st.shown.deflection));
    s.Formula(stiffenerDeflection, {stiffenerStandard, a, L, E, Ix}, beamDeflection);

    const Id spanMetres = exact(bay.span / 1000.0);
    struct CurrentIds {
        Id S, V, tau, ratio, limit, compactWidth, liveDeflection;
        WeldIds weld;
    };
    std::optional<CurrentIds> current;
    if (check.shear && check.outstand && check.weld) {
        CurrentIds ids{};
        ids.liveDeflection = s.Given(Shown(st.shown.liveDeflection));
        s.Formula(ids.liveDeflection, {stiffenerLive, a, L, E, Ix}, beamDeflection);
        ids.V = s.Value(check.shear->force);
        s.Formula(ids.V, {stiffenerDesign, aMetres, spanMetres},
                  [](Inputs v) { return v[0] * v[1] * v[2] / 2; });
        ids.S = FirstMoment(s, *check.shear, bay, be, Yo);
        ids.tau = ShearStress(s, *check.shear, ids.V, ids.S, Ix, be);
        const Stiffener section = StiffenerSection(bay.stiffener);
        const auto* bar = std::get_if<FlatBar>(&section);
        const double width = bar ? bar->height : std::get<AngleValues>(section).shortLeg;
        ids.ratio = s.Given(Shown(ShownValue{check.outstand->ratio}));
        s.Formula(ids.ratio, {exact(width), exact(StiffenerThickness(section))},
                  [](Inputs v) { return v[0] / v[1]; });
        ids.limit = s.Given(Shown(ShownValue{check.outstand->limit}));
        s.Formula(ids.limit, {exact(kOutstandLimit), epsilonK},
                  [](Inputs v) { return v[0] * v[1]; });
        ids.compactWidth = s.Value(2 * kCompactOutstandLimit * bay.thickness.mm * st.epsilonK);
        s.Formula(ids.compactWidth, {exact(2), exact(kCompactOutstandLimit), t, epsilonK},
                  [](Inputs v) { return v[0] * v[1] * v[2] * v[3]; });
        ids.weld = WeldFormulas(s, *check.weld, ids.V, Ap, Yo, halfT, Ix);
        current = ids;
    }

    struct PointIds {
        Id designForce, kM, stressCoefficient, kDelta, momentDead, momentPoint, moment, stress,
            deflectionDead, deflectionPoint, deflection, Ms, stiffenerDeflection;
        Fibres fibres;
        std::optional<Id> V, tau;
        std::optional<WeldIds> weld;
    };
    std::optional<PointIds> point;
    if (check.pointLoad) {
        const PointLoadCheck& p = *check.pointLoad;
        const PointLoadPlateResult& r = p.plate;
        const Id pointGammaQ = exact(p.factor), F = exact(p.load.force),
                 kD = exact(loads.supportDead);
        PointIds ids{};
        ids.designForce = s.Value(p.factor * p.load.force);
        ids.kM = s.Value(r.influence.moment);
        ids.stressCoefficient = s.Value(6 * r.influence.moment);
        ids.kDelta = s.Value(r.influence.deflection / (bay.spacing * bay.spacing));
        ids.momentDead = s.Value(r.momentDead);
        ids.momentPoint = s.Value(r.momentPoint);
        ids.moment = s.Value(r.moment);
        ids.stress = s.Given(Shown(r.shown.stress));
        ids.deflectionDead = s.Value(r.deflectionDead);
        ids.deflectionPoint = s.Value(r.deflectionPoint);
        ids.deflection = s.Given(Shown(r.shown.deflection));
        ids.Ms = s.Value(p.stiffener.Ms);
        ids.stiffenerDeflection = s.Given(Shown(p.stiffener.shown.deflection));
        const auto product = [](Inputs v) {
            double x = 1;
            for (const double factor : v) x *= factor;
            return x;
        };
        s.Formula(ids.designForce, {pointGammaQ, F}, product);
        s.Formula(ids.stressCoefficient, {ids.kM}, [](Inputs v) { return 6 * v[0]; });
        s.Formula(ids.momentDead, {alpha, gamma0, gammaG, dead, aMetres},
                  [](Inputs v) { return v[0] * v[1] * v[2] * v[3] * v[4] * v[4]; });
        if (currentBasis)
            s.Formula(ids.momentPoint, {gamma0, ids.kM, pointGammaQ, F}, product);
        else
            s.Formula(ids.momentPoint, {ids.kM, pointGammaQ, F}, product);
        s.Formula(ids.moment, {ids.momentDead, ids.momentPoint}, sum);
        s.Formula(ids.stress, {ids.moment, gammaX, t}, PlateStress);
        if (envelope) {
            s.Formula(ids.deflectionDead, {rigidity, beta, dead, a, E, t}, [](Inputs v) {
                return v[0] * v[1] * v[2] * 1e-3 * std::pow(v[3], 4) / (v[4] * std::pow(v[5], 3));
            });
        } else {
            s.Formula(ids.deflectionDead, {beta, dead, a, E, t}, PlateDeflection);
        }
        s.Formula(ids.deflectionPoint, {ids.kDelta, F, a, E, t}, [](Inputs v) {
            return v[0] * v[1] * 1e3 * v[2] * v[2] / (v[3] * v[4] * v[4] * v[4]);
        });
        s.Formula(ids.deflection, {ids.deflectionDead, ids.deflectionPoint}, sum);
        s.Formula(ids.Ms, {gamma0, gammaG, kD, dead, a, L, pointGammaQ, F}, [](Inputs v) {
            return v[0] * (v[1] * v[2] * v[3] * 1e-3 * v[4] * v[5] * v[5] / 8 +
                           v[6] * v[7] * 1e3 * v[5] / 4);
        });
        ids.fibres = FibreFormulas(s, ids.Ms, Yo, Ix, p.stiffener.stressTop,
                                   p.stiffener.stressBottom, bay, st);
        s.Formula(ids.stiffenerDeflection, {kD, dead, a, L, E, Ix, F}, [](Inputs v) {
            const double L3 = v[3] * v[3] * v[3];
            return 5 * v[0] * v[1] * 1e-3 * v[2] * L3 * v[3] / (384 * v[4] * v[5]) +
                   v[6] * 1e3 * L3 / (48 * v[4] * v[5]);
        });
        if (p.shear && current) {
            ids.V = s.Value(p.shear->force);
            s.Formula(*ids.V, {gamma0, gammaG, kD, dead, aMetres, spanMetres, pointGammaQ, F},
                      [](Inputs v) {
                          return v[0] * (v[1] * v[2] * v[3] * v[4] * v[5] / 2 + v[6] * v[7]);
                      });
            ids.tau = ShearStress(s, *p.shear, *ids.V, current->S, Ix, be);
            if (p.weld)
                ids.weld = WeldFormulas(s, *p.weld, *ids.V, Ap, Yo, halfT, Ix, current->weld.Sp);
        }
        point = ids;
    }

    s.Solve();
    BookFigures figures{.selfWeight = std::nullopt,
                        .dead = s[dead],
                        .q = s[q],
                        .qk = s[qk],
                        .stiffenerDesign = s[stiffenerDesign],
                        .stiffenerStandard = s[stiffenerStandard],
                        .stiffenerLive = s[stiffenerLive],
                        .moment = s[M],
                        .stress = s[stress],
                        .deflection = s[deflection],
                        .be = s[be],
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
                        .stiffenerStress = Shown(st.shown.stress),
                        .stiffenerDeflection = s[stiffenerDeflection],
                        .pointLoad = std::nullopt,
                        .current = std::nullopt};
    if (selfWeight) figures.selfWeight = s[*selfWeight];
    if (current) {
        figures.current = CurrentBasisFigures{.epsilonK = s[epsilonK],
                                              .S = s[current->S],
                                              .shear = {s[current->V], s[current->tau]},
                                              .ratio = s[current->ratio],
                                              .limit = s[current->limit],
                                              .compactWidth = s[current->compactWidth],
                                              .liveDeflection = s[current->liveDeflection],
                                              .weld = WeldFiguresOf(s, current->weld)};
    }
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
                             .stiffenerStress = Shown(check.pointLoad->stiffener.shown.stress),
                             .stiffenerDeflection = s[ids.stiffenerDeflection],
                             .shear = std::nullopt,
                             .weld = std::nullopt};
        if (ids.V) figures.pointLoad->shear = ShearFigures{s[*ids.V], s[*ids.tau]};
        if (ids.weld) figures.pointLoad->weld = WeldFiguresOf(s, *ids.weld);
    }
    return figures;
}

}  // namespace deckplate::report
