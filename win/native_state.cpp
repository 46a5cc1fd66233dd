#include "win/native_state.h"

#include "os/wide_text.h"

namespace deckplate::win {
namespace {

std::wstring ShownText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
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

}  // namespace

void ShowText(HWND control, std::string_view text) {
    const std::wstring wide = os::WideFromUtf8(text);
    if (ShownText(control) != wide) SetWindowTextW(control, wide.c_str());
}

void ShowItems(HWND combo, const std::vector<std::string>& items, int picked) {
    std::vector<std::wstring> wide;
    for (const std::string& item : items) wide.push_back(os::WideFromUtf8(item));
    if (ListItems(combo) != wide) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : wide)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SetWindowLongPtrW(combo, GWLP_USERDATA, 0);  // a new list has no pick shown
    }
    // A new pick of the model's is shown in the list, and only a new one: typing into the
    // field leaves the list without a selection (the combo box does that itself), and picking
    // the same item again there would put its text over what is being typed. The pick last
    // shown is kept in the combo box's user data, plus one (0: none yet).
    const LONG_PTR shownPick = GetWindowLongPtrW(combo, GWLP_USERDATA) - 1;
    if (picked != shownPick) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(picked), 0);
        SetWindowLongPtrW(combo, GWLP_USERDATA, picked + 1);
    }
}

void ShowChecked(HWND button, bool checked) {
    const WPARAM check = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != check)
        SendMessageW(button, BM_SETCHECK, check, 0);
}

void ShowEnabledAndVisible(HWND control, const form::ControlState& state) {
    if ((IsWindowEnabled(control) != FALSE) != state.enabled) EnableWindow(control, state.enabled);
    const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != state.visible) ShowWindow(control, state.visible ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(control, nullptr, TRUE);  // its colour may have changed
}

void KeepFocusUsable(HWND window, HWND control, HWND focus) {
    if (!focus || (focus != control && !IsChild(control, focus))) return;
    const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown && IsWindowEnabled(control)) return;
    SetFocus(GetNextDlgTabItem(window, control, FALSE));
}

COLORREF InkColour(form::Ink ink) {
    if (ink == form::Ink::Default) return GetSysColor(COLOR_WINDOWTEXT);
    const form::Rgb rgb = form::InkRgb(ink);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

std::string WindowText(HWND control) { return os::Utf8FromWide(ShownText(control)); }

}  // namespace deckplate::win
