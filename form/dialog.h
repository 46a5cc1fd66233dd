#pragma once
// A dialog as a model, free of any toolkit, as Form1 is: its controls as one table (name, kind,
// place in twips, caption), every control's state, and the handlers that react to what the user
// does. A native view builds the controls from the table, in the table's order, shows the dialog
// modally over the window, forwards each user action here and shows each change it is told of,
// until the model closes the dialog.
//
// Keyboard, in every view: Tab and Shift+Tab follow the table's order (hidden and disabled
// controls skipped); Enter presses the focused button, or the default button when the focus is
// not on a button; Enter on a list's row takes it, as a double-click does; Esc, like the close
// box, is Cancel(); the arrow keys move in a list or a drop-down list.

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "form/form1.h"

namespace deckplate::form {

enum class DialogKind {
    Frame,       ///< a group box around the controls placed inside it
    Label,       ///< text; a tall one wraps its lines
    TextBox,     ///< one line of typing
    DropDown,    ///< a list to pick from, without typing
    CheckBox,    ///< ticked and cleared by a click
    PushButton,  ///< a click runs its handler
    /// Rows of columns, one row picked at a time: the state's text holds the column headings
    /// and each item a row, their cells separated by tabs.
    List,
};

struct DialogRow {
    int id;                 ///< the dialog's own enumerator of the control, its row's position
    std::string_view name;  ///< objectName and test name: "Family", "Search"
    DialogKind kind;
    int left, top, width, height;  ///< twips, in the dialog's client area
    std::string_view caption;      ///< caption, a box's first text, a list's column headings
    bool defaultButton = false;    ///< Enter presses it when the focus is not on a button
};

/// A dialog's title, client-area size in twips, and controls in Tab order.
struct DialogTable {
    std::string_view title;
    int width, height;
    std::span<const DialogRow> rows;
};

/// Whether row i of a dialog's table describes its control i: each dialog asserts it of its own.
template <std::size_t N>
constexpr bool RowsInOrder(const DialogRow (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].id != static_cast<int>(i)) return false;
    return true;
}

/// A native dialog showing the model.
class DialogView {
  public:
    virtual ~DialogView() = default;
    /// A control's state changed: the view shows it.
    virtual void ControlChanged(int control) = 0;
    /// The keyboard's focus goes to the control, where the user goes on next.
    virtual void FocusOn(int control) = 0;
    /// The model is done: the view ends the dialog.
    virtual void Closed() = 0;
};

class Dialog {
  public:
    explicit Dialog(const DialogTable& table);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogTable& Table() const { return table_; }
    const ControlState& State(int control) const;
    void SetView(DialogView* view) { view_ = view; }
    /// Until the model closes it (Cancel, or a handler that is done: Finish).
    bool IsOpen() const { return open_; }

    // What the user did, as the view reports it. A disabled control does nothing.
    /// Typing into a text box.
    void TextEdited(int box, std::string_view text);
    /// An item of a drop-down list or a row of a list picked by mouse or keyboard.
    void ListPicked(int list, int position);
    /// A check box or push button clicked.
    void Clicked(int control);
    /// A list's row double-clicked, or Enter pressed on it: picked, then taken as the dialog
    /// takes a picked row.
    void DoubleClicked(int list, int position);
    /// Esc or the close box.
    void Cancel();

    // The same, named by a dialog's own control enumeration.
    template <class Id>
    requires std::is_enum_v<Id>
    const ControlState& State(Id control) const { return State(static_cast<int>(control)); }
    template <class Id>
    requires std::is_enum_v<Id>
    void TextEdited(Id box, std::string_view text) { TextEdited(static_cast<int>(box), text); }
    template <class Id>
    requires std::is_enum_v<Id>
    void ListPicked(Id list, int position) { ListPicked(static_cast<int>(list), position); }
    template <class Id>
    requires std::is_enum_v<Id>
    void Clicked(Id control) { Clicked(static_cast<int>(control)); }
    template <class Id>
    requires std::is_enum_v<Id>
    void DoubleClicked(Id list, int position) { DoubleClicked(static_cast<int>(list), position); }

  protected:
    /// A push button was clicked (a check box has already changed its tick).
    virtual void OnClicked(int control) = 0;
    /// A box's text, a check box's tick or a pick changed.
    virtual void OnChanged(int /*control*/) {}
    /// A list's picked row was double-clicked.
    virtual void OnRowTaken(int /*list*/) {}

    void SetText(int control, std::string text) { states_.SetText(control, std::move(text)); }
    void SetEnabled(int control, bool enabled) { states_.SetEnabled(control, enabled); }
    /// A list's rows or a drop-down list's items, none picked.
    void SetItems(int list, std::vector<std::string> items);
    /// The row or item picked; a drop-down list shows the item's text.
    void SetPicked(int list, int position);
    void Focus(int control);
    void Finish();

  private:
    DialogKind KindOf(int control) const {
        return table_.rows[static_cast<std::size_t>(control)].kind;
    }

    const DialogTable& table_;
    ControlStates<int> states_;
    DialogView* view_ = nullptr;
    bool open_ = true;
};

}  // namespace deckplate::form
