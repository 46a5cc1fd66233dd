// The window as it first appears: every control against the table, both lists, the focus
// order, the centring, and every caption inside its box.
#include <QFontMetrics>
#include <QGroupBox>
#include <QScreen>
#include <set>

#include "control_table.h"
#include "form1_fixture.h"

namespace deckplate::ui {

class Form1StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlHasItsStartState();
    void flatBarInputsAreHiddenAndDisabled();
    void listsAreFilledWithNothingPicked();
    void focusFollowsTheInputOrder();
    void windowOpensCentred();
    void everyCaptionFitsItsBox();
    void stateVariablesStartAtZero();
};

void Form1StartupTest::everyControlHasItsStartState() {
    Form1Fixture f;
    // Start-up hides and disables the flat-bar inputs beyond what the table says.
    const std::set<QString> hiddenByStartUp{"Label15", "Label22", "Text9", "Text13"};
    int count = 0;
    for (const ControlRow& control : ControlTable()) {
        const QString name = QString::fromUtf8(control.name);
        auto* widget = f.form->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        ++count;
        const QString container = QString::fromUtf8(control.container);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), QRect(control.left / 15, control.top / 15, control.width / 15,
                                           control.height / 15));
        const bool shown = control.visible && !hiddenByStartUp.count(name);
        QVERIFY2(widget->isHidden() == !shown, qPrintable(name));
        const bool enabled = control.enabled && name != "Text9" && name != "Text13";
        QVERIFY2(widget->isEnabled() == enabled, qPrintable(name));
        const QString caption = QString::fromUtf8(control.caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) QCOMPARE(box->text(), caption);
        if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), caption);
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) QCOMPARE(frame->title(), caption);
    }
    QCOMPARE(count, 70);
    QVERIFY(f.Get<QCheckBox>("Check1")->isChecked());
    QVERIFY(!f.Get<QCheckBox>("Check2")->isChecked());
    QVERIFY(f.Get<QRadioButton>("Option2")->isChecked());
    QVERIFY(!f.Get<QRadioButton>("Option1")->isChecked());
    QCOMPARE(f.Text("Text1")->text(), QString(" "));  // one blank, not empty
    QCOMPARE(f.Label("label16")->text(), QString("角钢规格："));
    QCOMPARE(f.form->windowTitle(), QString("平台钢铺板计算"));
    QCOMPARE(f.form->size(), QSize(543, 465));
}

void Form1StartupTest::flatBarInputsAreHiddenAndDisabled() {
    Form1Fixture f;
    for (const char* name : {"Label15", "Label22", "Label23", "Label24", "Text9", "Text13"})
        QVERIFY2(f.form->findChild<QWidget*>(name)->isHidden(), name);
    QVERIFY(!f.Text("Text9")->isEnabled());
    QVERIFY(!f.Text("Text13")->isEnabled());
    QVERIFY(!f.Get<QComboBox>("Combo2")->isHidden());
    QVERIFY(!f.Text("Text3")->isEnabled());
    QCOMPARE(f.Text("Text3")->focusPolicy(), Qt::NoFocus);
}

void Form1StartupTest::listsAreFilledWithNothingPicked() {
    Form1Fixture f;
    auto* thickness = f.Get<QComboBox>("Combo1");
    QStringList items;
    for (int i = 0; i < thickness->count(); ++i) items << thickness->itemText(i);
    QCOMPARE(items, QStringList({"2.5", "3.0", "4.0", "4.5", "5.0", "5.5", "6.0", "7.0", "8.0"}));
    auto* angle = f.Get<QComboBox>("Combo2");
    QCOMPARE(angle->count(), 51);
    QCOMPARE(angle->itemText(0), QString("L25x16x3"));
    QCOMPARE(angle->itemText(8), QString("L50x32x3"));
    QCOMPARE(angle->itemText(50), QString("L140x90x10"));
    for (auto* combo : {thickness, angle}) {
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(combo->isEditable());
    }
}

void Form1StartupTest::focusFollowsTheInputOrder() {
    Form1Fixture f;
    const char* order[] = {"Text1",    "Text2",  "Combo1", "Text4",    "Option1",  "Option2",
                           "Text5",    "Text6",  "Text7",  "Text8",    "Text9",    "Combo2",
                           "Text10",   "Text11", "Text12", "Command1", "Command2", "Text13",
                           "Command3", "Check1", "Check2"};
    QWidget* w = f.form->findChild<QWidget*>(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // Skip what takes no focus and the widgets a control is made of (a combo's line edit).
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
               w->objectName().startsWith("qt_"));
        QCOMPARE(w->objectName(), QString(order[i]));
    }
}

void Form1StartupTest::windowOpensCentred() {
    Form1Fixture f;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect window = f.form->frameGeometry();
    QVERIFY(qAbs(window.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.center().y() - screen.center().y()) <= 1);
}

void Form1StartupTest::everyCaptionFitsItsBox() {
    Form1Fixture f;
    for (auto* label : f.form->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                  Qt::TextWordWrap | Qt::AlignLeft, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QString("%1 \"%2\" needs %3x%4 in %5x%6")
                                .arg(label->objectName(), label->text())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
    }
    for (auto* button : f.form->findChildren<QPushButton*>()) {
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width());
    }
    for (auto* frame : f.form->findChildren<QGroupBox*>()) {
        QVERIFY(QFontMetrics(frame->font()).horizontalAdvance(frame->title()) < frame->width());
    }
}

void Form1StartupTest::stateVariablesStartAtZero() {
    Form1Fixture f;
    const Form1& w = *f.form;
    for (double v : {w.Alpha, w.Beta, w.Iangle1, w.Yoangle1, w.Aangle1, w.Hangle1, w.AstiffenerE,
                     w.IStiffenerE})
        QCOMPARE(v, 0.0);
    QCOMPARE(w.indexjudge, std::int16_t{0});
    QVERIFY(!f.Get<QPushButton>("Command1")->isEnabled());
    QVERIFY(!f.Get<QPushButton>("Command3")->isEnabled());
    QVERIFY(f.Get<QPushButton>("Command2")->isEnabled());
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::Form1StartupTest)
#include "form1_startup_test.moc"
