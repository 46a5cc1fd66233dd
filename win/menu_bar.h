#pragma once
// The window's menu bar, built from the menu table: one menu per title in the order the titles
// first appear, submenus inside them, and each item with a command identifier of its own. A
// submenu's exclusive choices show a round check mark on the chosen one. A menu item cannot be
// hidden: the items whose caption changes (the files opened last) are only there while they have
// one, and the bar is built again when they change.

#include <windows.h>

#include <optional>

#include "form/form1.h"

namespace deckplate::win {

/// The menu bar with every item of the menu table the model shows, each with its caption, enabled
/// and unchecked.
HMENU CreateMenuBar(const form::Form1& model);

/// The command identifier of a menu item (WM_COMMAND's identifier when it is chosen).
int MenuCommand(form::MenuItem item);
/// The menu item of a command identifier, if it is one.
std::optional<form::MenuItem> MenuItemOfCommand(int command);

/// Shows the item's state in the menu bar: enabled or greyed, checked or not.
void ShowMenuItemState(HMENU bar, form::MenuItem item, const form::MenuItemState& state);

}  // namespace deckplate::win
