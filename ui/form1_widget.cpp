#include "ui/form1_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/caption_label.h"
#include "ui/control_look.h"
#include "ui/qt_text.h"
#include "ui/ui_font.h"

namespace deckplate::ui {

using form::Control;
using form::ControlRow;
using form::ControlState;
using form::Ink;
using form::Kind;

namespace {

// An editable list's field: Enter after typing a list text would otherwise count as picking
// that item. Only a pick from the list (mouse, or the arrow keys) is a pick.
class TypingIsNotPicking : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case Kind::Frame:
            return new QGroupBox(parent);
        case Kind::Label:
            return new CaptionLabel(parent);
        case Kind::TextBox:
            return new QLineEdit(parent);
        case Kind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);  // what is typed stays as typed
            combo->lineEdit()->installEventFilter(new TypingIsNotPicking(combo));
            combo->setMaxVisibleItems(12);
            return combo;
        }
        case Kind::CheckBox:
            return new QCheckBox(parent);
        case Kind::OptionButton:
            return new QRadioButton(parent);
        case Kind::PushButton:
            return new QPushButton(parent);
    }
    return nullptr;
}

void ShowState(const ControlRow& row, const ControlState& state, QWidget* widget) {
    const QString text = QStringFromUtf8(state.text);
    switch (row.kind) {
        case Kind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(text);
            SetTextColour(widget, QPalette::WindowText, InkColour(state.ink, QPalette::WindowText));
            break;
        case Kind::Label:
            static_cast<QLabel*>(widget)->setText(text);
            // A value cell reads as a box: the text colour of a box.
            SetTextColour(
                widget, QPalette::WindowText,
                InkColour(state.ink, row.valueCell ? QPalette::Text : QPalette::WindowText));
            break;
        case Kind::TextBox: {
            auto* box = static_cast<QLineEdit*>(widget);
            if (box->text() != text) box->setText(text);
            SetTextColour(widget, QPalette::Text, InkColour(state.ink, QPalette::Text));
            break;
        }
        case Kind::ComboBox: {
            auto* list = static_cast<QComboBox*>(widget);
            const QSignalBlocker blockField(list->lineEdit());
            if (list->count() != static_cast<int>(state.items.size())) {
                list->clear();
                for (const std::string& item : state.items) list->addItem(QStringFromUtf8(item));
            }
            if (list->currentIndex() != state.picked) list->setCurrentIndex(state.picked);
            if (list->currentText() != text) list->setEditText(text);
            break;
        }
        case Kind::CheckBox:
        case Kind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setChecked(state.checked);
            break;
        case Kind::PushButton:
            static_cast<QPushButton*>(widget)->setText(text);
            break;
    }
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
}

}  // namespace

Form1Widget::Form1Widget(form::Form1& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("form1"));
    setFont(UiFont());
    BuildControls();
    LayOut();
    SetFocusOrder();
}

void Form1Widget::LayOut() {
    const form::FormLayout layout = model_.Layout();
    for (const ControlRow& row : form::ControlTable()) {
        const form::Placement place = form::ControlPlacement(row.id, layout);
        Widget(row.id)->setGeometry(PixelRect(place.left, place.top, place.width, place.height));
    }
    setFixedSize(Pixels(form::ClientWidthTwips(layout)), Pixels(form::ClientHeightTwips(layout)));
}

QWidget* Form1Widget::Widget(Control control) const {
    return control == Control::Window ? const_cast<Form1Widget*>(this)
                                      : widgets_[static_cast<std::size_t>(control)];
}

void Form1Widget::BuildControls() {
    for (const ControlRow& row : form::ControlTable()) {
        QWidget* widget = CreateControl(row, Widget(row.container));
        const QString name = QStringFromUtf8(row.name);
        widget->setObjectName(name);
        widget->setAccessibleName(name);
        if (row.face == form::Face::Hint) widget->setFont(HintFont());
        if (row.valueCell) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, palette.color(QPalette::Base));
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }
        widgets_[static_cast<std::size_t>(row.id)] = widget;
        ShowState(row, model_.State(row.id), widget);
        ConnectEvents(row.id, widget);
    }
}

void Form1Widget::SetFocusOrder() {
    const auto order = form::FocusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(Widget(order[i]), Widget(order[i + 1]));
    Widget(Control::DeflectionLimit)->setFocusPolicy(Qt::NoFocus);
}

void Form1Widget::ConnectEvents(Control control, QWidget* widget) {
    const auto edited = [this, control](const QString& text) {
        model_.TextEdited(control, text.toStdString());
    };
    const auto clicked = [this, control] { model_.Clicked(control); };
    switch (form::Row(control).kind) {
        case Kind::TextBox:
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, edited);
            break;
        case Kind::ComboBox: {
            auto* list = static_cast<QComboBox*>(widget);
            connect(list->lineEdit(), &QLineEdit::textEdited, this, edited);
            // `activated` comes for every pick of a list item, by mouse or keyboard, never for
            // typing.
            connect(list, &QComboBox::activated, this,
                    [this, control](int position) { model_.ListPicked(control, position); });
            break;
        }
        case Kind::CheckBox:
        case Kind::PushButton:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    clicked);
            break;
        case Kind::OptionButton:
            // Chosen by a click or by the arrow keys; the model's own changes come blocked.
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::toggled, this,
                    [clicked](bool on) {
                        if (on) clicked();
                    });
            break;
        case Kind::Frame:
        case Kind::Label:
            break;
    }
}

void Form1Widget::ShowControl(Control control) {
    QWidget* widget = Widget(control);
    const QSignalBlocker block(widget);
    ShowState(form::Row(control), model_.State(control), widget);
}

}  // namespace deckplate::ui
