#include "win/menu_bar.h"

#include <map>
#include <string>

#include "os/wide_text.h"

namespace deckplate::win {
namespace {

// Above the identifiers of the controls, and far from IDOK and IDCANCEL.
constexpr int kFirstMenuCommand = 1000;

}  // namespace

int MenuCommand(form::MenuItem item) { return kFirstMenuCommand + static_cast<int>(item); }

std::optional<form::MenuItem> MenuItemOfCommand(int command) {
    const int index = command - kFirstMenuCommand;
    if (index < 0 || index >= static_cast<int>(form::kMenuItemCount)) return std::nullopt;
    return static_cast<form::MenuItem>(index);
}

HMENU CreateMenuBar(const form::Form1& model) {
    const HMENU bar = CreateMenu();
    std::map<std::string_view, HMENU> menus;  // menus and submenus by title
    const auto menu = [&menus](std::string_view title, HMENU parent) {
        HMENU& found = menus[title];
        if (!found) {
            found = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(found),
                        os::WideFromUtf8(title).c_str());
        }
        return found;
    };
    for (const form::MenuRow& row : form::MenuTable()) {
        const form::MenuItemState& state = model.State(row.id);
        if (!state.visible) continue;
        HMENU parent = menu(row.menu, bar);
        if (!row.submenu.empty()) parent = menu(row.submenu, parent);
        if (row.separated) AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        const std::wstring caption = os::WideFromUtf8(row.variable ? state.text : row.caption);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.fType = MFT_STRING | (row.choice ? MFT_RADIOCHECK : 0);
        item.wID = static_cast<UINT>(MenuCommand(row.id));
        item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        InsertMenuItemW(parent, static_cast<UINT>(GetMenuItemCount(parent)), TRUE, &item);
    }
    return bar;
}

void ShowMenuItemState(HMENU bar, form::MenuItem item, const form::MenuItemState& state) {
    const auto command = static_cast<UINT>(MenuCommand(item));
    EnableMenuItem(bar, command, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(bar, command, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace deckplate::win
