#pragma once
// The states of a window's or a dialog's controls, and the one way they change: a setter stores a
// new value and tells the view of that control, and does nothing for a value it already has. The
// window (Form1) and every dialog keep their controls' states here.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "form/control_table.h"

namespace deckplate::form {

/// What a control shows now.
struct ControlState {
    std::string text;  ///< caption, a box's text or a list's field (UTF-8)
    bool visible = true;
    bool enabled = true;
    bool checked = false;            ///< check box ticked, option button selected
    std::vector<std::string> items;  ///< a list's items
    int picked = -1;                 ///< position of the list item picked last, −1 for none
    Ink ink = Ink::Default;          ///< colour of the text
};

/// The states of controls named by `Id` (an enumeration, or a position in a dialog's table); a
/// menu's items keep theirs here too, with a State of their own.
template <class Id, class State = ControlState>
class ControlStates {
  public:
    /// `changed` hears of each control whose state has changed.
    ControlStates(std::size_t count, std::function<void(Id)> changed)
        : states_(count), changed_(std::move(changed)) {}

    const State& operator[](Id id) const { return states_.at(Index(id)); }
    std::size_t Count() const { return states_.size(); }

    void SetText(Id id, std::string text) { Set(id, &State::text, std::move(text)); }
    void SetVisible(Id id, bool visible) { Set(id, &State::visible, visible); }
    void SetEnabled(Id id, bool enabled) { Set(id, &State::enabled, enabled); }
    void SetChecked(Id id, bool checked) { Set(id, &State::checked, checked); }
    void SetInk(Id id, Ink ink) { Set(id, &State::ink, ink); }
    /// A list's items, none of them picked.
    void SetItems(Id id, std::vector<std::string> items) {
        State& state = states_.at(Index(id));
        state.items = std::move(items);
        state.picked = -1;
        changed_(id);
    }
    /// A list's pick and the text it shows with it, told as one change.
    void SetPicked(Id id, int position, std::string text) {
        State& state = states_.at(Index(id));
        if (state.picked == position && state.text == text) return;
        state.picked = position;
        state.text = std::move(text);
        changed_(id);
    }

  private:
    static std::size_t Index(Id id) { return static_cast<std::size_t>(id); }

    template <class Value>
    void Set(Id id, Value State::*member, Value value) {
        State& state = states_.at(Index(id));
        if (state.*member == value) return;
        state.*member = std::move(value);
        changed_(id);
    }

    std::vector<State> states_;
    std::function<void(Id)> changed_;
};

}  // namespace deckplate::form
