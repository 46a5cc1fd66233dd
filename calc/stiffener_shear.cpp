#include "calc/stiffener_shear.h"

#include "calc/number_text.h"

namespace deckplate {
namespace {

// S and w about the neutral axis Yo (from the plate's top face) of the part below it.
struct Cut {
    AxisCut where;
    Checked S, width;
};

Cut BelowTheAxis(Checked t, Checked Yo, Checked be, const Stiffener& stiffener) {
    // The axis in the plate: the plate above it balances all below it.
    if (Yo <= t) return {AxisCut::Plate, be * Yo * Yo / 2.0, be};
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) {
        const Checked below = t + Checked(bar->height) - Yo;
        return {AxisCut::Web, Checked(bar->thickness) * below * below / 2.0, bar->thickness};
    }
    const AngleValues& angle = std::get<AngleValues>(stiffener);
    const Checked H = angle.H, b = angle.shortLeg, leg = angle.legThickness;
    const Checked bottom = t + H;         // the short leg's lower face
    const Checked legTop = bottom - leg;  // and its upper face
    const Checked outstand = b - leg;     // the short leg beside the long one
    const Checked below = bottom - Yo;
    if (Yo >= legTop)  // the axis through the short leg: both legs are cut
        return {AxisCut::ShortLeg, b * below * below / 2.0, b};
    return {AxisCut::Web, leg * below * below / 2.0 + outstand * leg * (bottom - leg / 2.0 - Yo),
            leg};
}

}  // namespace

double SupportShear(double q, double spacing, double span) {
    return Compute(Quantity::StiffenerShear,
                   [&] {
                       return Checked(q) * (Checked(spacing) / 1000.0) * (Checked(span) / 1000.0) /
                              2.0;
                   })
        .value();
}

ShearCheck StiffenerShear(double force, double thickness, const Stiffener& stiffener,
                          const StiffenerResult& section, bool pointLoad) {
    const Quantity quantity =
        pointLoad ? Quantity::PointLoadStiffenerShear : Quantity::StiffenerShear;
    ShearCheck c;
    c.force = force;
    c.fv = section.fv;
    const Checked tau = Compute(quantity, [&] {
        const Cut cut = BelowTheAxis(InputNumber(thickness), section.Yo, section.be, stiffener);
        c.cut = cut.where;
        c.S = cut.S.value();
        c.width = cut.width.value();
        return Checked(force) * 1000.0 * cut.S / (Checked(section.Ix) * cut.width);
    });
    c.shown = {tau.value()};
    c.stress = c.shown.Rounded();
    c.verdict = detail::JudgeStrength(
        c.stress, c.fv,
        pointLoad ? detail::VerdictTexts{"★加劲肋集中荷载剪应力超出限值<", "N/mm2>,须重新计算",
                                         "加劲肋集中荷载抗剪满足要求"}
                  : detail::VerdictTexts{"★加劲肋剪应力超出限值<", "N/mm2>,须重新计算",
                                         "加劲肋抗剪满足要求"});
    return c;
}

OutstandCheck CheckOutstand(const Stiffener& stiffener, double epsilonK) {
    OutstandCheck c;
    c.limit = kOutstandLimit * epsilonK;
    const auto* bar = std::get_if<FlatBar>(&stiffener);
    const double width = bar ? bar->height : std::get<AngleValues>(stiffener).shortLeg;
    const double thickness = bar ? bar->thickness : std::get<AngleValues>(stiffener).legThickness;
    c.ratio = Compute(Quantity::StiffenerOutstand, [&] {
                  return width == 0 ? Checked(0) : Checked(width) / thickness;
              }).value();
    c.exceeded = Exceeds(c.ratio, c.limit);
    c.text = c.exceeded ? "★加劲肋宽厚比" + DisplayText(c.ratio) + "超出限值<" +
                              PlainNumberText(RoundDecimals(c.limit, 2)) + ">,须重新计算"
                        : "加劲肋宽厚比满足要求";
    return c;
}

}  // namespace deckplate
