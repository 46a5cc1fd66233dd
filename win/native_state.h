#pragma once
// A control's state from a model shown in a native control of the Windows API, and what a
// control shows read back: the pieces the window and its dialogs share. Texts are UTF-8 here and
// UTF-16 in the control. Nothing is set that the control shows already, so that an unchanged
// text sends no EN_CHANGE back to the model.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"
#include "form/form1.h"

namespace deckplate::win {

/// Shows `text` as the control's caption or a box's text.
void ShowText(HWND control, std::string_view text);

/// Shows a combo box's items and the model's pick in its list.
void ShowItems(HWND combo, const std::vector<std::string>& items, int picked);

/// Ticks or clears a check box or option button.
void ShowChecked(HWND button, bool checked);

/// Shows the control enabled or greyed, shown or hidden, and repaints it in its colours.
void ShowEnabledAndVisible(HWND control, const form::ControlState& state);

/// A control that was hidden or disabled while it had the focus (`focus`, as it was before)
/// would leave the keyboard with nowhere to go: the focus moves on to the next control of
/// `window`, as Tab would move it.
void KeepFocusUsable(HWND window, HWND control, HWND focus);

/// The colour an ink is drawn in: the system's window text for Default.
COLORREF InkColour(form::Ink ink);

/// What a control shows (a list's field for a combo box), as UTF-8.
std::string WindowText(HWND control);

}  // namespace deckplate::win
