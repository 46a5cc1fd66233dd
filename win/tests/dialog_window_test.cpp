// A dialog in native controls: built from any dialog's table, it shows what the model changes,
// passes on what the user does, and ends as the model closes it, the owner usable again.
#include "win/dialog_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/wide_text.h"
#include "win/dialog_controls.h"
#include "win/native_state.h"
#include "win/tests/window_class.h"

namespace deckplate::win {
namespace {

using form::DialogKind;

enum TestControl { Box, Hint, Name, Family, Passing, Rows, Find, Shut };
// clang-format off
constexpr form::DialogRow kRows[] = {
    {Box,     "Box",     DialogKind::Frame,       120,   60, 5400, 3000, "条件"},
    {Hint,    "Hint",    DialogKind::Label,       240,  330, 1500,  300, "名称"},
    {Name,    "Name",    DialogKind::TextBox,    1800,  300, 1500,  330, "L50x5"},
    {Family,  "Family",  DialogKind::DropDown,   1800,  720, 1500,  330, ""},
    {Passing, "Passing", DialogKind::CheckBox,    240, 1140, 2400,  300, "只列通过的"},
    {Rows,    "Rows",    DialogKind::List,        240, 1500, 4800, 1400, "规格\t重量 kg/m"},
    {Find,    "Find",    DialogKind::PushButton, 5700,  300, 1200,  400, "查找", true},
    {Shut,    "Shut",    DialogKind::PushButton, 5700,  900, 1200,  400, "关闭"},
};
// clang-format on
const form::DialogTable kTable{"测试", 7200, 3240, kRows};

// Notes the clicks and the rows taken; 关闭 closes it.
class TestDialog : public form::Dialog {
  public:
    TestDialog() : Dialog(kTable) {
        SetItems(Family, {"角钢", "扁钢"});
        SetItems(Rows, {"L50x5\t3.77", "L63x6\t5.72"});
    }
    /// A change of the model's own, as a handler makes one.
    void ShowFound() {
        SetText(Hint, "找到 3 种");
        SetItems(Rows, {"L50x5\t3.77", "L56x5\t4.25", "L63x6\t5.72"});
        SetPicked(Rows, 2);
        Focus(Rows);
    }
    std::vector<std::string> events;

  private:
    void OnClicked(int control) override {
        events.push_back("clicked " + std::string(kRows[control].name));
        if (control == Shut) Finish();
    }
    void OnRowTaken(int list) override {
        events.push_back("taken " + std::to_string(State(list).picked));
    }
};

// The dialog's owner. kDeadline, posted to it after a key, cancels a dialog that the key left
// open, so that the test fails rather than hangs.
constexpr UINT kDeadline = WM_APP + 7;
LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message != kDeadline) return DefWindowProcW(window, message, w, l);
    ADD_FAILURE() << "the dialog is still open";
    reinterpret_cast<TestDialog*>(l)->Cancel();
    return 0;
}

HWND CreateOwner() {
    WNDCLASSW ownerClass{};
    ownerClass.lpfnWndProc = OwnerProcedure;
    ownerClass.hInstance = GetModuleHandleW(nullptr);
    ownerClass.lpszClassName = L"DialogWindowTestOwner";
    RegisterClassW(&ownerClass);
    return CreateWindowExW(0, ownerClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                           nullptr, nullptr, ownerClass.hInstance, nullptr);
}

// Not shown, but for the row that runs the dialog modally: Wine without a window manager takes
// two seconds to take a shown window down.
struct Bench {
    Bench() : owner(CreateOwner()), window(dialog, owner) {}
    ~Bench() { DestroyWindow(owner); }

