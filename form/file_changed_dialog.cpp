#include "form/file_changed_dialog.h"

#include <string>

namespace deckplate::form {
namespace {

using enum FileChangedControl;
using enum DialogKind;

constexpr int Id(FileChangedControl control) { return static_cast<int>(control); }

// clang-format off
constexpr DialogRow kRows[] = {
    {Id(Question), "Question", Label,       240,  240, 5520,  960, ""},
    {Id(SaveAs),   "SaveAs",   PushButton, 1560, 1320, 1320,  390, "另存为(&A)…", true},
    {Id(Save),     "Save",     PushButton, 3000, 1320, 1320,  390, "仍然保存(&S)"},
    {Id(Cancel),   "Cancel",   PushButton, 4440, 1320, 1320,  390, "取消"},
};
// clang-format on
static_assert(RowsInOrder(kRows), "row i of the table must describe control i");
constexpr DialogTable kTable{"文件已被改过", 6000, 1950, kRows};

}  // namespace

FileChangedDialog::FileChangedDialog(std::string_view name) : Dialog(kTable) {
    SetText(Id(Question), "“" + std::string(name) +
                              "”在本窗口打开或上次保存之后，已被另一个窗口或程序改过。\n"
                              "保存将替换那些修改。");
}

void FileChangedDialog::OnClicked(int control) {
    switch (static_cast<FileChangedControl>(control)) {
        case FileChangedControl::Save:
            answer_ = Answer::Save;
            break;
        case FileChangedControl::SaveAs:
            answer_ = Answer::SaveAs;
            break;
        case FileChangedControl::Cancel:
        case FileChangedControl::Question:
            break;
    }
    Finish();
}

}  // namespace deckplate::form
