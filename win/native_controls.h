#pragma once
// One native control of the Windows API for each kind of the control table, and a control's
// state from the form model shown in it. Texts are UTF-8 here and UTF-16 in the control.
//
//   Frame         BUTTON, BS_GROUPBOX
//   Label         STATIC, wrapping at word boundaries
//   TextBox       EDIT with a sunken border
//   ComboBox      COMBOBOX, CBS_DROPDOWN: typed into, or picked from
//   CheckBox      BUTTON, BS_CHECKBOX
//   OptionButton  BUTTON, BS_AUTORADIOBUTTON
//   PushButton    BUTTON, BS_PUSHBUTTON, never the default button

#include <windows.h>

#include "form/form1.h"

namespace deckplate::win {

/// Control identifiers start above IDOK (1) and IDCANCEL (2), which the dialog manager sends for
/// Enter and Escape: no control is pressed by them. The window and its dialogs number from here.
constexpr int kFirstControlId = 100;

/// A native control's window class and styles.
struct NativeKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

/// Creates the control of `row`, hidden and without position, as a child of `window` with the
/// control identifier `id`. Every control that takes the focus is a tab stop.
HWND CreateNativeControl(const form::ControlRow& row, HWND window, int id);

/// Shows `state` in the control: text, list items and pick, check mark, enabled, shown. Sets
/// nothing the control shows already, so an unchanged text sends no EN_CHANGE back.
void ShowState(HWND control, const form::ControlRow& row, const form::ControlState& state);

/// Makes the field of a drop-down list `height` pixels high, border included. The height the
/// combo box is then given beyond it is the height of its dropped list.
void SetFieldHeight(HWND combo, int height);

}  // namespace deckplate::win
