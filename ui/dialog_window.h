#pragma once
// One of the window's dialogs in Qt: a QDialog built from any dialog table, its controls placed
// as the table says (twips scaled as the form's), each user action forwarded to the dialog model
// and each change the model reports shown in its widget. The model decides when the dialog ends:
// Esc and the close box ask it to cancel, and the dialog goes only when it is told Closed().

#include <QDialog>
#include <string>
#include <vector>

#include "form/dialog.h"

class QTreeWidget;

namespace deckplate::ui {

class DialogWindow : public QDialog, public form::DialogView {
    Q_OBJECT

  public:
    DialogWindow(form::Dialog& model, QWidget* parent);
    ~DialogWindow() override;

    void ControlChanged(int control) override;
    void FocusOn(int control) override;
    void Closed() override;

    /// The widget of a table row: QGroupBox, QLabel, QLineEdit, QComboBox, QCheckBox,
    /// QPushButton or, for a list, QTreeWidget.
    QWidget* Widget(int control) const;

    /// Esc: the model's Cancel, not QDialog's own ending.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectEvents(int control, QWidget* widget);
    void ShowList(int control, QTreeWidget* list);

    form::Dialog& model_;
    std::vector<QWidget*> widgets_;
    /// The rows a drop-down or list shows now, as the model gave them: a list of a thousand rows
    /// is refilled only when its rows change, not when a pick or an enabling does.
    std::vector<std::vector<std::string>> shownItems_;
};

}  // namespace deckplate::ui
