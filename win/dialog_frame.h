#pragma once
// The frame of the window's own dialogs and of the progress box: a dialog of the system's
// dialog manager, so that Tab, Esc, Enter and the default button behave as in every Windows
// dialog, made from an empty template and given its controls by its view; sized in pixels at the
// owner's DPI and centred over the owner.

#include <windows.h>

namespace deckplate::win {

/// A hidden dialog with a title bar and a close box, owned by `owner` (none: the desktop), and
/// no controls yet. `procedure` gets `parameter` with WM_INITDIALOG.
HWND CreateEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);

/// The DPI a dialog over `owner` is laid out for: the owner's, or the system's without one.
unsigned DpiOver(HWND owner);

/// The size of the dialog's frame around a client area of `client` pixels at `dpi`.
SIZE FrameSize(HWND dialog, SIZE client, unsigned dpi);

/// Gives the dialog a client area of `client` pixels at `dpi` and centres it over `owner` (the
/// screen without one), inside the screen's work area.
void PlaceOver(HWND dialog, SIZE client, unsigned dpi, HWND owner);

}  // namespace deckplate::win
