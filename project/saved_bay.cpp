#include "project/saved_bay.h"

#include <array>
#include <charconv>

namespace deckplate::project {
namespace {

// The shortest text that reads back as exactly `x`: a bay file saved by a check gives that
// check's numbers again to the last bit.
std::string ExactText(double x) {
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), x).ptr;
    return {text.data(), end};
}

}  // namespace

SavedBay SavedBayOf(const BayInput& bay) {
    SavedBay saved{.dead = ExactText(bay.dead),
                   .live = ExactText(bay.live),
                   .thickness = ExactText(bay.thickness.mm),
                   .span = ExactText(bay.span),
                   .spacing = ExactText(bay.spacing),
                   .simplySupported = bay.boundary.simple,
                   .continuous = bay.boundary.continuous,
                   .basis = bay.basis,
                   .steel = bay.steel};
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener)) {
        saved.stiffener = StiffenerKind::FlatBar;
        saved.flatBarHeight = ExactText(bar->height);
        saved.flatBarThickness = ExactText(bar->thickness);
    } else {
        saved.stiffener = StiffenerKind::Angle;
        saved.angle = StiffenerName(bay.stiffener);
    }
    if (bay.pointLoad) {
        saved.pointLoadChecked = true;
        saved.pointLoad = ExactText(bay.pointLoad->force);
        saved.patchAcross = ExactText(bay.pointLoad->across);
        saved.patchAlong = ExactText(bay.pointLoad->along);
    }
    return saved;
}

}  // namespace deckplate::project
