#pragma once
// The window's menu bar as one table, above the form and outside it: every control keeps its
// place. Each native view builds its menus from it; the form model keeps each item's state.

#include <cstdint>
#include <span>
#include <string_view>

namespace deckplate::form {

// clang-format off
enum class MenuItem : std::uint8_t {
    New, Open, Save, SaveAs, ProjectInfo,
    ExportBook, Schedule,
    Recent1, Recent2, Recent3, Recent4,
    Exit,
    BasisLegacy, BasisCurrent,
    SteelQ235, SteelQ355, SteelQ390, SteelQ420, SteelQ460,
    SafetyClass1, SafetyClass2, SafetyClass3,
    DeadIncludesSelfWeight,
    PointLoad,
    Sizing,
    About,
};
// clang-format on
inline constexpr std::size_t kMenuItemCount = 26;
/// The files opened last, newest first.
inline constexpr MenuItem kRecentFiles[] = {MenuItem::Recent1, MenuItem::Recent2, MenuItem::Recent3,
                                            MenuItem::Recent4};

struct MenuRow {
    MenuItem id;
    /// The menu bar's title it sits under, with its access key after "&": "文件(&F)", "设置(&S)",
    /// "工具(&T)", "帮助(&H)" (Alt+T opens 工具); the items' captions carry theirs too, so that
    /// Alt+T, A chooses 自动选型.
    std::string_view menu;
    std::string_view submenu;  ///< the submenu it sits in, or empty
    std::string_view caption;
    bool choice = false;     ///< one of the submenu's exclusive choices
    bool toggle = false;     ///< switched on and off, with a check mark when on
    bool separated = false;  ///< a line above it sets it apart from the items before
    /// Its caption is the state's text (a file's path), and it shows only when it has one.
    bool variable = false;
};

/// Every menu item, in the order the menus show them; menus in the order they first appear.
std::span<const MenuRow> MenuTable();

const MenuRow& Row(MenuItem item);

}  // namespace deckplate::form
