#include "win/native_controls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <vector>

#include "os/wide_text.h"

namespace deckplate::win {
namespace {

using form::Kind;

struct NativeKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

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

std::wstring ShownText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

void SetTextIfChanged(HWND control, std::string_view text) {
    const std::wstring wide = os::WideFromUtf8(text);
    if (ShownText(control) != wide) SetWindowTextW(control, wide.c_str());
}

std::vector<std::wstring> ListItems(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)),
                          L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(std::move(item));
    }
    return items;
}

void ShowList(HWND combo, const form::ControlState& state) {
    std::vector<std::wstring> items;
    for (const std::string& item : state.items) items.push_back(os::WideFromUtf8(item));
    if (ListItems(combo) != items) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : items)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SetWindowLongPtrW(combo, GWLP_USERDATA, 0);  // a new list has no pick shown
    }
    // A new pick of the model's is shown in the list, and only a new one: typing into the
    // field leaves the list without a selection (the combo box does that itself), and picking
    // the same item again there would put its text over what is being typed. The pick last
    // shown is kept in the combo box's user data, plus one (0: none yet).
    const LONG_PTR shownPick = GetWindowLongPtrW(combo, GWLP_USERDATA) - 1;
    if (state.picked != shownPick) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(state.picked), 0);
        SetWindowLongPtrW(combo, GWLP_USERDATA, state.picked + 1);
    }
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
            ShowList(control, state);
            SetTextIfChanged(control, state.text);
            break;
        case Kind::CheckBox:
        case Kind::OptionButton: {
            const WPARAM check = state.checked ? BST_CHECKED : BST_UNCHECKED;
            if (static_cast<WPARAM>(SendMessageW(control, BM_GETCHECK, 0, 0)) != check)
                SendMessageW(control, BM_SETCHECK, check, 0);
            break;
        }
        case Kind::Frame:
        case Kind::Label:
        case Kind::TextBox:
        case Kind::PushButton:
            SetTextIfChanged(control, state.text);
            break;
    }
    if ((IsWindowEnabled(control) != FALSE) != state.enabled) EnableWindow(control, state.enabled);
    const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != state.visible) ShowWindow(control, state.visible ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(control, nullptr, TRUE);  // its colour may have changed
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

std::string WindowText(HWND control) { return os::Utf8FromWide(ShownText(control)); }

}  // namespace deckplate::win
