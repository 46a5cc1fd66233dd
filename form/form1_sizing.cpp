// 工具 → 自动选型…: the lightest design for the bay's loads, span, boundary, basis and point load,
// taken into the window and verified, so that the window, the report and the book show it.
#include "calc/number_text.h"
#include "form/form1.h"
#include "form/sizing_dialog.h"

namespace deckplate::form {

using enum Control;

void Form1::Sizing_Click() {
    SizingBay bay;
    try {
        if (RefuseInput(InputUse::Sizing)) return;
        bay = {.dead = Read(DeadLoad),
               .live = Read(LiveLoad),
               .span = Read(Span),
               .continuous = State(Continuous).checked,
               .basis = basis_,
               .spacing = State(Spacing).text};
        if (PointLoadShown())
            bay.pointLoad = PointLoad{Read(PointLoadForce), Read(PatchAcross), Read(PatchAlong)};
    } catch (const ArithmeticError& error) {
        ReportArithmeticFault(error);  // a number beyond the double range
        return;
    }
    SizingDialog dialog(platform_, std::move(bay));
    platform_.RunDialog(dialog);
    if (dialog.Applied()) ApplyDesign(*dialog.Applied());
}

void Form1::ApplyDesign(const sizing::Candidate& design) {
    // Through the handlers, as if the engineer had picked and typed it.
    const std::vector<std::string>& thicknesses = State(Thickness).items;
    for (std::size_t i = 0; i < thicknesses.size(); ++i)
        if (thicknesses[i] == design.thickness.text) ListPicked(Thickness, static_cast<int>(i));
    if (const auto* angle = std::get_if<CatalogueAngle>(&design.stiffener)) {
        Clicked(AngleChoice);
        ListPicked(AngleSize, angle->position);
    } else {
        const FlatBar& bar = std::get<FlatBar>(design.stiffener);
        Clicked(FlatBarChoice);
        TextEdited(FlatBarHeight, PlainNumberText(bar.height));
        TextEdited(FlatBarThickness, PlainNumberText(bar.thickness));
    }
    TextEdited(Spacing, PlainNumberText(design.spacing));
    Clicked(VerifyButton);
}

}  // namespace deckplate::form
