#pragma once
// The form of the Qt window: native widgets built from the control table, each user action
// forwarded to the form model, and a control's state shown in its widget when the model
// changes it. No behaviour of its own beyond translating the toolkit's events (Enter in a list's
// field is typing, not a pick).

#include <QWidget>
#include <array>

#include "form/form1.h"

namespace deckplate::ui {

class Form1Widget : public QWidget {
    Q_OBJECT

  public:
    explicit Form1Widget(form::Form1& model, QWidget* parent = nullptr);

    /// Shows the model's state of `control` in its widget.
    void ShowControl(form::Control control);
    /// Places every control and sizes the form as the model lays them out now (the optional
    /// groups on show in the second column).
    void LayOut();

    /// The widget of a control (a QLineEdit for DeadLoad, a QComboBox for Thickness, …); Window is
    /// this form.
    QWidget* Widget(form::Control control) const;

  private:
    void BuildControls();
    void SetFocusOrder();
    void ConnectEvents(form::Control control, QWidget* widget);

    form::Form1& model_;
    std::array<QWidget*, form::kControlCount> widgets_{};
};

}  // namespace deckplate::ui
