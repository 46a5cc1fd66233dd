// 工具 → 自动选型…: the lightest design for the bay's loads, span, boundary, basis and point load,
// taken into the window and verified, so that the window, the report and the book show it.
#include "calc/number_text.h"
#include "form/form1.h"
#include "form/sizing_dialog.h"
#include "input/value_words.h"

namespace deckplate::form {

using enum Control;

void Form1::Sizing_Click() {
    BayInput bay;
    try {
        if (RefuseInput(InputUse::Sizing)) return;
        bay = ReadBayFor(InputUse::Sizing);
    } catch (const ArithmeticError& error) {
        ReportArithmeticFault(error);  // a number beyond the double range
        return;
    } catch (const input::ValueError& error) {
        Refuse(InputUse::Sizing, ValueProblemWords(error.Problem()) + "。\n");
        return;
    }
    SizingDialog dialog(platform_, std::move(bay), State(Spacing).text);
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
