#include "report/book_figures.h"

#include <cmath>

#include "calc/code_values.h"
#include "report/book_figure_sheet.h"
#include "report/book_point_load_figures.h"

namespace deckplate::report {
namespace {

using namespace figures;

// A moment of inertia written as the window's cm⁴ are, times 10⁴ mm⁴: 108.76 × 10⁴.
Figure TenThousands(double mm4, int moreDigits) {
    return Scaled(Fixed(mm4 / 1e4, 2 + moreDigits), 4);
}

// 5·q·a·L⁴ / (384·E·Ix) of a load on one spacing {q, a, L, E, Ix}.
double BeamDeflection(Inputs v) {
    return 5 * v[0] * 1e-3 * v[1] * v[2] * v[2] * v[2] * v[2] / (384 * v[3] * v[4]);
}

// ---- The uniform load ----

struct LoadIds {
    std::optional<Id> selfWeight;
    Id dead, q, qk;
};

// The dead load the checks take: D, or under the current basis D + w with the floor's
// self-weight w = 0.0785·(t + As/a); the design load q and the standard load qk.
LoadIds LoadFormulas(const FormulaSheet& f, Id As) {
    Substitution& s = f.s;
    const BayLoads& loads = f.check.loads;
    LoadIds ids{.selfWeight = std::nullopt,
                .dead = f.D,
                .q = s.Value(f.check.plate.q),
                .qk = s.Value(f.check.plate.qk)};
    if (f.CurrentBasis() && !f.bay.deadIncludesSelfWeight) {
        ids.selfWeight = s.Value(loads.addedSelfWeight);
        // calc's own: the same two operations on the same numbers, and so the same bits.
        s.Formula(*ids.selfWeight, {f.t, f.a, As},
                  [](Inputs v) { return SelfWeight(v[0], v[1], v[2]); });
        ids.dead = s.Value(loads.deadTotal);
        s.Formula(ids.dead, {f.D, *ids.selfWeight}, Sum);
    }
    if (f.CurrentBasis()) {
        s.Formula(ids.q, {f.gamma0, f.gammaG, ids.dead, f.gammaQ, f.P},
                  [](Inputs v) { return v[0] * (v[1] * v[2] + v[3] * v[4]); });
    } else {
        s.Formula(ids.q, {f.gammaG, f.D, f.gammaQ, f.P},
                  [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
    }
    s.Formula(ids.qk, {ids.dead, f.P}, Sum);
    return ids;
}

struct PlateIds {
    Id M, stress, deflection;
};

// The plate's moment, stress and deflection: α·q·a² and β·qk·a⁴/(E·t³), or the continuous
// envelope's (αD·γG·D + αL·γQ·P)·γ0·a² and 10.92·(βD·D + βL·P)·a⁴/(E·t³).
PlateIds PlateFormulas(const FormulaSheet& f, const LoadIds& loads) {
    Substitution& s = f.s;
    const DeckPlateResult& plate = f.check.plate;
    const PlateIds ids{.M = s.Value(plate.moment),
                       .stress = s.Given(Shown(plate.shown.stress)),
                       .deflection = s.Given(Shown(plate.shown.deflection))};
    if (f.Envelope()) {
        const Id alphaLive = f.Given(plate.coefficients.alphaLive),
                 betaLive = f.Given(plate.coefficients.betaLive);
        s.Formula(ids.M,
                  {f.alpha, f.gammaG, loads.dead, alphaLive, f.gammaQ, f.P, f.gamma0, f.aMetres},
                  [](Inputs v) {
                      return (v[0] * v[1] * v[2] + v[3] * v[4] * v[5]) * v[6] * v[7] * v[7];
                  });
        s.Formula(ids.deflection, {f.rigidity, f.beta, loads.dead, betaLive, f.P, f.a, f.E, f.t},
                  [](Inputs v) {
                      return v[0] * (v[1] * v[2] + v[3] * v[4]) * 1e-3 * std::pow(v[5], 4) /
                             (v[6] * std::pow(v[7], 3));
                  });
    } else {
        s.Formula(ids.M, {f.alpha, loads.q, f.aMetres},
                  [](Inputs v) { return v[0] * v[1] * v[2] * v[2]; });
        s.Formula(ids.deflection, {f.beta, loads.qk, f.a, f.E, f.t}, PlateDeflectionWorking);
    }
    s.Formula(ids.stress, {ids.M, f.gammaX, f.t}, PlateStressWorking);
    return ids;
}

struct StiffenerLoadIds {
    Id design, standard, live;
};

// One stiffener's loads: under a continuous plate of the current basis the first interior
// support's kD·D and kP·P, otherwise one spacing of q, qk and P.
StiffenerLoadIds StiffenerLoadFormulas(const FormulaSheet& f, const LoadIds& loads) {
    const BayLoads& shares = f.check.loads;
    if (!f.CurrentBasis() || (shares.supportDead == 1 && shares.supportLive == 1))
        return {.design = loads.q, .standard = loads.qk, .live = f.P};
    Substitution& s = f.s;
    const Id kD = f.Given(shares.supportDead), kP = f.Given(shares.supportLive);
    const StiffenerLoadIds ids{.design = s.Value(shares.stiffener.design),
                               .standard = s.Value(shares.stiffener.standard),
                               .live = s.Value(shares.stiffener.live)};
    s.Formula(ids.design, {f.gamma0, f.gammaG, kD, loads.dead, f.gammaQ, kP, f.P},
              [](Inputs v) { return v[0] * (v[1] * v[2] * v[3] + v[4] * v[5] * v[6]); });
    s.Formula(ids.standard, {kD, loads.dead, kP, f.P},
              [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
    s.Formula(ids.live, {kP, f.P}, Product);
    return ids;
}

struct SectionIds {
    Id epsilonK, be, Ap, Ip, As, Is, ys, Yo, Ix;
};

// The composite section: the strip 30·t·εk wide (30·t under the legacy basis) unless the
// spacing is narrower, its area and inertia as worked from be shown (be gets the digits they
// need), and Yo and Ix with the stiffener's As, Is and ys.
SectionIds SectionFormulas(const FormulaSheet& f, Id As) {
    Substitution& s = f.s;
    const StiffenerResult& st = f.check.stiffener;
    const auto tenThousands = [&](double mm4) { return s.Value(mm4, TenThousands); };
    const SectionIds ids{.epsilonK = s.Value(st.epsilonK),
                         .be = s.Value(st.be),
                         .Ap = s.Value(st.Ap),
                         .Ip = s.Value(st.Ip),
                         .As = As,
                         .Is = tenThousands(st.Is),
                         .ys = s.Value(st.ys),
                         .Yo = s.Value(st.Yo),
                         .Ix = tenThousands(st.Ix)};
    if (f.CurrentBasis()) {
        s.Formula(ids.epsilonK, {f.Given(ValuesOf(f.bay.steel).fy)},
                  [](Inputs v) { return std::sqrt(235 / v[0]); });
    }
    if (st.be < f.bay.spacing) {
        s.Formula(ids.be, {f.Given(kStripThicknesses), f.t, ids.epsilonK}, Product);
    }
    s.Formula(ids.Ap, {ids.be, f.t}, Product);
    s.Formula(ids.Ip, {ids.be, f.t}, [](Inputs v) { return v[0] * v[1] * v[1] * v[1] / 12; });
    s.Formula(ids.Yo, {ids.Ap, f.halfT, ids.As, ids.ys},
              [](Inputs v) { return (v[0] * v[1] + v[2] * v[3]) / (v[0] + v[2]); });
    s.Formula(ids.Ix, {ids.Ip, ids.Ap, ids.Yo, f.halfT, ids.Is, ids.As, ids.ys}, [](Inputs v) {
        return v[0] + v[1] * (v[2] - v[3]) * (v[2] - v[3]) + v[4] +
               v[5] * (v[6] - v[2]) * (v[6] - v[2]);
    });
    return ids;
}

struct StiffenerIds {
    Id Ms;
    Fibres fibres;
    Id deflection;
};

// The stiffener under its design load: Ms = q·a·L²/8, its two fibres, and its deflection
// under the standard load.
StiffenerIds StiffenerFormulas(const FormulaSheet& f, const StiffenerLoadIds& loads,
                               const SectionIds& section) {
    Substitution& s = f.s;
    const StiffenerResult& st = f.check.stiffener;
    const Id Ms = s.Value(st.Ms);
    s.Formula(Ms, {loads.design, f.a, f.L},
              [](Inputs v) { return v[0] * 1e-3 * v[1] * v[2] * v[2] / 8; });
    const Fibres fibres =
        FibreFormulas(f, Ms, section.Yo, section.Ix, st.stressTop, st.stressBottom);
    const Id deflection = s.Given(Shown(st.shown.deflection));
    s.Formula(deflection, {loads.standard, f.a, f.L, f.E, section.Ix}, BeamDeflection);
    return {.Ms = Ms, .fibres = fibres, .deflection = deflection};
}

struct UniformIds {
    LoadIds loads;
    PlateIds plate;
    StiffenerLoadIds stiffenerLoads;
    SectionIds section;
    StiffenerIds stiffener;
};

UniformIds UniformFormulas(const FormulaSheet& f) {
    const Id As = f.s.Value(f.check.stiffener.As);
    const LoadIds loads = LoadFormulas(f, As);
    const PlateIds plate = PlateFormulas(f, loads);
    const StiffenerLoadIds stiffenerLoads = StiffenerLoadFormulas(f, loads);
    const SectionIds section = SectionFormulas(f, As);
    return {.loads = loads,
            .plate = plate,
            .stiffenerLoads = stiffenerLoads,
            .section = section,
            .stiffener = StiffenerFormulas(f, stiffenerLoads, section)};
}

// ---- The checks of the current basis ----

// S about the neutral axis Yo of the part of the section below it, as the check forms it for
// where the axis cuts (calc/stiffener_shear.h), from the figures shown.
Id FirstMoment(const FormulaSheet& f, const ShearCheck& shear, Id be, Id Yo) {
    Substitution& s = f.s;
    const Id S = s.Value(shear.S), t = f.t;
    if (shear.cut == AxisCut::Plate) {
        s.Formula(S, {be, Yo}, [](Inputs v) { return v[0] * v[1] * v[1] / 2; });
        return S;
    }
    const Stiffener section = StiffenerSection(f.bay.stiffener);
    if (const auto* bar = std::get_if<FlatBar>(&section)) {
        s.Formula(S, {f.Given(bar->thickness), t, f.Given(bar->height), Yo},
                  [](Inputs v) { return v[0] * (v[1] + v[2] - v[3]) * (v[1] + v[2] - v[3]) / 2; });
        return S;
    }
    const AngleValues& angle = std::get<AngleValues>(section);
    const Id H = f.Given(angle.H), b = f.Given(angle.shortLeg), leg = f.Given(angle.legThickness);
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

struct OutstandIds {
    Id ratio, limit, compactWidth;
};

// The outstand h/t or b/t against 15·εk, and 2·13·t·εk, the widest spacing whose plate
// outstand is S3.
OutstandIds OutstandFormulas(const FormulaSheet& f, Id epsilonK) {
    Substitution& s = f.s;
    const OutstandCheck& outstand = *f.check.outstand;
    const Stiffener section = StiffenerSection(f.bay.stiffener);
    const auto* bar = std::get_if<FlatBar>(&section);
    const double width = bar ? bar->height : std::get<AngleValues>(section).shortLeg;
    const OutstandIds ids{.ratio = s.Given(Shown(ShownValue{outstand.ratio})),
                          .limit = s.Given(Shown(ShownValue{outstand.limit})),
                          .compactWidth = s.Value(2 * kCompactOutstandLimit * f.bay.thickness.mm *
                                                  f.check.stiffener.epsilonK)};
    s.Formula(ids.ratio, {f.Given(width), f.Given(StiffenerThickness(section))},
              [](Inputs v) { return v[0] / v[1]; });
    s.Formula(ids.limit, {f.Given(kOutstandLimit), epsilonK}, Product);
    s.Formula(ids.compactWidth, {f.Given(2), f.Given(kCompactOutstandLimit), f.t, epsilonK},
              Product);
    return ids;
}

struct CurrentIds {
    Id liveDeflection, V, S, tau;
    OutstandIds outstand;
    WeldIds weld;
};

// The stiffener's live-load deflection, its shear V = q·a·L/2 at the support, its outstand and
// the weld under that shear.
CurrentIds CurrentFormulas(const FormulaSheet& f, const UniformIds& u) {
    Substitution& s = f.s;
    const SectionIds& section = u.section;
    CurrentIds ids{};
    ids.liveDeflection = s.Given(Shown(f.check.stiffener.shown.liveDeflection));
    s.Formula(ids.liveDeflection, {u.stiffenerLoads.live, f.a, f.L, f.E, section.Ix},
              BeamDeflection);
    ids.V = s.Value(f.check.shear->force);
    s.Formula(ids.V, {u.stiffenerLoads.design, f.aMetres, f.spanMetres},
              [](Inputs v) { return v[0] * v[1] * v[2] / 2; });
    ids.S = FirstMoment(f, *f.check.shear, section.be, section.Yo);
    ids.tau = ShearStress(f, *f.check.shear, ids.V, ids.S, section.Ix, section.be);
    ids.outstand = OutstandFormulas(f, section.epsilonK);
    ids.weld = WeldFormulas(f, *f.check.weld, ids.V, section.Ap, section.Yo, section.Ix);
    return ids;
}

// ---- The figures, once solved ----

BookFigures UniformFigures(const Substitution& s, const UniformIds& u, const BayCheck& check) {
    const SectionIds& section = u.section;
    return {.selfWeight = u.loads.selfWeight ? std::optional(s[*u.loads.selfWeight]) : std::nullopt,
            .dead = s[u.loads.dead],
            .q = s[u.loads.q],
            .qk = s[u.loads.qk],
            .stiffenerDesign = s[u.stiffenerLoads.design],
            .stiffenerStandard = s[u.stiffenerLoads.standard],
            .stiffenerLive = s[u.stiffenerLoads.live],
            .moment = s[u.plate.M],
            .stress = s[u.plate.stress],
            .deflection = s[u.plate.deflection],
            .be = s[section.be],
            .Ap = s[section.Ap],
            .Ip = s[section.Ip],
            .As = s[section.As],
            .Is = s[section.Is],
            .ys = s[section.ys],
            .Yo = s[section.Yo],
            .Ix = s[section.Ix],
            .Ms = s[u.stiffener.Ms],
            .stressTop = s[u.stiffener.fibres.top],
            .stressBottom = s[u.stiffener.fibres.bottom],
            .stiffenerStress = Shown(check.stiffener.shown.stress),
            .stiffenerDeflection = s[u.stiffener.deflection],
            .pointLoad = std::nullopt,
            .current = std::nullopt};
}

CurrentBasisFigures CurrentFigures(const Substitution& s, const CurrentIds& ids, Id epsilonK) {
    return {.epsilonK = s[epsilonK],
            .S = s[ids.S],
            .shear = {s[ids.V], s[ids.tau]},
            .ratio = s[ids.outstand.ratio],
            .limit = s[ids.outstand.limit],
            .compactWidth = s[ids.outstand.compactWidth],
            .liveDeflection = s[ids.liveDeflection],
            .weld = WeldFiguresOf(s, ids.weld)};
}

}  // namespace

BookFigures FiguresOf(const BayInput& bay, const BayCheck& check) {
    Substitution s;
    const FormulaSheet f = SheetOf(s, bay, check);
    const UniformIds uniform = UniformFormulas(f);
    std::optional<CurrentIds> current;
    if (check.shear && check.outstand && check.weld) current = CurrentFormulas(f, uniform);
    std::optional<PointLoadIds> point;
    if (check.pointLoad) {
        const SectionIds& section = uniform.section;
        point =
            PointLoadFormulas(f, {.dead = uniform.loads.dead,
                                  .be = section.be,
                                  .Ap = section.Ap,
                                  .Yo = section.Yo,
                                  .Ix = section.Ix,
                                  .S = current ? std::optional(current->S) : std::nullopt,
                                  .Sp = current ? std::optional(current->weld.Sp) : std::nullopt});
    }
    s.Solve();
    BookFigures figures = UniformFigures(s, uniform, check);
    if (current) figures.current = CurrentFigures(s, *current, uniform.section.epsilonK);
    if (point) figures.pointLoad = PointLoadFiguresOf(s, *point, *check.pointLoad);
    return figures;
}

}  // namespace deckplate::report
