#pragma once
// The Qt window: a menu bar above the form and its optional groups. It is the form model's view:
// it shows the title and the menu items, passes each change of a control to the form, keeps
// itself on the screen as it grows, and asks the model before it closes.

#include <QMainWindow>
#include <array>

#include "form/form1.h"

class QAction;
class QScreen;

namespace deckplate::ui {

class Form1Widget;

class Form1Window : public QMainWindow, public form::FormView {
    Q_OBJECT

  public:
    explicit Form1Window(form::Form1& model);
    ~Form1Window() override;

    /// Start-up: the model's own start-up, then centre on the screen, within its work area.
    void Form_Load();

    void ControlChanged(form::Control control) override;
    void MenuItemChanged(form::MenuItem item) override;
    void LayoutChanged() override;

    Form1Widget& Form() const { return *form_; }
    QAction* Action(form::MenuItem item) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    /// Moves the window into the screen's work area, as little as it must.
    void KeepOnScreen(const QScreen& screen);

    form::Form1& model_;
    Form1Widget* form_;
    std::array<QAction*, form::kMenuItemCount> actions_{};
    std::array<QAction*, form::kMenuItemCount> separators_{};  ///< the line above, if any
};

}  // namespace deckplate::ui
