#include "ui/dialog_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>

#include "ui/caption_label.h"
#include "ui/control_look.h"
#include "ui/qt_text.h"
#include "ui/ui_font.h"

namespace deckplate::ui {

using form::DialogKind;
using form::DialogRow;

namespace {

// The Song face fills its em: rows and columns set edge to edge would read as one block of
// characters. A list's rows get half an em between them, its columns an em.
int Em(const QFont& font) { return QFontInfo(font).pixelSize(); }

class SpacedRows : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, Em(option.font) / 2);
    }
};

// Enter on a list's row takes it, as a double-click does, instead of pressing the default button.
class EnterTakesRow : public QObject {
  public:
    EnterTakesRow(QTreeWidget* list, std::function<void(int)> take)
        : QObject(list), list_(list), take_(std::move(take)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const int row = list_->indexOfTopLevelItem(list_->currentItem());
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row >= 0) {
                take_(row);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QTreeWidget* list_;
    std::function<void(int)> take_;
};

QTreeWidget* CreateList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setItemDelegate(new SpacedRows(list));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns as wide as their texts; a scroll bar when they are wider than the list.
    list->header()->setStretchLastSection(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

QWidget* CreateControl(const DialogRow& row, QWidget* parent) {
    switch (row.kind) {
        case DialogKind::Frame:
            return new QGroupBox(parent);
        case DialogKind::Label:
            return new CaptionLabel(parent);
        case DialogKind::TextBox:
            return new QLineEdit(parent);
        case DialogKind::DropDown:
            return new QComboBox(parent);
        case DialogKind::CheckBox:
            return new QCheckBox(parent);
        case DialogKind::PushButton: {
            auto* button = new QPushButton(parent);
            // Every other button of a QDialog is auto-default: Enter presses it while it has
            // the focus, and this one otherwise.
            button->setDefault(row.defaultButton);
            return button;
        }
        case DialogKind::List:
            return CreateList(parent);
    }
    return nullptr;
}

int Position(const QTreeWidget* list, QTreeWidgetItem* item) {
    return item ? list->indexOfTopLevelItem(item) : -1;
}

int PickedRow(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> rows = list->selectedItems();
    return rows.isEmpty() ? -1 : Position(list, rows.front());
}

QStringList Headings(const QTreeWidget* list) {
    QStringList headings;
    for (int column = 0; column < list->columnCount(); ++column)
        headings << list->headerItem()->text(column);
    return headings;
}

}  // namespace

DialogWindow::DialogWindow(form::Dialog& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      widgets_(model.Table().rows.size()),
      shownItems_(model.Table().rows.size()) {
    const form::DialogTable& table = model_.Table();
    setWindowTitle(QStringFromUtf8(table.title));
    setFont(UiFont());
    setFixedSize(Pixels(table.width), Pixels(table.height));
    BuildControls();
    model_.SetView(this);
}

DialogWindow::~DialogWindow() { model_.SetView(nullptr); }

QWidget* DialogWindow::Widget(int control) const {
    return widgets_.at(static_cast<std::size_t>(control));
}

void DialogWindow::BuildControls() {
    // Made in the table's order, which is the order Tab follows.
    const auto rows = model_.Table().rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DialogRow& row = rows[i];
        QWidget* widget = CreateControl(row, this);
        const QString name = QStringFromUtf8(row.name);
        widget->setObjectName(name);
        widget->setAccessibleName(name);
        widget->setGeometry(PixelRect(row.left, row.top, row.width, row.height));
        // A box is drawn around the controls inside it, never over them.
        if (row.kind == DialogKind::Frame) widget->lower();
        widgets_[i] = widget;
        ControlChanged(static_cast<int>(i));
        ConnectEvents(static_cast<int>(i), widget);
    }
    // The focus starts on the first control that takes it, in the table's order: QDialog itself
    // would pass a first push button over for the default button.
    for (QWidget* widget : widgets_)
        if (widget->focusPolicy() != Qt::NoFocus && !widget->isHidden() && widget->isEnabled()) {
            widget->setFocus();
            break;
        }
}

void DialogWindow::ConnectEvents(int control, QWidget* widget) {
    switch (model_.Table().rows[static_cast<std::size_t>(control)].kind) {
        case DialogKind::TextBox:
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                    [this, control](const QString& text) {
                        model_.TextEdited(control, text.toStdString());
                    });
            break;
        case DialogKind::DropDown:
            // `activated` comes for every pick, by mouse or the arrow keys.
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, control](int position) { model_.ListPicked(control, position); });
            break;
        case DialogKind::CheckBox:
            // The box ticks itself; it shows the model's tick whether the model took the click
            // or not.
            connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, control] {
                model_.Clicked(control);
                ControlChanged(control);
            });
            break;
        case DialogKind::PushButton:
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, control] { model_.Clicked(control); });
            break;
        case DialogKind::List: {
            auto* list = static_cast<QTreeWidget*>(widget);
            // The row picked is the row highlighted: the focus entering the list marks a first
            // row as current without highlighting it, and that is no pick.
            connect(list, &QTreeWidget::itemSelectionChanged, this,
                    [this, control, list] { model_.ListPicked(control, PickedRow(list)); });
            connect(list, &QTreeWidget::itemDoubleClicked, this,
                    [this, control, list](QTreeWidgetItem* item) {
                        model_.DoubleClicked(control, Position(list, item));
                    });
            list->installEventFilter(new EnterTakesRow(
                list, [this, control](int row) { model_.DoubleClicked(control, row); }));
            break;
        }
        case DialogKind::Frame:
        case DialogKind::Label:
            break;
    }
}

