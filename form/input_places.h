#pragma once
// Where the window holds the inputs of a bay that a single control holds and the form keeps no
// rule of its own for: a box (its text, empty for an input the bay may leave out), a list of
// words (the item picked), a menu's exclusive choices or one switch of 设置 (remembered between
// runs). The window reads a bay from them, fills them from a bay or a bay file, lends a
// schedule those of the menus, and words their faults in Chinese, each by the place's kind: a
// new input of this kind is a row of the table of bay inputs and a row here.

#include <optional>
#include <span>
#include <string_view>

#include "calc/bay_input.h"
#include "form/control_table.h"
#include "form/menu_table.h"

namespace deckplate::form {

struct InputPlace {
    BayField field;
    std::optional<Control> control;           ///< a box or a list; none for a menu's
    std::span<const MenuItem> menu;           ///< a menu's choices, or its one switch
    std::span<const std::string_view> words;  ///< a list's or a menu's words, item by item
    std::string_view setting;                 ///< a menu's setting, remembered between runs
};

/// Every such input, in the order of the table of bay inputs.
std::span<const InputPlace> InputPlaces();
/// The place of the input a menu item chooses or switches, if any.
const InputPlace* PlaceOf(MenuItem item);

/// A list's items: the words of its input as the window shows them ("双面连续角焊缝").
std::span<const std::string_view> ListCaptions(Control list);

}  // namespace deckplate::form
