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
               .steel = Steel(),
               .spacing = State(Spacing).text};
        if (PointLoadShown())
            bay.pointLoad = PointLoad{.force = Read(PointLoadForce),
                                      .across = Read(PatchAcross),
                                      .along = Read(PatchAlong)};
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
    PickThickness(design.thickness);
    ChooseStiffener(design.stiffener);
    TextEdited(Spacing, PlainNumberText(design.spacing));
    Clicked(VerifyButton);
}

}  // namespace deckplate::form
