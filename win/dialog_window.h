#pragma once
// One of the window's dialogs (form::Dialog) in native controls of the Windows API, shown
// modally over its owner.
//
// Data flow: the dialog builds one native control per row of the dialog's table, in the table's
// order, which is the Tab order (dialog_controls.h). What the user does arrives as WM_COMMAND
// and WM_NOTIFY and goes to the model: EN_CHANGE as typing, CBN_SELENDOK as a pick from a
// drop-down list, LVN_ITEMCHANGED as a row picked, NM_DBLCLK as a row double-clicked and
// NM_RETURN as Enter on it, BN_CLICKED as a click. The model answers with ControlChanged, and the
// dialog shows that control's state; it answers Closed when it is done, and the dialog ends. Sizes
// and the font are those of the window (dpi_layout.h): the table's twips at the owner's DPI, again
// when the dialog moves to a screen of another DPI.
//
// Keyboard: a dialog of the system's dialog manager, run through IsDialogMessageW. Tab and
// Shift+Tab follow the table; Enter presses the focused button, takes a list's picked row, else
// presses the table's default button (DM_SETDEFID); Esc and the close box are the model's
// Cancel.

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "form/dialog.h"

namespace deckplate::win {

class FormFonts;

class DialogWindow : public form::DialogView {
  public:
    /// Creates the dialog, hidden, over `owner` (none: over the screen), with every control in
    /// the model's state, laid out for the owner's DPI, and becomes the model's view.
    DialogWindow(form::Dialog& model, HWND owner);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND Handle() const { return dialog_; }
    /// The native control of a row of the table.
    HWND NativeControl(int control) const {
        return controls_.at(static_cast<std::size_t>(control));
    }

    /// Shows the dialog with the owner disabled and runs the thread's messages until the model
    /// closes the dialog; the owner then has its focus back. A WM_QUIT on the way cancels the
    /// dialog and is passed on to the window's own message loop.
    void Run();

    void ControlChanged(int control) override;
    void FocusOn(int control) override;
    void Closed() override;

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l);
    INT_PTR Handle(UINT message, WPARAM w, LPARAM l);
    void Command(int id, int code, HWND from);
    void Notify(const NMHDR& notification);
    /// A row of a list is no longer picked: unless another one is by now, none is.
    void ConfirmPick(int list);
    /// The colours a control is painted in, or nullptr for the system's own.
    HBRUSH Colour(HDC dc, HWND native) const;
    std::optional<int> ControlOf(HWND native) const;
    /// The table's client area in pixels at `dpi`.
    SIZE ClientSize(unsigned dpi) const;
    void LayOutControls(unsigned dpi);
    /// The owner enabled again, the dialog hidden, the focus back where it was.
    void EndModal();

    /// While the dialog runs modally: what is given back to the owner at the end.
    struct Modal {
        HWND ownerFocus;
        bool ownerWasEnabled;
    };

    form::Dialog& model_;
    HWND owner_;
    HWND dialog_ = nullptr;
    std::vector<HWND> controls_;
    std::unique_ptr<FormFonts> fonts_;
    std::optional<Modal> modal_;
    bool showingState_ = false;  ///< the model's state going in: no notification goes back
};

}  // namespace deckplate::win
