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
        bay = {.dead = Read(Text1),
               .live = Read(Text2),
               .span = Read(Text4),
               .continuous = State(Check2).checked,
               .basis = basis_,
               .spacing = State(Text5).text};
        if (PointLoadShown()) bay.pointLoad = PointLoad{Read(Text14), Read(Text15), Read(Text16)};
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
    const std::vector<std::string>& thicknesses = State(Combo1).items;
    for (std::size_t i = 0; i < thicknesses.size(); ++i)
        if (thicknesses[i] == design.thickness.text) ListPicked(Combo1, static_cast<int>(i));
    if (const auto* angle = std::get_if<CatalogueAngle>(&design.stiffener)) {
        Clicked(Option2);
        ListPicked(Combo2, angle->position);
    } else {
        const FlatBar& bar = std::get<FlatBar>(design.stiffener);
        Clicked(Option1);
        TextEdited(Text9, PlainNumberText(bar.height));
        TextEdited(Text13, PlainNumberText(bar.thickness));
    }
    TextEdited(Text5, PlainNumberText(design.spacing));
    Clicked(Command1);
}

}  // namespace deckplate::form
