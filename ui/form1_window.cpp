#include "ui/form1_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <map>

#include "ui/form1_widget.h"
#include "ui/qt_text.h"
#include "ui/ui_font.h"

namespace deckplate::ui {
Form1Window::Form1Window(form::Form1& model) : model_(model), form_(new Form1Widget(model, this)) {
    setCentralWidget(form_);
    menuBar()->setFont(UiFont());
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the form's size, plus the menu bar
    BuildMenus();
    ControlChanged(form::Control::Window);
    for (const form::MenuRow& row : form::MenuTable()) MenuItemChanged(row.id);
    model_.SetView(this);
}

Form1Window::~Form1Window() { model_.SetView(nullptr); }

QAction* Form1Window::Action(form::MenuItem item) const {
    return actions_[static_cast<std::size_t>(item)];
}

void Form1Window::BuildMenus() {
    std::map<std::string_view, QMenu*> menus;  // menus and submenus by title
    std::map<std::string_view, QActionGroup*> choices;
    for (const form::MenuRow& row : form::MenuTable()) {
        QMenu*& menu = menus[row.menu];
        if (!menu) {
            menu = menuBar()->addMenu(QStringFromUtf8(row.menu));
            menu->setFont(UiFont());
        }
        QMenu* parent = menu;
        if (!row.submenu.empty()) {
            QMenu*& submenu = menus[row.submenu];
            if (!submenu) {
                submenu = menu->addMenu(QStringFromUtf8(row.submenu));
                submenu->setFont(UiFont());
            }
            parent = submenu;
        }
        // A line sets the item apart; it shows and hides with it.
        QAction* separator = row.separated ? parent->addSeparator() : nullptr;
        QAction* action = parent->addAction(QStringFromUtf8(row.caption));
        separators_[static_cast<std::size_t>(row.id)] = separator;
        if (row.choice) {
            QActionGroup*& group = choices[row.submenu];
            if (!group) group = new QActionGroup(this);
            action->setCheckable(true);
            group->addAction(action);
        }
        if (row.toggle) action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, id = row.id] { model_.MenuChosen(id); });
        actions_[static_cast<std::size_t>(row.id)] = action;
    }
}

void Form1Window::ControlChanged(form::Control control) {
    if (control == form::Control::Window)
        setWindowTitle(QStringFromUtf8(model_.State(control).text));
    else
        form_->ShowControl(control);
}

void Form1Window::MenuItemChanged(form::MenuItem item) {
    QAction* action = Action(item);
    const QSignalBlocker block(action);
    const form::MenuItemState& state = model_.State(item);
    action->setEnabled(state.enabled);
    action->setChecked(state.checked);
    action->setVisible(state.visible);
    if (form::Row(item).variable) action->setText(QStringFromUtf8(state.text));
    if (QAction* separator = separators_[static_cast<std::size_t>(item)])
        separator->setVisible(state.visible);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // Unsaved changes are saved or given up first, unless the engineer cancels.
    if (model_.MayClose())
        event->accept();
    else
        event->ignore();
}

namespace {

form::ScreenRect ScreenRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

void Form1Window::KeepOnScreen(const QScreen& screen) {
    const QRect frame = frameGeometry();
    const form::WindowPosition position =
        form::OnScreen(ScreenRectOf(screen.availableGeometry()), ScreenRectOf(frame));
    if (position.left != frame.left() || position.top != frame.top())
        move(pos() + QPoint(position.left - frame.left(), position.top - frame.top()));
}

void Form1Window::LayoutChanged() {
    form_->LayOut();
    // The window takes the form's new size now, not at the next event.
    layout()->activate();
    if (!isVisible()) return;  // not on show yet: start-up places it as it is
    if (const QScreen* screen = this->screen()) KeepOnScreen(*screen);
}

void Form1Window::Form_Load() {
    // The model's start-up first: a group remembered as shown makes the window larger.
    model_.Form_Load();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        adjustSize();
        const form::WindowPosition position = form::CentredWindow(
            whole.width(), whole.height(), frameGeometry().width(), frameGeometry().height());
        move(whole.left() + position.left, whole.top() + position.top);
        KeepOnScreen(*screen);  // clear of the taskbar
    }
}

}  // namespace deckplate::ui
