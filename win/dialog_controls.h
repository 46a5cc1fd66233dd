#pragma once
// One native control of the Windows API for each kind of a dialog's table, and a control's state
// from the dialog model shown in it. Texts are UTF-8 here and UTF-16 in the control.
//
//   Frame       BUTTON, BS_GROUPBOX
//   Label       STATIC, wrapping at word boundaries (a tall one shows the lines)
//   TextBox     EDIT with a sunken border
//   DropDown    COMBOBOX, CBS_DROPDOWNLIST: picked from, never typed into
//   CheckBox    BUTTON, BS_CHECKBOX: ticked by the model, not by the click itself
//   PushButton  BUTTON, BS_DEFPUSHBUTTON for the default button, else BS_PUSHBUTTON
//   List        SysListView32 in report view: column headings, whole rows picked, one at a
//               time; Enter on the picked row is the list's (NM_RETURN), not the dialog's

#include <windows.h>

#include "form/dialog.h"

namespace deckplate::win {

/// Creates the control of `row`, hidden and without position, as a child of `dialog` with the
/// control identifier `id`. Every control that takes the focus is a tab stop, each a group of
/// its own, so that the arrow keys move only within a list.
HWND CreateDialogControl(const form::DialogRow& row, HWND dialog, int id);

/// Places the control where the row says, at `dpi`, in `font`.
void PlaceDialogControl(HWND control, const form::DialogRow& row, unsigned dpi, HFONT font);

/// Shows `state` in the control: text, a list's items or rows and its pick, the check mark,
/// enabled, shown. Sets nothing the control shows already: no notification comes back for an
/// unchanged text, and a list keeps its scroll position while only the pick changes.
void ShowDialogState(HWND control, const form::DialogRow& row, const form::ControlState& state);

/// The row a list shows picked, −1 for none.
int PickedRow(HWND list);

}  // namespace deckplate::win