    HWND Native(TestControl control) const { return window.NativeControl(control); }
    /// A key pressed in a control, as the dialog's message loop passes it on.
    void Press(TestControl at, WPARAM key) {
        SetFocus(Native(at));
        MSG message{Native(at), WM_KEYDOWN, key, 0, 0, {}};
        if (!IsDialogMessageW(window.Handle(), &message)) DispatchMessageW(&message);
    }
    /// The dialog run modally until it closes, Esc pressed in the text box.
    void RunAndPressEsc() {
        PostMessageW(Native(Name), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(owner, kDeadline, 0, reinterpret_cast<LPARAM>(&dialog));
        window.Run();
        MSG deadline;  // left when Esc closed the dialog
        while (PeekMessageW(&deadline, owner, kDeadline, kDeadline, PM_REMOVE)) continue;
    }
    std::string Cell(int row, int column) const {
        wchar_t text[64] = L"";
        ListView_GetItemText(Native(Rows), row, column, text, 64);
        return os::Utf8FromWide(text);
    }

    TestDialog dialog;
    HWND owner;
    DialogWindow window;
};

TEST(DialogWindow, ShowsTheModelAndPassesOnWhatTheUserDoes) {
    const struct {
        const char* name;
        void (*act)(Bench&);
        void (*check)(const Bench&);
    } behaviours[] = {
        {"a control of its kind per row, with its caption", [](Bench&) {},
         [](const Bench& b) {
             const wchar_t* classes[] = {WC_BUTTONW, WC_STATICW,   WC_EDITW,   WC_COMBOBOXW,
                                         WC_BUTTONW, WC_LISTVIEWW, WC_BUTTONW, WC_BUTTONW};
             for (const TestControl control :
                  {Box, Hint, Name, Family, Passing, Rows, Find, Shut}) {
                 SCOPED_TRACE(kRows[control].name.data());
                 EXPECT_EQ(ClassOf(b.Native(control)), classes[control]);
                 if (control != Family && control != Rows) {
                     EXPECT_EQ(WindowText(b.Native(control)), kRows[control].caption);
                 }
             }
             EXPECT_EQ(SendMessageW(b.Native(Family), CB_GETCOUNT, 0, 0), 2);
             EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(b.Native(Rows))), 2);
             EXPECT_EQ(b.Cell(1, 1), "5.72");
             EXPECT_EQ(GetWindowLongPtrW(b.Native(Find), GWL_STYLE) & BS_TYPEMASK,
                       BS_DEFPUSHBUTTON);
         }},
        {"the model's change reaches the controls", [](Bench& b) { b.dialog.ShowFound(); },
         [](const Bench& b) {
             EXPECT_EQ(WindowText(b.Native(Hint)), "找到 3 种");
             EXPECT_EQ(b.Cell(1, 0), "L56x5");
             EXPECT_EQ(PickedRow(b.Native(Rows)), 2);
             EXPECT_EQ(GetFocus(), b.Native(Rows));
         }},
        {"typing",
         [](Bench& b) {
             SendMessageW(b.Native(Name), EM_SETSEL, 1, -1);
             for (const wchar_t c : std::wstring(L"63x6"))
                 SendMessageW(b.Native(Name), WM_CHAR, c, 0);
         },
         [](const Bench& b) { EXPECT_EQ(b.dialog.State(Name).text, "L63x6"); }},
        {"a pick with the arrow key in a drop-down list",
         [](Bench& b) {
             SendMessageW(b.Native(Family), CB_SETCURSEL, 0, 0);
             SendMessageW(b.Native(Family), WM_KEYDOWN, VK_DOWN, 0);
         },
         [](const Bench& b) { EXPECT_EQ(b.dialog.State(Family).text, "扁钢"); }},
        {"a click on a check box ticks it in the model",
         [](Bench& b) { SendMessageW(b.Native(Passing), BM_CLICK, 0, 0); },
         [](const Bench& b) {
             EXPECT_TRUE(b.dialog.State(Passing).checked);
             EXPECT_EQ(SendMessageW(b.Native(Passing), BM_GETCHECK, 0, 0), BST_CHECKED);
         }},
        {"a double-click on a list's row takes that row",
         [](Bench& b) {
             RECT row;
             ListView_GetItemRect(b.Native(Rows), 1, &row, LVIR_LABEL);
             SendMessageW(b.Native(Rows), WM_LBUTTONDBLCLK, MK_LBUTTON,
                          MAKELPARAM(row.left + 2, row.top + 2));
         },
         [](const Bench& b) {
             EXPECT_EQ(b.dialog.State(Rows).picked, 1);
             EXPECT_EQ(b.dialog.events, std::vector<std::string>{"taken 1"});
         }},
        {"Esc cancels the dialog, the owner is usable again", [](Bench& b) { b.RunAndPressEsc(); },
         [](const Bench& b) {
             EXPECT_FALSE(b.dialog.IsOpen());
             EXPECT_TRUE(b.dialog.events.empty());
             EXPECT_TRUE(IsWindowEnabled(b.owner));
         }},
        {"Enter in a text box presses the default button",
         [](Bench& b) { b.Press(Name, VK_RETURN); },
         [](const Bench& b) {
             EXPECT_EQ(b.dialog.events, std::vector<std::string>{"clicked Find"});
         }},
        {"Enter on a list's picked row takes that row",
         [](Bench& b) {
             constexpr UINT kPicked = LVIS_SELECTED | LVIS_FOCUSED;  // as a click picks it
             ListView_SetItemState(b.Native(Rows), 1, kPicked, kPicked);
             b.Press(Rows, VK_RETURN);
         },
         [](const Bench& b) { EXPECT_EQ(b.dialog.events, std::vector<std::string>{"taken 1"}); }},
    };
    for (const auto& behaviour : behaviours) {
        SCOPED_TRACE(behaviour.name);
        Bench bench;
        behaviour.act(bench);
        behaviour.check(bench);
    }
}

}  // namespace
}  // namespace deckplate::win
