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
    Id dead, q, qk;
};

// The dead load the checks take: D, or under the current basis D + w with the floor's
// self-weight w = 0.0785·(t + As/a); the design load q and the standard load qk.
LoadIds LoadFormulas(FormulaSheet& f, Id As, BookFigures& out) {
    Substitution& s = f.s;
    const BayLoads& loads = f.check.loads;
    LoadIds ids{.dead = f.D,
                .q = f.Print(s.Value(f.check.plate.q), out.q),
                .qk = f.Print(s.Value(f.check.plate.qk), out.qk)};
    if (f.CurrentBasis() && !f.bay.deadIncludesSelfWeight) {
        const Id selfWeight = f.Print(s.Value(loads.addedSelfWeight), out.selfWeight.emplace());
        // calc's own: the same two operations on the same numbers, and so the same bits.
        s.Formula(selfWeight, {f.t, f.a, As},
                  [](Inputs v) { return SelfWeight(v[0], v[1], v[2]); });
        ids.dead = s.Value(loads.deadTotal);
        s.Formula(ids.dead, {f.D, selfWeight}, Sum);
    }
    f.Print(ids.dead, out.dead);
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

// The plate's moment, stress and deflection: α·q·a² and β·qk·a⁴/(E·t³), or the continuous
// envelope's (αD·γG·D + αL·γQ·P)·γ0·a² and 10.92·(βD·D + βL·P)·a⁴/(E·t³).
void PlateFormulas(FormulaSheet& f, const LoadIds& loads, BookFigures& out) {
    Substitution& s = f.s;
    const DeckPlateResult& plate = f.check.plate;
    const Id M = f.Print(s.Value(plate.moment), out.moment),
             stress = f.Print(s.Given(Shown(plate.shown.stress)), out.stress),
             deflection = f.Print(s.Given(Shown(plate.shown.deflection)), out.deflection);
    if (f.Envelope()) {
        const Id alphaLive = f.Given(plate.coefficients.alphaLive),
                 betaLive = f.Given(plate.coefficients.betaLive);
        s.Formula(M, {f.alpha, f.gammaG, loads.dead, alphaLive, f.gammaQ, f.P, f.gamma0, f.aMetres},
                  [](Inputs v) {
                      return (v[0] * v[1] * v[2] + v[3] * v[4] * v[5]) * v[6] * v[7] * v[7];
                  });
        s.Formula(deflection, {f.rigidity, f.beta, loads.dead, betaLive, f.P, f.a, f.E, f.t},
                  [](Inputs v) {
                      return v[0] * (v[1] * v[2] + v[3] * v[4]) * 1e-3 * std::pow(v[5], 4) /
                             (v[6] * std::pow(v[7], 3));
                  });
    } else {
        s.Formula(M, {f.alpha, loads.q, f.aMetres},
                  [](Inputs v) { return v[0] * v[1] * v[2] * v[2]; });
        s.Formula(deflection, {f.beta, loads.qk, f.a, f.E, f.t}, PlateDeflectionWorking);
    }
    s.Formula(stress, {M, f.gammaX, f.t}, PlateStressWorking);
}

struct StiffenerLoadIds {
    Id design, standard, live;
};

// One stiffener's loads: under a continuous plate of the current basis the first interior
// support's kD·D and kP·P, otherwise one spacing of q, qk and P.
StiffenerLoadIds StiffenerLoadFormulas(FormulaSheet& f, const LoadIds& loads, BookFigures& out) {
    const BayLoads& shares = f.check.loads;
    if (!f.CurrentBasis() || (shares.supportDead == 1 && shares.supportLive == 1)) {
        return {.design = f.Print(loads.q, out.stiffenerDesign),
                .standard = f.Print(loads.qk, out.stiffenerStandard),
                .live = f.Print(f.P, out.stiffenerLive)};
    }
    Substitution& s = f.s;
    const Id kD = f.Given(shares.supportDead), kP = f.Given(shares.supportLive);
    const StiffenerLoadIds ids{
        .design = f.Print(s.Value(shares.stiffener.design), out.stiffenerDesign),
        .standard = f.Print(s.Value(shares.stiffener.standard), out.stiffenerStandard),
        .live = f.Print(s.Value(shares.stiffener.live), out.stiffenerLive)};
    s.Formula(ids.design, {f.gamma0, f.gammaG, kD, loads.dead, f.gammaQ, kP, f.P},
              [](Inputs v) { return v[0] * (v[1] * v[2] * v[3] + v[4] * v[5] * v[6]); });
    s.Formula(ids.standard, {kD, loads.dead, kP, f.P},
              [](Inputs v) { return v[0] * v[1] + v[2] * v[3]; });
    s.Formula(ids.live, {kP, f.P}, Product);
    return ids;
}

struct SectionIds {
    Id epsilonK, be, Ap, Yo, Ix;
};

// The composite section: the strip 30·t·εk wide (30·t under the legacy basis) unless the
// spacing is narrower, its area and inertia as worked from be shown (be gets the digits they
// need), and Yo and Ix with the stiffener's As, Is and ys.
SectionIds SectionFormulas(FormulaSheet& f, Id As, BookFigures& out) {
    Substitution& s = f.s;
    const StiffenerResult& st = f.check.stiffener;
    const auto tenThousands = [&](double mm4) { return s.Value(mm4, TenThousands); };
    const Id epsilonK = s.Value(st.epsilonK), be = f.Print(s.Value(st.be), out.be),
             Ap = f.Print(s.Value(st.Ap), out.Ap), Ip = f.Print(s.Value(st.Ip), out.Ip),
             Is = f.Print(tenThousands(st.Is), out.Is), ys = f.Print(s.Value(st.ys), out.ys),
             Yo = f.Print(s.Value(st.Yo), out.Yo), Ix = f.Print(tenThousands(st.Ix), out.Ix);
    f.Print(As, out.As);
    if (f.CurrentBasis()) {
        s.Formula(epsilonK, {f.Given(ValuesOf(f.bay.steel).fy)},
                  [](Inputs v) { return std::sqrt(235 / v[0]); });
    }
    if (st.be < f.bay.spacing) s.Formula(be, {f.Given(kStripThicknesses), f.t, epsilonK}, Product);
    s.Formula(Ap, {be, f.t}, Product);
    s.Formula(Ip, {be, f.t}, [](Inputs v) { return v[0] * v[1] * v[1] * v[1] / 12; });
    s.Formula(Yo, {Ap, f.halfT, As, ys},
              [](Inputs v) { return (v[0] * v[1] + v[2] * v[3]) / (v[0] + v[2]); });
    s.Formula(Ix, {Ip, Ap, Yo, f.halfT, Is, As, ys}, [](Inputs v) {
        return v[0] + v[1] * (v[2] - v[3]) * (v[2] - v[3]) + v[4] +
               v[5] * (v[6] - v[2]) * (v[6] - v[2]);
    });
    return {.epsilonK = epsilonK, .be = be, .Ap = Ap, .Yo = Yo, .Ix = Ix};
}

// The stiffener under its design load: Ms = q·a·L²/8, its two fibres, and its deflection
// under the standard load.
void StiffenerFormulas(FormulaSheet& f, const StiffenerLoadIds& loads, const SectionIds& section,
                       StiffenerFigures& out) {
    Substitution& s = f.s;
    const StiffenerResult& st = f.check.stiffener;
    const Id Ms = f.Print(s.Value(st.Ms), out.Ms);
    s.Formula(Ms, {loads.design, f.a, f.L},
              [](Inputs v) { return v[0] * 1e-3 * v[1] * v[2] * v[2] / 8; });
    FibreFormulas(f, Ms, section.Yo, section.Ix, st.stressTop, st.stressBottom, out);
    out.stress = Shown(st.shown.stress);
    const Id deflection = f.Print(s.Given(Shown(st.shown.deflection)), out.deflection);
    s.Formula(deflection, {loads.standard, f.a, f.L, f.E, section.Ix}, BeamDeflection);
}

// ---- The checks of the current basis ----

// S about the neutral axis Yo of the part of the section below it, as the check forms it for
// where the axis cuts (calc/stiffener_shear.h), from the figures shown.
Id FirstMoment(FormulaSheet& f, const ShearCheck& shear, Id be, Id Yo) {
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

// The outstand h/t or b/t against 15·εk, and 2·13·t·εk, the widest spacing whose plate
// outstand is S3.
void OutstandFormulas(FormulaSheet& f, Id epsilonK, CurrentBasisFigures& out) {
    Substitution& s = f.s;
    const OutstandCheck& outstand = *f.check.outstand;
    const Stiffener section = StiffenerSection(f.bay.stiffener);
    const auto* bar = std::get_if<FlatBar>(&section);
    const double width = bar ? bar->height : std::get<AngleValues>(section).shortLeg;
    const Id ratio = f.Print(s.Given(Shown(ShownValue{outstand.ratio})), out.ratio),
             limit = f.Print(s.Given(Shown(ShownValue{outstand.limit})), out.limit),
             compactWidth = f.Print(s.Value(2 * kCompactOutstandLimit * f.bay.thickness.mm *
                                            f.check.stiffener.epsilonK),
                                    out.compactWidth);
    s.Formula(ratio, {f.Given(width), f.Given(StiffenerThickness(section))},
              [](Inputs v) { return v[0] / v[1]; });
    s.Formula(limit, {f.Given(kOutstandLimit), epsilonK}, Product);
    s.Formula(compactWidth, {f.Given(2), f.Given(kCompactOutstandLimit), f.t, epsilonK}, Product);
}

// The stiffener's live-load deflection, its shear V = q·a·L/2 at the support, its outstand and
// the weld under that shear; gives S and Sp, which the point load's shear and weld take up.
std::pair<Id, Id> CurrentFormulas(FormulaSheet& f, const StiffenerLoadIds& loads,
                                  const SectionIds& section, CurrentBasisFigures& out) {
    Substitution& s = f.s;
    f.Print(section.epsilonK, out.epsilonK);
    const Id liveDeflection =
        f.Print(s.Given(Shown(f.check.stiffener.shown.liveDeflection)), out.liveDeflection);
    s.Formula(liveDeflection, {loads.live, f.a, f.L, f.E, section.Ix}, BeamDeflection);
    const Id V = f.Print(s.Value(f.check.shear->force), out.shear.V);
    s.Formula(V, {loads.design, f.aMetres, f.spanMetres},
              [](Inputs v) { return v[0] * v[1] * v[2] / 2; });
    const Id S = f.Print(FirstMoment(f, *f.check.shear, section.be, section.Yo), out.S);
    f.Print(ShearStress(f, *f.check.shear, V, S, section.Ix, section.be), out.shear.tau);
    OutstandFormulas(f, section.epsilonK, out);
    const Id Sp = WeldFormulas(f, *f.check.weld, V, section.Ap, section.Yo, section.Ix,
                               std::nullopt, out.weld);
    return {S, Sp};
}

}  // namespace

BookFigures FiguresOf(const BayInput& bay, const BayCheck& check) {
    Substitution s;
    FormulaSheet f = SheetOf(s, bay, check);
    BookFigures figures{};
    const Id As = s.Value(check.stiffener.As);
    const LoadIds loads = LoadFormulas(f, As, figures);
    PlateFormulas(f, loads, figures);
    const StiffenerLoadIds stiffenerLoads = StiffenerLoadFormulas(f, loads, figures);
    const SectionIds section = SectionFormulas(f, As, figures);
    StiffenerFormulas(f, stiffenerLoads, section, figures.stiffener);
    FromUniformLoad uniform{.dead = loads.dead,
                            .be = section.be,
                            .Ap = section.Ap,
                            .Yo = section.Yo,
                            .Ix = section.Ix,
                            .S = std::nullopt,
                            .Sp = std::nullopt};
    if (check.shear && check.outstand && check.weld) {
        const auto [S, Sp] = CurrentFormulas(f, stiffenerLoads, section, figures.current.emplace());
        uniform.S = S;
        uniform.Sp = Sp;
    }
    if (check.pointLoad) PointLoadFormulas(f, uniform, figures.pointLoad.emplace());
    f.Solve();
    return figures;
}

}  // namespace deckplate::report
