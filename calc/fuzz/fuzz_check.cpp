// The whole check on arbitrary doubles: either every value and text is finite, or one of the
// three arithmetic faults is raised. Nothing else may escape.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/bay_check.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void RequireText(const std::string& text) {
    Require(!text.empty());
    Require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
}

void RequireFinite(std::initializer_list<double> values) {
    for (double v : values) Require(std::isfinite(v));
}

// A bay from the fuzzer's bytes: ten doubles, then a byte of switches and a catalogue position.
deckplate::BayInput BayOf(const std::uint8_t* data, std::size_t size) {
    double v[10] = {};
    std::memcpy(v, data, std::min(size, sizeof v));
    const std::uint8_t flags = size > sizeof v ? data[sizeof v] : 0;

    deckplate::BayInput bay;
    bay.dead = v[0];
    bay.live = v[1];
    bay.thickness = {v[2]};
    bay.span = v[3];
    bay.spacing = v[4];
    bay.boundary = deckplate::BoundaryOf(flags & 1);
    bay.basis = flags & 4 ? deckplate::DesignBasis::Current : deckplate::DesignBasis::Legacy;
    if (flags & 2)
        bay.stiffener = deckplate::FlatBar{v[5], v[6]};
    else
        // Any list position, the catalogue's and those beyond it (−1: none picked).
        bay.stiffener = deckplate::CatalogueAngle{
            static_cast<std::int16_t>((size > sizeof v + 1 ? data[sizeof v + 1] : 0) - 1)};
    // The current basis' own inputs: the self-weight in D or added, the safety class, a weld of
    // any leg.
    bay.deadIncludesSelfWeight = (flags & 16) != 0;
    bay.safetyClass = static_cast<deckplate::SafetyClass>((flags >> 5) % 3);
    if (flags & 128) bay.weld.size = v[7];
    // The point load's force and patch from values the bay also uses elsewhere.
    if (flags & 8)
        bay.pointLoad = deckplate::PointLoad{.force = v[1], .across = v[5], .along = v[6]};
    return bay;
}

// The uniform load's case: every value finite, every text a number's or a verdict's.
void RequireUniformLoadSound(const deckplate::BayCheck& c) {
    const auto& p = c.plate;
    const auto& s = c.stiffener;
    RequireFinite({p.q,
                   p.qk,
                   p.f,
                   s.f,
                   p.alpha,
                   p.beta,
                   p.moment,
                   p.stress,
                   p.deflection,
                   s.be,
                   s.Ap,
                   s.Ip,
                   s.As,
                   s.Is,
                   s.ys,
                   s.Yo,
                   s.Ix,
                   s.Ms,
                   s.deflection,
                   s.stressTop,
                   s.stressBottom,
                   s.stress,
                   s.selfWeight,
                   c.plateDeflection.ratio,
                   c.stiffenerDeflection.ratio,
                   c.loads.deadTotal});
    if (const auto& weld = c.weld) {
        RequireFinite({weld->shearFlow, weld->stress, s.liveDeflection});
        RequireText(weld->verdict.text);
    }
    Require(s.stress >= 0);
    for (const deckplate::ShownValue& shown :
         {p.shown.moment, p.shown.deflection, p.shown.stress, s.shown.moment, s.shown.deflection,
          s.shown.stress, s.shown.centroid, s.shown.inertia, s.shown.area,
          s.shown.compositeCentroid, s.shown.compositeInertia, s.shown.selfWeight})
        RequireText(deckplate::DisplayText(shown));
    for (const std::string* t : {&c.plateStrength.text, &c.stiffenerStrength.text,
                                 &c.plateDeflection.text, &c.stiffenerDeflection.text})
        RequireText(*t);
}

void RequirePointLoadSound(const deckplate::PointLoadCheck& pl) {
    RequireFinite({pl.plate.moment, pl.plate.stress, pl.plate.deflection, pl.plate.deflectionLimit,
                   pl.stiffener.Ms, pl.stiffener.stress, pl.stiffener.deflection,
                   pl.stiffenerDeflection.ratio});
    Require(pl.stiffener.stress >= 0);
    for (const deckplate::ShownValue& shown :
         {pl.plate.shown.stress, pl.plate.shown.deflection, pl.stiffener.shown.stress})
        RequireText(deckplate::DisplayText(shown));
    for (const std::string* t :
         {&pl.plateStrength.text, &pl.plateDeflection.text, &pl.stiffenerDeflection.text})
        RequireText(*t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const deckplate::BayCheck c = deckplate::CheckBay(BayOf(data, size));
        RequireUniformLoadSound(c);
        if (const auto& pl = c.pointLoad) RequirePointLoadSound(*pl);
    } catch (const deckplate::ArithmeticError&) {
        // One of the three faults, named: the expected way for absurd input to end.
    }
    return 0;
}
