#include "win/native_controls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "win/native_state.h"

namespace deckplate::win {
namespace {

using form::Kind;

NativeKind NativeKindOf(Kind kind) {
    switch (kind) {
        case Kind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX, 0};
        case Kind::Label:
            return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
        case Kind::TextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::ComboBox:
            return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
        case Kind::CheckBox:
            // Not BS_AUTOCHECKBOX: the model alone decides whether it is ticked.
            return {WC_BUTTONW, BS_CHECKBOX | WS_TABSTOP, 0};
        case Kind::OptionButton:
            // Automatic, so that the arrow keys choose as a click does; the checked one of the
            // pair is the tab stop.
            return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
        case Kind::PushButton:
            return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    }
    return {WC_STATICW, 0, 0};
}

// An option button continues the group of the option button before it in the focus order;
// every other control starts a group of its own.
bool StartsGroup(form::Control control) {
    if (form::Row(control).kind != Kind::OptionButton) return true;
    const auto order = form::FocusOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        if (order[i] == control) return form::Row(order[i - 1]).kind != Kind::OptionButton;
    return true;
}

}  // namespace

HWND CreateNativeControl(const form::ControlRow& row, HWND window, int id) {
    const NativeKind native = NativeKindOf(row.kind);
    // Controls overlap a little where the layout was measured that way (a caption's box over
    // the option button below it): each paints only where no control above it lies.
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | native.style | (StartsGroup(row.id) ? WS_GROUP : 0);
    const HWND control =
        CreateWindowExW(native.extendedStyle, native.windowClass, L"", style, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(INT_PTR{id}), GetModuleHandleW(nullptr), nullptr);
    // A themed group box draws its caption in the theme's colour; the classic one takes the
    // colour the window gives it (the navy of 边界条件). A theme name that matches no theme (a
    // space, as SetWindowTheme's documentation has it) leaves it classic.
    if (row.kind == Kind::Frame) SetWindowTheme(control, L" ", L" ");
    if (row.kind == Kind::ComboBox) SendMessageW(control, CB_SETMINVISIBLE, 12, 0);
    return control;
}

void ShowState(HWND control, const form::ControlRow& row, const form::ControlState& state) {
    switch (row.kind) {
        case Kind::ComboBox:
            ShowItems(control, state.items, state.picked);
            ShowText(control, state.text);
            break;
        case Kind::CheckBox:
        case Kind::OptionButton:
            ShowChecked(control, state.checked);
            break;
        case Kind::Frame:
        case Kind::Label:
        case Kind::TextBox:
        case Kind::PushButton:
            ShowText(control, state.text);
            break;
    }
    ShowEnabledAndVisible(control, state);
}

void SetFieldHeight(HWND combo, int height) {
    // The field's height follows from the height of its item, inside the field's border; how
    // the item height set relates to the one read back is the system's own (Wine reads back
    // two pixels more), so the item height is corrected until the field measures right.
    auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT field;
        GetWindowRect(combo, &field);
        const int missing = height - (field.bottom - field.top);
        if (missing == 0) return;
        item += missing;
        SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), item);
    }
}

}  // namespace deckplate::win
