#include "cli/bay_source.h"

#include "os/shown_text.h"

namespace deckplate::cli {

using input::Input;
using project::SavedBay;

BaySource::BaySource(const std::optional<std::string>& from) : path_(from.value_or("")) {
    if (!from) return;
    try {
        file_ = project::ReadBayFile(*from);
    } catch (const project::BayFileError& e) {
        throw input::ValueError("--from " + os::ShownWhole(*from) + ": " + e.what());
    }
}

project::ProjectInfo BaySource::Project() const {
    return file_ ? file_->project : project::ProjectInfo{};
}

Input BaySource::Key(std::string_view key, BayField field) const {
    return {os::ShownWhole(path_) + ": bay." + std::string(key), field};
}

void BaySource::Read(const input::InputRow& row, BayInput& bay) const {
    if (!file_) return;
    const SavedBay& saved = file_->bay;
    switch (row.field) {
        case BayField::Boundary:
            bay.boundary = {.simple = saved.simplySupported, .continuous = saved.continuous};
            return;
        case BayField::Stiffener:
            if (saved.stiffener == project::StiffenerKind::FlatBar) {
                bay.stiffener =
                    FlatBar{input::Length(saved.flatBarHeight,
                                          Key("flat_bar_height", BayField::FlatBarHeight)),
                            input::Length(saved.flatBarThickness,
                                          Key("flat_bar_thickness", BayField::FlatBarThickness))};
            } else if (saved.angle.empty()) {
                throw input::ValueError(os::ShownWhole(path_) +
                                        ": bay.angle: the stiffener is an angle, but none is "
                                        "picked; give --angle or --flat-bar");
            } else {
                bay.stiffener = input::ParseAngle(saved.angle, Key("angle", BayField::Stiffener));
            }
            return;
        case BayField::PointLoad:
            if (saved.pointLoadChecked)
                row.read(saved.pointLoad, Key("point_load", BayField::PointLoad), bay);
            return;
        case BayField::Patch:
            if (saved.pointLoadChecked && bay.pointLoad) {
                bay.pointLoad->across =
                    input::Length(saved.patchAcross, Key("patch_across", BayField::PatchAcross));
                bay.pointLoad->along =
                    input::Length(saved.patchAlong, Key("patch_along", BayField::PatchAlong));
            }
            return;
        default:
            // An empty box of an input a bay may leave out leaves it out (the weld's leg size).
            const std::string text = saved.Text(row.field);
            if (text.empty() && !row.required) return;
            row.read(text, Key(row.key, row.field), bay);
    }
}

}  // namespace deckplate::cli
