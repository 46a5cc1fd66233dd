#include "form/save_changes_dialog.h"

#include <string>

namespace deckplate::form {
namespace {

using enum SaveChangesControl;
using enum DialogKind;

constexpr int Id(SaveChangesControl control) { return static_cast<int>(control); }

// clang-format off
constexpr DialogRow kRows[] = {
    {Id(Question), "Question", Label,       240,  240, 5520,  720, ""},
    {Id(Save),     "Save",     PushButton, 1560, 1080, 1320,  390, "保存(&S)", true},
    {Id(Discard),  "Discard",  PushButton, 3000, 1080, 1320,  390, "不保存(&N)"},
    {Id(Cancel),   "Cancel",   PushButton, 4440, 1080, 1320,  390, "取消"},
};
// clang-format on
static_assert(RowsInOrder(kRows), "row i of the table must describe control i");
constexpr DialogTable kTable{"保存更改", 6000, 1710, kRows};

}  // namespace

const DialogTable& SaveChangesDialogTable() { return kTable; }

SaveChangesDialog::SaveChangesDialog(std::string_view name) : Dialog(kTable) {
    SetText(Id(Question), "是否保存对“" + std::string(name) + "”的更改？");
}

void SaveChangesDialog::OnClicked(int control) {
    switch (static_cast<SaveChangesControl>(control)) {
        case SaveChangesControl::Save:
            answer_ = Answer::Save;
            break;
        case SaveChangesControl::Discard:
            answer_ = Answer::Discard;
            break;
        case SaveChangesControl::Cancel:
        case SaveChangesControl::Question:
            break;
    }
    Finish();
}

}  // namespace deckplate::form
