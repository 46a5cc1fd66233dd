#include "menu_table.h"

namespace deckplate::form {
namespace {

using enum MenuItem;

constexpr MenuRow kMenus[] = {
    {About, "帮助", "", "关于"},
};

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < std::size(kMenus); ++i)
        if (static_cast<std::size_t>(kMenus[i].id) != i) return false;
    return std::size(kMenus) == kMenuItemCount;
}
static_assert(RowsFollowTheEnumeration(), "row i of the menu table must describe MenuItem(i)");

}  // namespace

std::span<const MenuRow> MenuTable() { return kMenus; }

const MenuRow& Row(MenuItem item) { return kMenus[static_cast<std::size_t>(item)]; }

}  // namespace deckplate::form
