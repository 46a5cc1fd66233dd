#pragma once
// The Qt view of the window form1: native widgets built from the control table, each user
// action forwarded to the form model, and each change of the model shown in its widget. It has
// no behaviour of its own beyond translating the toolkit's events (Enter in a list's field is
// typing, not a pick).

#include <QWidget>
#include <array>

#include "form1.h"

namespace deckplate::ui {

class Form1Widget : public QWidget, public form::FormView {
    Q_OBJECT

  public:
    explicit Form1Widget(form::Form1& model, QWidget* parent = nullptr);
    ~Form1Widget() override;

    /// Start-up: centre on the screen, then the model's own start-up.
    void Form_Load();

    void ControlChanged(form::Control control) override;

    /// The widget of a control (a QLineEdit for Text1, a QComboBox for Combo1, …).
    QWidget* Widget(form::Control control) const;

  private:
    void BuildControls();
    void SetFocusOrder();
    void ConnectEvents(form::Control control, QWidget* widget);

    form::Form1& model_;
    std::array<QWidget*, form::kControlCount> widgets_{};
};

}  // namespace deckplate::ui
