#include "win/dialog_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "os/wide_text.h"
#include "win/dpi_layout.h"
#include "win/native_controls.h"
#include "win/native_state.h"

namespace deckplate::win {
namespace {

using form::DialogKind;

NativeKind NativeKindOf(const form::DialogRow& row) {
    switch (row.kind) {
        case DialogKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX, 0};
        case DialogKind::Label:
            return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
        case DialogKind::TextBox:
            return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case DialogKind::DropDown:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case DialogKind::CheckBox:
            return {WC_BUTTONW, BS_CHECKBOX | WS_TABSTOP, 0};
        case DialogKind::PushButton: {
            const DWORD button = row.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            return {WC_BUTTONW, button | WS_TABSTOP, 0};
        }
        case DialogKind::List:
            return {WC_LISTVIEWW,
                    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
    }
    return {WC_STATICW, 0, 0};
}

std::vector<std::wstring> Cells(std::string_view line) {
    std::vector<std::wstring> cells;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(os::WideFromUtf8(line.substr(start, tab - start)));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

int ColumnCount(HWND list) {
    return static_cast<int>(SendMessageW(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(256, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
    return text;
}

std::vector<std::wstring> Headings(HWND list) {
    std::vector<std::wstring> headings;
    for (int column = 0; column < ColumnCount(list); ++column) {
        std::wstring text(256, L'\0');
        LVCOLUMNW heading{};
        heading.mask = LVCF_TEXT;
        heading.pszText = text.data();
        heading.cchTextMax = static_cast<int>(text.size());
        SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&heading));
        text.resize(std::wcslen(text.c_str()));
        headings.push_back(std::move(text));
    }
    return headings;
}

// Whether the list shows `rows` already, each cell under its heading.
bool ShowsRows(HWND list, const std::vector<std::vector<std::wstring>>& rows) {
    if (ListView_GetItemCount(list) != static_cast<int>(rows.size())) return false;
    const auto columns = static_cast<std::size_t>(ColumnCount(list));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < std::min(rows[row].size(), columns); ++column)
            if (CellText(list, static_cast<int>(row), static_cast<int>(column)) !=
                rows[row][column])
                return false;
    return true;
}

// Every column as wide as its widest text, heading included; a list wider than its box
// scrolls sideways. (LVSCW_AUTOSIZE_USEHEADER would stretch the last column to the list's edge,
// and Wine's leaves the headings short.)
void FitColumns(HWND list) {
    const HWND header = ListView_GetHeader(list);
    const auto margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    const std::vector<std::wstring> headings = Headings(list);
    for (int column = 0; column < static_cast<int>(headings.size()); ++column) {
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        const std::wstring& heading = headings[static_cast<std::size_t>(column)];
        // The heading between the header's margins, either side.
        const int headingWidth =
            static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                          reinterpret_cast<LPARAM>(heading.c_str()))) +
            2 * margin;
        if (ListView_GetColumnWidth(list, column) < headingWidth)
            ListView_SetColumnWidth(list, column, headingWidth);
    }
}

void ShowRows(HWND list, const form::ControlState& state) {
    const std::vector<std::wstring> headings =
        state.text.empty() ? std::vector<std::wstring>{} : Cells(state.text);
    std::vector<std::vector<std::wstring>> rows;
    for (const std::string& item : state.items) rows.push_back(Cells(item));
    const bool newHeadings = Headings(list) != headings;
    if (!newHeadings && ShowsRows(list, rows)) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    if (newHeadings) {
        while (ColumnCount(list) > 0) ListView_DeleteColumn(list, 0);
        for (std::size_t column = 0; column < headings.size(); ++column) {
            LVCOLUMNW heading{};
            heading.mask = LVCF_TEXT | LVCF_SUBITEM;
            heading.pszText = const_cast<wchar_t*>(headings[column].c_str());
            heading.iSubItem = static_cast<int>(column);
            SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&heading));
        }
    }
    ListView_SetItemCount(list, static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::size_t shown = std::min(rows[row].size(), headings.size());
        for (std::size_t column = 0; column < shown; ++column) {
            LVITEMW cell{};
            cell.mask = LVIF_TEXT;
            cell.iItem = static_cast<int>(row);
            cell.iSubItem = static_cast<int>(column);
            cell.pszText = const_cast<wchar_t*>(rows[row][column].c_str());
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                         reinterpret_cast<LPARAM>(&cell));
        }
    }
    FitColumns(list);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ShowPickedRow(HWND list, int picked) {
    if (PickedRow(list) == picked) return;
    constexpr UINT kPicked = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, -1, 0, kPicked);
    if (picked < 0) return;
    ListView_SetItemState(list, picked, kPicked, kPicked);
    ListView_EnsureVisible(list, picked, FALSE);
}

