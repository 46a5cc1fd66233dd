#include "cli/bay_source.h"

#include "os/shown_text.h"

namespace deckplate::cli {

using project::SavedBay;
using schedule::Input;

BaySource::BaySource(const std::optional<std::string>& from)
    : path_(os::ShownWhole(from.value_or(""))) {
    if (!from) return;
    try {
        file_ = project::ReadBayFile(*from);
    } catch (const project::BayFileError& e) {
        throw schedule::ValueError("--from " + path_ + ": " + e.what());
    }
}

project::ProjectInfo BaySource::Project() const {
    return file_ ? file_->project : project::ProjectInfo{};
}

Input BaySource::Key(std::string_view key, BayField field) const {
    return {path_ + ": bay." + std::string(key), field};
}

Input BaySource::Giver(bool given, const Input& option, std::string_view key) const {
    return given || !file_ ? option : Key(key, option.field);
}

void BaySource::Missing(const Input& option) {
    throw schedule::ValueError(option.name + " is required, unless --from FILE.deckplate gives it");
}

Boundary BaySource::BoundaryOf(bool continuous) const {
    if (continuous || !file_) return deckplate::BoundaryOf(continuous);
    return {.simple = file_->bay.simplySupported, .continuous = file_->bay.continuous};
}

BasisChoice BaySource::Basis() const {
    if (!file_) return {};
    return {file_->bay.basis, file_->bay.steel};
}

StiffenerChoice BaySource::Stiffener(const std::optional<std::string>& flatBar,
                                     const std::optional<std::string>& angle) const {
    if (flatBar) return schedule::ParseFlatBar(*flatBar, {"--flat-bar", BayField::Stiffener});
    if (angle) return schedule::ParseAngle(*angle, {"--angle", BayField::Stiffener});
    if (!file_)
        throw schedule::ValueError(
            "the stiffener is missing: give --flat-bar HxT or --angle DESIGNATION");
    const SavedBay& bay = file_->bay;
    if (bay.stiffener == project::StiffenerKind::FlatBar) {
        return FlatBar{
            schedule::Length(bay.flatBarHeight, Key("flat_bar_height", BayField::FlatBarHeight)),
            schedule::Length(bay.flatBarThickness,
                             Key("flat_bar_thickness", BayField::FlatBarThickness))};
    }
    if (bay.angle.empty())
        throw schedule::ValueError(path_ +
                                   ": bay.angle: the stiffener is an angle, but none is "
                                   "picked; give --angle or --flat-bar");
    return schedule::ParseAngle(bay.angle, Key("angle", BayField::Stiffener));
}

std::optional<PointLoad> BaySource::PointLoadOf(const PointLoadOptions& options) const {
    const bool fileHasOne = file_ && file_->bay.pointLoadChecked;
    if (options.force || !fileHasOne) return ReadPointLoad(options);
    const SavedBay& bay = file_->bay;
    PointLoad load{
        .force = schedule::PointLoadForce(bay.pointLoad, Key("point_load", BayField::PointLoad))};
    if (options.patch) {
        const schedule::Patch patch = ReadPatch(options);
        load.across = patch.across;
        load.along = patch.along;
    } else {
        load.across = schedule::Length(bay.patchAcross, Key("patch_across", BayField::PatchAcross));
        load.along = schedule::Length(bay.patchAlong, Key("patch_along", BayField::PatchAlong));
    }
    return load;
}

}  // namespace deckplate::cli
