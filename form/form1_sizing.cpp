// 工具 → 自动选型…: the lightest design for the bay's loads, span, boundary, basis and point load,
// taken into the window and verified, so that the window, the report and the book show it.
#include <algorithm>

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "form/form1.h"
#include "form/sizing_dialog.h"

namespace deckplate::form {

using enum Control;

void Form1::Sizing_Click() {
    if (RefuseInput(InputUse::Sizing)) return;
    SizingBay bay;
    try {
        bay = {Read(Text1), Read(Text2),  Read(Text4),      State(Check2).checked,
               basis_,      std::nullopt, State(Text5).text};
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
        if (thicknesses[i] == design.thickness) ListPicked(Combo1, static_cast<int>(i));
    const auto angles = AngleCatalogue();
    const auto angle = std::ranges::find(angles, design.stiffener, &AngleRow::designation);
    if (angle != angles.end()) {
        Clicked(Option2);
        ListPicked(Combo2, static_cast<int>(angle - angles.begin()));
    } else {
        const std::size_t x = design.stiffener.find('x');  // a flat bar: "80x8"
        Clicked(Option1);
        TextEdited(Text9, design.stiffener.substr(0, x));
        TextEdited(Text13, design.stiffener.substr(x + 1));
    }
    TextEdited(Text5, PlainNumberText(design.spacing));
    Clicked(Command1);
}

}  // namespace deckplate::form
