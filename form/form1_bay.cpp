// The bay the window's inputs describe, and the window filled from a bay: through the same
// handlers a user's typing, picks and clicks reach, so that the window shows what it would have
// shown had the engineer entered the bay.
#include "calc/number_text.h"
#include "form/form1.h"

namespace deckplate::form {

using enum Control;

BayInput Form1::ReadBay() const {
    BayInput bay;
    bay.dead = Read(DeadLoad);
    bay.live = Read(LiveLoad);
    bay.thickness = {Read(Thickness), State(Thickness).text};
    bay.span = Read(Span);
    bay.spacing = Read(Spacing);
    bay.boundary = {.simple = State(SimplySupported).checked,
                    .continuous = State(Continuous).checked};
    bay.basis = basis_;
    bay.steel = Steel();
    if (PointLoadShown()) {
        bay.pointLoad = PointLoad{
            .force = Read(PointLoadForce), .across = Read(PatchAcross), .along = Read(PatchAlong)};
    }
    if (!State(AngleChoice).checked)
        bay.stiffener = FlatBar{Read(FlatBarHeight), Read(FlatBarThickness)};
    else  // an angle never picked is no angle at all
        bay.stiffener =
            CatalogueAngle{State(AngleSize).picked >= 0 ? vars_.indexjudge : std::int16_t{-1}};
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
    if (pick([&](const std::string& item) { return item == thickness.text; })) return;
    if (pick([&](const std::string& item) { return ParseNumber(item) == thickness.mm; })) return;
    TextEdited(Thickness, thickness.text);
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
}

}  // namespace deckplate::form
