#pragma once
// The Windows edition's window: the form model's view, in native controls of the Windows API.
//
// Data flow: the window builds one native control per row of the control table and a menu bar
// from the menu table. Every control is a child of the window itself, at its position summed
// through the frames that contain it, so that Tab can follow the table's focus order across
// frames. What the user does arrives as WM_COMMAND and goes to the model unchanged: EN_CHANGE
// and CBN_EDITCHANGE as typing, CBN_SELENDOK as a pick from a list, BN_CLICKED as a click, a
// menu command as a menu choice. The model answers with ControlChanged and MenuItemChanged and
// the window shows that control's state; colours are read from the model as a control is
// painted (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN). Sizes and fonts are laid out
// at 96 DPI and scaled to the window's DPI (dpi_layout.h), again when the window moves to a
// screen of another DPI (WM_DPICHANGED) or the model shows or hides an optional group, after
// which the window is kept within the screen's work area.
//
// Keyboard: RunMessageLoop passes every message through IsDialogMessageW, which moves the focus
// with Tab and Shift+Tab in the focus order and between the two option buttons with the arrow
// keys. No control has the identifier IDOK or IDCANCEL and none is the default button: Enter
// presses a button only when it has the focus, Escape does nothing.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "form/form1.h"

namespace deckplate::win {

class FormFonts;

class Form1Window : public form::FormView {
  public:
    /// Creates the window, hidden, with every control in the model's state, laid out for the
    /// DPI of the screen it is on, and becomes the model's view.
    Form1Window(form::Form1& model, HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    HWND Handle() const { return window_; }
    /// The native control of a control; Window is the window itself.
    HWND NativeControl(form::Control control) const;
    HMENU MenuBar() const { return GetMenu(window_); }

    /// Start-up: the model's own start-up, then centre on the screen, within its work area.
    void Form_Load();

    void ControlChanged(form::Control control) override;
    void MenuItemChanged(form::MenuItem item) override;
    void LayoutChanged() override;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void Command(int id, int code, HWND from);
    /// The colours a control is painted in, or nullptr for the system's own.
    HBRUSH Colour(HDC dc, HWND native) const;
    std::optional<form::Control> ControlOf(HWND native) const;
    /// Places the controls and sets their fonts for `dpi`; the window's own size is left to the
    /// caller (at creation: its client area; on WM_DPICHANGED: the rectangle Windows suggests).
    void LayOutControls(unsigned dpi);
    void FitWindowTo(unsigned dpi);
    /// Moves the window into the monitor's work area, as little as it must.
    void KeepOnScreen(const MONITORINFO& monitor);

    form::Form1& model_;
    HWND window_ = nullptr;
    std::array<HWND, form::kControlCount> controls_{};
    std::unique_ptr<FormFonts> fonts_;
    HWND focus_ = nullptr;       ///< the control that had the focus when the window was left
    bool showingState_ = false;  ///< the model's texts going in: no EN_CHANGE goes back
};

/// Runs the thread's messages, those of the window through the dialog keyboard, until the
/// program ends; returns its exit status.
int RunMessageLoop(HWND window);

}  // namespace deckplate::win
