#include "form/dialog.h"

namespace deckplate::form {

Dialog::Dialog(const DialogTable& table) : table_(table), states_(table.rows.size()) {
    for (std::size_t i = 0; i < table.rows.size(); ++i) states_[i].text = table.rows[i].caption;
}

const ControlState& Dialog::State(int control) const {
    return states_.at(static_cast<std::size_t>(control));
}

ControlState& Dialog::Mutable(int control) { return states_.at(static_cast<std::size_t>(control)); }

void Dialog::Changed(int control) {
    if (view_) view_->ControlChanged(control);
}

void Dialog::TextEdited(int box, std::string_view text) {
    const DialogRow& row = table_.rows[static_cast<std::size_t>(box)];
    if (row.kind != DialogKind::TextBox || !open_ || !State(box).enabled) return;
    if (State(box).text == text) return;
    SetText(box, std::string(text));
    OnChanged(box);
}

void Dialog::ListPicked(int list, int position) {
    const DialogKind kind = table_.rows[static_cast<std::size_t>(list)].kind;
    const ControlState& state = State(list);
    if ((kind != DialogKind::DropDown && kind != DialogKind::List) || !open_ || !state.enabled ||
        position < -1 || position >= static_cast<int>(state.items.size()) ||
        position == state.picked)
        return;
    SetPicked(list, position);
    OnChanged(list);
}

void Dialog::Clicked(int control) {
    const DialogKind kind = table_.rows[static_cast<std::size_t>(control)].kind;
    if (!open_ || !State(control).enabled) return;
    if (kind == DialogKind::CheckBox) {
        SetChecked(control, !State(control).checked);
        OnChanged(control);
    } else if (kind == DialogKind::PushButton) {
        OnClicked(control);
    }
}

void Dialog::DoubleClicked(int list, int position) {
    if (table_.rows[static_cast<std::size_t>(list)].kind != DialogKind::List) return;
    ListPicked(list, position);
    if (open_ && State(list).enabled && State(list).picked == position && position >= 0)
        OnRowTaken(list);
}

void Dialog::Cancel() { Finish(); }

void Dialog::SetText(int control, std::string text) {
    ControlState& state = Mutable(control);
    if (state.text == text) return;
    state.text = std::move(text);
    Changed(control);
}

void Dialog::SetItems(int list, std::vector<std::string> items) {
    ControlState& state = Mutable(list);
    state.items = std::move(items);
    state.picked = -1;
    if (table_.rows[static_cast<std::size_t>(list)].kind == DialogKind::DropDown)
        state.text.clear();
    Changed(list);
}

void Dialog::SetEnabled(int control, bool enabled) {
    ControlState& state = Mutable(control);
    if (state.enabled == enabled) return;
    state.enabled = enabled;
    Changed(control);
}

void Dialog::SetChecked(int control, bool checked) {
    ControlState& state = Mutable(control);
    if (state.checked == checked) return;
    state.checked = checked;
    Changed(control);
}

void Dialog::SetPicked(int list, int position) {
    ControlState& state = Mutable(list);
    state.picked = position;
    if (table_.rows[static_cast<std::size_t>(list)].kind == DialogKind::DropDown)
        state.text = position < 0 ? std::string() : state.items[static_cast<std::size_t>(position)];
    Changed(list);
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