void DialogWindow::ControlChanged(int control) {
    QWidget* widget = Widget(control);
    // The model's own writes are not user actions: no signal reaches the model from here.
    const QSignalBlocker block(widget);
    const form::ControlState& state = model_.State(control);
    const QString text = QStringFromUtf8(state.text);
    switch (model_.Table().rows[static_cast<std::size_t>(control)].kind) {
        case DialogKind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(text);
            SetTextColour(widget, QPalette::WindowText, InkColour(state.ink, QPalette::WindowText));
            break;
        case DialogKind::Label:
            static_cast<QLabel*>(widget)->setText(text);
            SetTextColour(widget, QPalette::WindowText, InkColour(state.ink, QPalette::WindowText));
            break;
        case DialogKind::TextBox: {
            auto* box = static_cast<QLineEdit*>(widget);
            // Setting the same text would move the caret to the end under the user's typing.
            if (box->text() != text) box->setText(text);
            SetTextColour(widget, QPalette::Text, InkColour(state.ink, QPalette::Text));
            break;
        }
        case DialogKind::DropDown: {
            auto* list = static_cast<QComboBox*>(widget);
            std::vector<std::string>& shown = shownItems_[static_cast<std::size_t>(control)];
            if (shown != state.items) {
                list->clear();
                for (const std::string& item : state.items) list->addItem(QStringFromUtf8(item));
                shown = state.items;
            }
            list->setCurrentIndex(state.picked);
            break;
        }
        case DialogKind::CheckBox: {
            auto* box = static_cast<QCheckBox*>(widget);
            box->setText(text);
            box->setChecked(state.checked);
            break;
        }
        case DialogKind::PushButton:
            static_cast<QPushButton*>(widget)->setText(text);
            break;
        case DialogKind::List:
            ShowList(control, static_cast<QTreeWidget*>(widget));
            break;
    }
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
}

void DialogWindow::ShowList(int control, QTreeWidget* list) {
    const form::ControlState& state = model_.State(control);
    std::vector<std::string>& shown = shownItems_[static_cast<std::size_t>(control)];
    const QStringList headings = QStringFromUtf8(state.text).split(QLatin1Char('\t'));
    bool refilled = false;
    if (Headings(list) != headings) {
        list->setHeaderLabels(headings);
        refilled = true;
    }
    if (shown != state.items) {
        list->clear();
        QList<QTreeWidgetItem*> rows;
        rows.reserve(static_cast<qsizetype>(state.items.size()));
        for (const std::string& item : state.items)
            rows.append(new QTreeWidgetItem(QStringFromUtf8(item).split(QLatin1Char('\t'))));
        list->addTopLevelItems(rows);
        shown = state.items;
        refilled = true;
    }
    if (refilled)
        for (int column = 0; column < list->columnCount(); ++column) {
            list->resizeColumnToContents(column);
            list->setColumnWidth(column, list->columnWidth(column) + Em(list->font()));
        }
    if (PickedRow(list) != state.picked) {
        if (QTreeWidgetItem* picked = list->topLevelItem(state.picked)) {
            list->setCurrentItem(picked);
            list->scrollToItem(picked);
        } else {
            list->clearSelection();
        }
    }
}

void DialogWindow::FocusOn(int control) { Widget(control)->setFocus(); }

void DialogWindow::Closed() { done(QDialog::Rejected); }

void DialogWindow::reject() { model_.Cancel(); }

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is Cancel; the dialog goes once the model has closed it.
    if (model_.IsOpen()) model_.Cancel();
    if (model_.IsOpen())
        event->ignore();
    else
        event->accept();
}

}  // namespace deckplate::ui
