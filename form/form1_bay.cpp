// The bay the window's inputs describe, and the window filled from a bay: through the same
// handlers a user's typing, picks and clicks reach, so that the window shows what it would have
// shown had the engineer entered the bay.
#include <algorithm>

#include "calc/number_text.h"
#include "form/form1.h"
#include "input/bay_inputs.h"

namespace deckplate::form {

using enum Control;

std::string Form1::PlaceText(const InputPlace& place) const {
    if (!place.menu.empty()) {
        const auto chosen = menuInputs_.find(place.field);
        return chosen != menuInputs_.end() ? chosen->second
                                           : input::RowOf(place.field).text(input::DefaultBay());
    }
    const ControlState& state = State(*place.control);
    if (place.words.empty()) return state.text;
    return std::string(place.words[static_cast<std::size_t>(std::max(state.picked, 0))]);
}

void Form1::ShowPlaceText(const InputPlace& place, const std::string& text) {
    if (!place.menu.empty()) {
        // As a choice in the menu: remembered, and the results on show no longer current.
        if (PlaceText(place) == text) return;
        menuInputs_[place.field] = text;
        ShowMenuInputs();
        platform_.SaveSetting(place.setting, text);
        InputChanged();
        return;
    }
    if (place.words.empty()) return TextEdited(*place.control, text);
    const auto word = std::ranges::find(place.words, text);
    if (word != place.words.end())
        ListPicked(*place.control, static_cast<int>(word - place.words.begin()));
}

BayInput Form1::ReadBay() const { return ReadBayFor(InputUse::Verify); }

BayInput Form1::ReadBayFor(InputUse use) const {
    const auto read = [&](Control box) { return Reads(use, box) ? Read(box) : 0.0; };
    BayInput bay = input::DefaultBay();
    bay.dead = read(DeadLoad);
    bay.live = read(LiveLoad);
    bay.thickness = ThicknessOf(read(Thickness));
    bay.span = read(Span);
    bay.spacing = read(Spacing);
    bay.boundary = {.simple = State(SimplySupported).checked,
                    .continuous = State(Continuous).checked};
    bay.basis = basis_;
    bay.steel = Steel();
    if (PointLoadShown()) {
        bay.pointLoad = PointLoad{
            .force = read(PointLoadForce), .across = read(PatchAcross), .along = read(PatchAlong)};
    }
    if (!State(AngleChoice).checked)
        bay.stiffener = FlatBar{read(FlatBarHeight), read(FlatBarThickness)};
    else  // an angle never picked is no angle at all
        bay.stiffener =
            CatalogueAngle{State(AngleSize).picked >= 0 ? vars_.indexjudge : std::int16_t{-1}};
    // The inputs of the current basis only under it; an empty box leaves its input out.
    for (const InputPlace& place : InputPlaces()) {
        const input::InputRow& row = input::RowOf(place.field);
        if (row.currentOnly && basis_ != DesignBasis::Current) continue;
        if (place.menu.empty() && use != InputUse::Verify) continue;
        const std::string text = PlaceText(place);
        if (!Trimmed(text).empty()) row.read(text, {"", place.field}, bay);
    }
    return bay;
}

void Form1::PickThickness(const PlateThickness& thickness) {
    // The list's item as written, or else of the same value ("6" is "6.0"); a thickness the list
    // lacks is typed into its field.
    const std::vector<std::string>& items = State(Thickness).items;
    const auto pick = [&](auto&& same) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (same(items[i])) {
                ListPicked(Thickness, static_cast<int>(i));
                return true;
            }
        }
        return false;
    };
    if (pick([&](const std::string& item) { return ParseNumber(item) == thickness.mm; })) return;
    TextEdited(Thickness, PlainNumberText(thickness.mm));
}

void Form1::ChooseStiffener(const StiffenerChoice& stiffener) {
    if (const auto* angle = std::get_if<CatalogueAngle>(&stiffener)) {
        Clicked(AngleChoice);
        ListPicked(AngleSize, angle->position);
    } else {
        const FlatBar& bar = std::get<FlatBar>(stiffener);
        Clicked(FlatBarChoice);
        TextEdited(FlatBarHeight, PlainNumberText(bar.height));
        TextEdited(FlatBarThickness, PlainNumberText(bar.thickness));
    }
}

void Form1::Fill(const BayInput& bay) {
    TextEdited(DeadLoad, PlainNumberText(bay.dead));
    TextEdited(LiveLoad, PlainNumberText(bay.live));
    PickThickness(bay.thickness);
    TextEdited(Span, PlainNumberText(bay.span));
    TextEdited(Spacing, PlainNumberText(bay.spacing));
    if (State(SimplySupported).checked != bay.boundary.simple) Clicked(SimplySupported);
    if (State(Continuous).checked != bay.boundary.continuous) Clicked(Continuous);
    ChooseStiffener(bay.stiffener);
    ChooseBasis(bay.basis);
    ChooseSteel(bay.steel);
    if (PointLoadShown() != bay.pointLoad.has_value()) PointLoad_Click();
    if (const auto& load = bay.pointLoad) {
        TextEdited(PointLoadForce, PlainNumberText(load->force));
        TextEdited(PatchAcross, PlainNumberText(load->across));
        TextEdited(PatchAlong, PlainNumberText(load->along));
    }
    for (const InputPlace& place : InputPlaces())
        ShowPlaceText(place, input::RowOf(place.field).text(bay));
}

}  // namespace deckplate::form