// Enter on a list's picked row is the list's, which tells the dialog with NM_RETURN (for its
// focused row, the one picked last), and takes the row; on a list without a pick it presses the
// default button, as in any dialog.
LRESULT CALLBACK ListKeys(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    const LRESULT result = DefSubclassProc(list, message, w, l);
    const auto* key = reinterpret_cast<const MSG*>(l);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN &&
        ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED) >= 0)
        return result | DLGC_WANTMESSAGE;
    return result;
}

}  // namespace

HWND CreateDialogControl(const form::DialogRow& row, HWND dialog, int id) {
    const NativeKind native = NativeKindOf(row);
    // Controls may overlap where a dialog is measured that way: each paints only where no
    // control above it lies, and the frames lie below everything else.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_GROUP | native.style;
    const HWND control =
        CreateWindowExW(native.extendedStyle, native.windowClass, L"", style, 0, 0, 0, 0, dialog,
                        reinterpret_cast<HMENU>(INT_PTR{id}), GetModuleHandleW(nullptr), nullptr);
    switch (row.kind) {
        case DialogKind::Frame:
            SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        case DialogKind::DropDown:
            SendMessageW(control, CB_SETMINVISIBLE, 12, 0);
            break;
        case DialogKind::List:
            ListView_SetExtendedListViewStyle(control, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
            SetWindowSubclass(control, ListKeys, 0, 0);
            break;
        case DialogKind::Label:
        case DialogKind::TextBox:
        case DialogKind::CheckBox:
        case DialogKind::PushButton:
            break;
    }
    return control;
}

void PlaceDialogControl(HWND control, const form::DialogRow& row, unsigned dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const int height = PixelsFromTwips(row.height, dpi);
    // A drop-down list takes the height of its dropped list with its place; its field's height
    // is set after, as placing it resets it.
    const bool dropDown = row.kind == DialogKind::DropDown;
    SetWindowPos(control, nullptr, PixelsFromTwips(row.left, dpi), PixelsFromTwips(row.top, dpi),
                 PixelsFromTwips(row.width, dpi),
                 height + (dropDown ? Scaled(kDroppedListPixels, dpi) : 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dropDown) SetFieldHeight(control, height);
    if (row.kind == DialogKind::List) FitColumns(control);  // the font measures the texts
}

void ShowDialogState(HWND control, const form::DialogRow& row, const form::ControlState& state) {
    switch (row.kind) {
        case DialogKind::DropDown:
            ShowItems(control, state.items, state.picked);
            break;
        case DialogKind::List:
            ShowRows(control, state);
            ShowPickedRow(control, state.picked);
            break;
        case DialogKind::CheckBox:
            ShowChecked(control, state.checked);
            ShowText(control, state.text);
            break;
        case DialogKind::Frame:
        case DialogKind::Label:
        case DialogKind::TextBox:
        case DialogKind::PushButton:
            ShowText(control, state.text);
            break;
    }
    ShowEnabledAndVisible(control, state);
}

int PickedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

}  // namespace deckplate::win
