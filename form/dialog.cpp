#include "form/dialog.h"

namespace deckplate::form {

Dialog::Dialog(const DialogTable& table)
    : table_(table), states_(table.rows.size(), [this](int control) {
          if (view_) view_->ControlChanged(control);
      }) {
    for (const DialogRow& row : table.rows) states_.SetText(row.id, std::string(row.caption));
}

const ControlState& Dialog::State(int control) const { return states_[control]; }

void Dialog::TextEdited(int box, std::string_view text) {
    if (KindOf(box) != DialogKind::TextBox || !open_ || !State(box).enabled) return;
    if (State(box).text == text) return;
    SetText(box, std::string(text));
    OnChanged(box);
}

void Dialog::ListPicked(int list, int position) {
    const DialogKind kind = KindOf(list);
    const ControlState& state = State(list);
    if ((kind != DialogKind::DropDown && kind != DialogKind::List) || !open_ || !state.enabled ||
        position < -1 || position >= static_cast<int>(state.items.size()) ||
        position == state.picked)
        return;
    SetPicked(list, position);
    OnChanged(list);
}

void Dialog::Clicked(int control) {
    const DialogKind kind = KindOf(control);
    if (!open_ || !State(control).enabled) return;
    if (kind == DialogKind::CheckBox) {
        states_.SetChecked(control, !State(control).checked);
        OnChanged(control);
    } else if (kind == DialogKind::PushButton) {
        OnClicked(control);
    }
}

void Dialog::DoubleClicked(int list, int position) {
    if (KindOf(list) != DialogKind::List) return;
    ListPicked(list, position);
    if (open_ && State(list).enabled && State(list).picked == position && position >= 0)
        OnRowTaken(list);
}

void Dialog::Cancel() { Finish(); }

void Dialog::SetItems(int list, std::vector<std::string> items) {
    states_.SetItems(list, std::move(items));
    if (KindOf(list) == DialogKind::DropDown) states_.SetText(list, {});
}

void Dialog::SetPicked(int list, int position) {
    const ControlState& state = State(list);
    const bool shown = KindOf(list) == DialogKind::DropDown;
    states_.SetPicked(list, position,
                      !shown         ? state.text
                      : position < 0 ? std::string()
                                     : state.items[static_cast<std::size_t>(position)]);
}

void Dialog::Focus(int control) {
    if (view_) view_->FocusOn(control);
}

void Dialog::Finish() {
    if (!open_) return;
    open_ = false;
    if (view_) view_->Closed();
}

}  // namespace deckplate::form
