#include "project/saved_bay.h"

#include <array>
#include <charconv>

#include "input/bay_inputs.h"

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

bool HeldInOneControl(BayField field) {
    return field != BayField::Boundary && field != BayField::Stiffener &&
           field != BayField::PointLoad && field != BayField::Patch;
}

std::string SavedBay::Text(BayField field) const {
    if (const auto text = texts.find(field); text != texts.end()) return text->second;
    // A box a new bay leaves empty; a choice as a new bay has it.
    if (input::RowOf(field).kind == input::InputKind::Number) return {};
    return input::RowOf(field).text(input::DefaultBay());
}

SavedBay SavedBayOf(const BayInput& bay) {
    SavedBay saved{.simplySupported = bay.boundary.simple, .continuous = bay.boundary.continuous};
    for (const input::InputRow& row : input::BayInputs())
        if (HeldInOneControl(row.field)) saved.texts[row.field] = row.text(bay);
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
