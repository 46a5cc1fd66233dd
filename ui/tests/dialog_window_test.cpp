// The Qt view of a dialog model, over a small dialog of every kind of control: a widget per row
// with its caption, the model's changes in the widgets, the user's actions in the model, and the
// keys that end it or press a button.
#include "ui/dialog_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ui/control_look.h"
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

using form::DialogKind;

enum Probe { Box, Note, Name, Kind, Tick, Rows, Run, Quit };

// clang-format off
constexpr form::DialogRow kRows[] = {
    {Box,  "Box",  DialogKind::Frame,      120,  120, 4200, 1800, "条件"},
    {Note, "Note", DialogKind::Label,      240,  450, 1200,  300, "型号："},
    {Name, "Name", DialogKind::TextBox,   1500,  420, 1500,  330, "L50"},
    {Kind, "Kind", DialogKind::DropDown,  1500,  870, 1500,  330, ""},
    {Tick, "Tick", DialogKind::CheckBox,   240, 1320, 2400,  300, "只列通过的"},
    {Rows, "Rows", DialogKind::List,       120, 2040, 4200, 1800, "型号\t重量 kg/m"},
    {Run,  "Run",  DialogKind::PushButton, 4500, 240, 1200,  420, "选型", true},
    {Quit, "Quit", DialogKind::PushButton, 4500, 780, 1200,  420, "关闭"},
};
// clang-format on
constexpr form::DialogTable kTable{"试验", 6000, 4200, kRows};

// Records which handler heard what; 关闭 closes it, as a dialog's own button does.
class ProbeDialog : public form::Dialog {
  public:
    ProbeDialog() : Dialog(kTable) {
        SetItems(Kind, {"甲", "乙"});
        SetItems(Rows, {"L50x5\t3.77", "L63x6\t5.72"});
    }
    /// What a search answers: a status, the list refilled with a row picked, 选型 disabled.
    void Answer() {
        SetText(Note, "找到 3 种");
        SetItems(Rows, {"L50x5\t3.77", "L63x6\t5.72", "L70x7\t7.40"});
        SetPicked(Rows, 2);
        SetEnabled(Run, false);
    }

    std::vector<std::string> heard;  ///< "clicked Run", "changed Name", "taken Rows"

  private:
    void Hear(const char* what, int control) {
        heard.push_back(what + std::string(" ") + std::string(kRows[control].name));
    }
    void OnClicked(int control) override {
        Hear("clicked", control);
        if (control == Quit) Finish();
    }
    void OnChanged(int control) override { Hear("changed", control); }
    void OnRowTaken(int list) override { Hear("taken", list); }
};

struct Fixture {
    Fixture() { view.show(); }

    template <class Widget>
    Widget* Get(Probe control) const {
        auto* widget = qobject_cast<Widget*>(view.Widget(control));
        QTEST_ASSERT(widget != nullptr);
        return widget;
    }
    using Heard = std::vector<std::string>;

    ProbeDialog model;
    DialogWindow view{model, nullptr};
};

using Step = void (*)(Fixture&);

QString Headings(const QTreeWidget* list) {
    QStringList headings;
    for (int i = 0; i < list->columnCount(); ++i) headings << list->headerItem()->text(i);
    return headings.join('\t');
}

}  // namespace
}  // namespace deckplate::ui

Q_DECLARE_METATYPE(deckplate::ui::Step)

namespace deckplate::ui {

class DialogWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void viewFollowsTheModel_data();
    void viewFollowsTheModel();
};

