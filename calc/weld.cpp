#include "calc/weld.h"

#include <algorithm>
#include <cmath>

#include "calc/code_values.h"
#include "calc/number_text.h"

namespace deckplate {

namespace {

struct ArrangementWords {
    WeldArrangement arrangement;
    std::string_view key, chinese;
};
constexpr ArrangementWords kArrangements[] = {
    {WeldArrangement::Double, "double", "双面连续"},
    {WeldArrangement::Intermittent, "intermittent", "双面断续"},
    {WeldArrangement::Single, "single", "单面连续"},
};

const ArrangementWords& WordsOf(WeldArrangement arrangement) {
    return kArrangements[static_cast<std::size_t>(arrangement)];
}

}  // namespace

std::string_view ArrangementKey(WeldArrangement arrangement) { return WordsOf(arrangement).key; }

std::string_view ArrangementNameZh(WeldArrangement arrangement) {
    return WordsOf(arrangement).chinese;
}

std::string SegmentsText(const WeldSegments& segments) {
    return PlainNumberText(segments.length) + "@" + PlainNumberText(segments.pitch);
}

std::string WeldDescriptionZh(const WeldCheck& weld) {
    std::string text = std::string(ArrangementNameZh(weld.arrangement)) +
                       "角焊缝 hf = " + PlainNumberText(weld.size) + " mm";
    if (weld.segments) text += "，" + SegmentsText(*weld.segments);
    return text;
}

double LeastWeldSize(double thickerPart) {
    for (const WeldLegBand& band : kLeastWeldLegs)
        if (!Exceeds(thickerPart, band.upToThickness)) return band.leastLeg;
    return kLeastWeldLegAbove;
}

double DefaultWeldSize(double plateThickness, double stiffenerThickness) {
    return std::min(LeastWeldSize(std::max(plateThickness, stiffenerThickness)),
                    std::min(plateThickness, stiffenerThickness));
}

double WeldStrength(SteelGrade grade) { return ValuesOf(grade).weldStrength; }

std::string_view ElectrodeOf(SteelGrade grade) { return ValuesOf(grade).electrode; }

WeldCheck CheckWeld(const Weld& weld, double force, double thickness,
                    const StiffenerResult& section, double stiffenerThickness, SteelGrade grade,
                    bool pointLoad) {
    WeldCheck c;
    c.arrangement = weld.arrangement;
    c.size = weld.size.value_or(DefaultWeldSize(thickness, stiffenerThickness));
    c.throats = weld.arrangement == WeldArrangement::Single ? 1 : 2;
    c.force = force;
    c.limit = WeldStrength(grade);
    const Quantity quantity = pointLoad ? Quantity::PointLoadWeldStress : Quantity::WeldStress;
    const Checked hf = InputNumber(c.size);
    c.throat = Compute(quantity, [&] { return kFilletThroat * hf; }).value();
    // Without a stiffener (no area below the plate) nothing is welded and no shear flows: the
    // bare strip's Yo is t/2 but for the last bit, which must not load a weld of no throat.
    const bool welded = section.As > 0.0;
    c.Sp = welded
               ? std::fabs(Compute(quantity,
                                   [&] {
                                       return Checked(section.Ap) *
                                              (Checked(section.Yo) - InputNumber(thickness) / 2.0);
                                   })
                               .value())
               : 0.0;
    c.shearFlow =
        Compute(quantity, [&] { return Checked(force) * 1000.0 * c.Sp / section.Ix; }).value();
    // An intermittent weld carries a pitch's shear flow on each segment's effective length.
    Checked share = 1.0;
    if (weld.arrangement == WeldArrangement::Intermittent && weld.segments) {
        c.segments = weld.segments;
        c.effectiveLength = Compute(quantity, [&] {
                                return InputNumber(weld.segments->length) - 2.0 * hf;
                            }).value();
        share = Compute(quantity, [&] {
            return InputNumber(weld.segments->pitch) / Checked(c.effectiveLength);
        });
    }
    // No shear flow (no stiffener, or no load) loads no weld.
    const Checked tau = Compute(quantity, [&] {
        if (c.shearFlow == 0.0) return Checked(0.0);
        return Checked(c.shearFlow) * share / (Checked(c.throats) * c.throat);
    });
    c.shown = {tau.value()};
    c.stress = c.shown.Rounded();
    c.verdict = detail::JudgeStrength(
        c.stress, c.limit,
        pointLoad
            ? detail::VerdictTexts{"★焊缝集中荷载应力超出限值<", "N/mm2>,须重新计算",
                                   "焊缝集中荷载强度满足要求"}
            : detail::VerdictTexts{"★焊缝应力超出限值<", "N/mm2>,须重新计算", "焊缝强度满足要求"});
    return c;
}

namespace {

WeldDetailingCheck Broken(WeldRule rule, double required, double actual, std::string_view what,
                          std::string_view relation) {
    return {rule,
            required,
            actual,
            0,
            true,
            "★" + std::string(what) + PlainNumberText(actual) + "mm" + std::string(relation) +
                "构造要求<" + PlainNumberText(required) + "mm>,须修改"};
}

}  // namespace

WeldDetailingCheck CheckWeldDetailing(const WeldCheck& weld, double plateThickness,
                                      double stiffenerThickness) {
    const double thinner = std::min(plateThickness, stiffenerThickness);
    const double least = LeastWeldSize(std::max(plateThickness, stiffenerThickness));
    const double hf = weld.size;
    // A leg as large as the thinner part is all the joint can take (Table 11.3.5, note 2).
    const double leastSize = std::min(least, thinner);
    if (!Reaches(hf, leastSize))
        return Broken(WeldRule::LegTooSmall, leastSize, hf, "焊脚尺寸", "小于");
    if (const auto& segments = weld.segments) {
        const double segment = std::max(kLeastSegmentLegs * hf, kLeastSegment);
        if (!Reaches(segments->length, segment))
            return Broken(WeldRule::SegmentTooShort, segment, segments->length, "断续焊缝段长",
                          "小于");
        const double effective = std::max(kLeastEffectiveLegs * hf, kLeastEffectiveLength);
        if (!Reaches(weld.effectiveLength, effective))
            return Broken(WeldRule::EffectiveTooShort, effective, weld.effectiveLength,
                          "断续焊缝计算长度", "小于");
        const double gap = segments->pitch - segments->length;
        const double widest = kWidestGapThicknesses * thinner;
        if (Exceeds(gap, widest))
            return Broken(WeldRule::GapTooWide, widest, gap, "断续焊缝净距", "大于");
    }
    return {WeldRule::None, 0, 0, leastSize, false, "焊缝构造满足要求"};
}

}  // namespace deckplate
