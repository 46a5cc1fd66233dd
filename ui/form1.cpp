#include "form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "angle_catalogue.h"
#include "control_table.h"
#include "number_text.h"
#include "ui_font.h"

namespace deckplate::ui {
namespace {

const char* const kThicknesses[] = {"2.5", "3.0", "4.0", "4.5", "5.0", "5.5", "6.0", "7.0", "8.0"};

QString LabelName(int n) {
    // The angle list's caption was named with a small l.
    return n == 16 ? QStringLiteral("label16") : QStringLiteral("Label%1").arg(n);
}

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

QWidget* CreateControl(const ControlRow& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
        case Kind::Frame:
            return new QGroupBox(caption, parent);
        case Kind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case Kind::TextBox:
            return new QLineEdit(caption, parent);
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
            return new QPushButton(caption, parent);
    }
    return nullptr;
}

void ApplyLook(const ControlRow& control, QWidget* widget) {
    if (control.ink != Ink::Default) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, InkColour(control.ink));
        widget->setPalette(palette);
    }
    if (control.valueCell) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Base));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(kApplicationTitle);
    setFont(UiFont());
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    BuildControls();
    SetFocusOrder();
    ConnectHandlers();
}

void Form1::BuildControls() {
    controls_.insert(QStringLiteral("form1"), this);
    for (const ControlRow& control : ControlTable()) {
        QWidget* container = controls_.value(QString::fromUtf8(control.container));
        QWidget* widget = CreateControl(control, container);
        const QString name = QString::fromUtf8(control.name);
        widget->setObjectName(name);
        widget->setAccessibleName(name);
        widget->setGeometry(control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
                            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel);
        if (auto* box = qobject_cast<QAbstractButton*>(widget);
            box && (control.kind == Kind::CheckBox || control.kind == Kind::OptionButton))
            box->setChecked(control.checked);
        widget->setEnabled(control.enabled);
        widget->setVisible(control.visible);
        ApplyLook(control, widget);
        controls_.insert(name, widget);
    }
    Label(28)->setFont(HintFont());
    Label(29)->setFont(HintFont());
}

void Form1::SetFocusOrder() {
    const QWidget* order[] = {Text(1),    Text(2),  Combo(1), Text(4),    Option(1),  Option(2),
                              Text(5),    Text(6),  Text(7),  Text(8),    Text(9),    Combo(2),
                              Text(10),   Text(11), Text(12), Command(1), Command(2), Text(13),
                              Command(3), Check(1), Check(2)};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    Text(3)->setFocusPolicy(Qt::NoFocus);
}

void Form1::ConnectHandlers() {
    connect(Check(1), &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Check(2), &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Option(1), &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option(2), &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    // `activated` comes for every pick of a list item, by mouse or keyboard, never for typing.
    connect(Combo(1), &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo(2), &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Command(1), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command(2), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command(3), &QPushButton::clicked, this, &Form1::Command3_Click);
}

template <class Widget>
Widget* Form1::Control(const QString& name) const {
    auto* widget = qobject_cast<Widget*>(controls_.value(name));
    Q_ASSERT_X(widget, "Form1::Control", qPrintable(name));
    return widget;
}

QLineEdit* Form1::Text(int n) const { return Control<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
QLabel* Form1::Label(int n) const { return Control<QLabel>(LabelName(n)); }
QComboBox* Form1::Combo(int n) const {
    return Control<QComboBox>(QStringLiteral("Combo%1").arg(n));
}
QCheckBox* Form1::Check(int n) const {
    return Control<QCheckBox>(QStringLiteral("Check%1").arg(n));
}
QRadioButton* Form1::Option(int n) const {
    return Control<QRadioButton>(QStringLiteral("Option%1").arg(n));
}
QPushButton* Form1::Command(int n) const {
    return Control<QPushButton>(QStringLiteral("Command%1").arg(n));
}

void Form1::Form_Load() {
    // Centre on the screen, in twips and single precision as the layout is measured.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        const float screenWidth = static_cast<float>(available.width() * kTwipsPerPixel);
        const float screenHeight = static_cast<float>(available.height() * kTwipsPerPixel);
        const float windowWidth = static_cast<float>(frameGeometry().width() * kTwipsPerPixel);
        const float windowHeight = static_cast<float>(frameGeometry().height() * kTwipsPerPixel);
        const float left = (screenWidth - windowWidth) / 2.0f;
        const float top = (screenHeight - windowHeight) / 2.0f;
        move(available.left() + static_cast<int>(left / kTwipsPerPixel),
             available.top() + static_cast<int>(top / kTwipsPerPixel));
    }
    for (const char* thickness : kThicknesses) Combo(1)->addItem(QString::fromLatin1(thickness));
    for (const AngleRow& row : AngleCatalogue())
        Combo(2)->addItem(QString::fromLatin1(row.designation.data(), row.designation.size()));
    Combo(1)->setCurrentIndex(-1);
    Combo(2)->setCurrentIndex(-1);

    Text(9)->setEnabled(false);
    Text(13)->setEnabled(false);
    Combo(2)->setEnabled(true);
    Label(15)->hide();
    Label(22)->hide();
    Label(16)->show();
    Text(13)->hide();
    Text(9)->hide();
    Combo(2)->show();
}

void Form1::Check1_Click() {
    if (Check(2)->isChecked() && Check(1)->isChecked())
        platform_.ShowMessage(this, QStringLiteral("请选择其中之一"));
}

void Form1::Option1_Click() {
    Text(9)->show();
    Text(13)->show();
    Text(9)->setEnabled(true);
    Text(13)->setEnabled(true);
    Label(15)->show();
    Label(22)->show();
    Label(23)->show();
    Label(24)->show();
    Combo(2)->hide();
    Label(16)->hide();
}

void Form1::Option2_Click() {
    Combo(2)->show();
    Text(9)->hide();
    Label(15)->hide();
    Label(22)->hide();
    Text(13)->hide();
    Combo(2)->setEnabled(true);
    Label(23)->hide();
    Label(24)->hide();
    Label(16)->show();
}

void Form1::Combo1_Click() { Command(1)->setEnabled(true); }

void Form1::Combo2_Click() {
    Label(34)->setText(QStringLiteral("角钢形心与短肢边距(cm)"));
    Label(30)->setText(QStringLiteral("角钢强轴惯性矩(cm4)"));
    Label(32)->setText(QStringLiteral("角钢截面面积(cm2)"));
    indexjudge = static_cast<std::int16_t>(Combo(2)->currentIndex());
    AngleSection(indexjudge, Iangle1, Yoangle1, Aangle1, Hangle1);
    Label(31)->setText(QString::fromStdString(DisplayText(Yoangle1)));
    Label(33)->setText(QString::fromStdString(DisplayText(Iangle1)));
    Label(35)->setText(QString::fromStdString(DisplayText(Aangle1)));
}

void Form1::Command2_Click() { platform_.EndProgram(); }

}  // namespace deckplate::ui