void DialogWindowTest::viewFollowsTheModel_data() {
    QTest::addColumn<Step>("act");
    QTest::addColumn<Step>("check");
    const Step nothing = [](Fixture&) {};

    QTest::newRow("a widget per row, placed, with its caption") << nothing << Step([](Fixture& f) {
        QCOMPARE(f.view.windowTitle(), QString("试验"));
        QCOMPARE(f.view.size(), QSize(400, 280));
        for (std::size_t i = 0; i < std::size(kRows); ++i) {
            const form::DialogRow& row = kRows[i];
            QWidget* widget = f.view.findChild<QWidget*>(QStringFromUtf8(row.name));
            QVERIFY2(widget && widget == f.view.Widget(static_cast<int>(i)), row.name.data());
            QCOMPARE(widget->geometry(), PixelRect(row.left, row.top, row.width, row.height));
            QString shown;
            if (auto* frame = qobject_cast<QGroupBox*>(widget)) shown = frame->title();
            if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
            if (auto* box = qobject_cast<QLineEdit*>(widget)) shown = box->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
            if (auto* list = qobject_cast<QTreeWidget*>(widget)) shown = Headings(list);
            QCOMPARE(shown, QStringFromUtf8(row.caption));
        }
        QCOMPARE(f.Get<QComboBox>(Kind)->count(), 2);
        QCOMPARE(f.Get<QTreeWidget>(Rows)->topLevelItemCount(), 2);
        QVERIFY(f.Get<QPushButton>(Run)->isDefault());
    });
    QTest::newRow("the model's changes reach the widgets")
        << Step([](Fixture& f) { f.model.Answer(); }) << Step([](Fixture& f) {
               QCOMPARE(f.Get<QLabel>(Note)->text(), QString("找到 3 种"));
               auto* list = f.Get<QTreeWidget>(Rows);
               QCOMPARE(list->topLevelItemCount(), 3);
               QCOMPARE(list->topLevelItem(2)->text(1), QString("7.40"));
               QCOMPARE(list->currentItem(), list->topLevelItem(2));
               QVERIFY(!f.Get<QPushButton>(Run)->isEnabled());
               QCOMPARE(f.model.heard, Fixture::Heard{});
           });
    QTest::newRow("typing") << Step([](Fixture& f) {
        f.Get<QLineEdit>(Name)->end(false);
        QTest::keyClicks(f.Get<QLineEdit>(Name), "x6");
    }) << Step([](Fixture& f) {
        QCOMPARE(f.model.State(Name).text, std::string("L50x6"));
        QCOMPARE(f.model.heard, (Fixture::Heard{"changed Name", "changed Name"}));
    });
    QTest::newRow("a pick in a drop-down") << Step([](Fixture& f) {
        auto* kind = f.Get<QComboBox>(Kind);
        kind->setCurrentIndex(0);
        QTest::keyClick(kind, Qt::Key_Down);
    }) << Step([](Fixture& f) {
        QCOMPARE(f.model.State(Kind).picked, 1);
        QCOMPARE(f.model.State(Kind).text, std::string("乙"));
    });
    QTest::newRow("a tick") << Step([](Fixture& f) {
        QTest::mouseClick(f.Get<QCheckBox>(Tick), Qt::LeftButton);
    }) << Step([](Fixture& f) {
        QVERIFY(f.model.State(Tick).checked);
        QVERIFY(f.Get<QCheckBox>(Tick)->isChecked());
    });
    QTest::newRow("a click") << Step([](Fixture& f) {
        QTest::mouseClick(f.Get<QPushButton>(Run), Qt::LeftButton);
    }) << Step([](Fixture& f) { QCOMPARE(f.model.heard, Fixture::Heard{"clicked Run"}); });
    QTest::newRow("a row picked with the arrow keys") << Step([](Fixture& f) {
        QTest::keyClick(f.Get<QTreeWidget>(Rows), Qt::Key_Down);
        QTest::keyClick(f.Get<QTreeWidget>(Rows), Qt::Key_Down);
    }) << Step([](Fixture& f) { QCOMPARE(f.model.State(Rows).picked, 1); });
    QTest::newRow("a double-click on a row takes it") << Step([](Fixture& f) {
        auto* list = f.Get<QTreeWidget>(Rows);
        const QRect row = list->visualItemRect(list->topLevelItem(1));
        // What a double-click delivers: a click, then the second press as a double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }) << Step([](Fixture& f) {
        QCOMPARE(f.model.State(Rows).picked, 1);
        QCOMPARE(f.model.heard, (Fixture::Heard{"changed Rows", "taken Rows"}));
    });
    QTest::newRow("Esc cancels, and the dialog goes as the model closes")
        << Step([](Fixture& f) { QTest::keyClick(f.Get<QLineEdit>(Name), Qt::Key_Escape); })
        << Step([](Fixture& f) {
               QVERIFY(!f.model.IsOpen());
               QVERIFY(f.view.isHidden());
           });
    QTest::newRow("the close box cancels")
        << Step([](Fixture& f) { f.view.close(); }) << Step([](Fixture& f) {
               QVERIFY(!f.model.IsOpen());
               QVERIFY(f.view.isHidden());
           });
    QTest::newRow("Enter in a box presses the default button")
        << Step([](Fixture& f) { QTest::keyClick(f.Get<QLineEdit>(Name), Qt::Key_Return); })
        << Step([](Fixture& f) { QCOMPARE(f.model.heard, Fixture::Heard{"clicked Run"}); });
    QTest::newRow("Enter on a list row takes it") << Step([](Fixture& f) {
        QTest::keyClick(f.Get<QTreeWidget>(Rows), Qt::Key_Down);
        QTest::keyClick(f.Get<QTreeWidget>(Rows), Qt::Key_Return);
    }) << Step([](Fixture& f) {
        QCOMPARE(f.model.heard, (Fixture::Heard{"changed Rows", "taken Rows"}));
    });
    QTest::newRow("Enter presses the focused button")
        << Step([](Fixture& f) { QTest::keyClick(f.Get<QPushButton>(Quit), Qt::Key_Return); })
        << Step([](Fixture& f) {
               QCOMPARE(f.model.heard, Fixture::Heard{"clicked Quit"});
               QVERIFY(f.view.isHidden());
           });
}

void DialogWindowTest::viewFollowsTheModel() {
    QFETCH(Step, act);
    QFETCH(Step, check);
    Fixture f;
    act(f);
    check(f);
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::DialogWindowTest)
#include "dialog_window_test.moc"
