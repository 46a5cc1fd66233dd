// The Qt view: widgets built from the table, user actions reaching the model, the model's
// changes reaching the widgets, and every caption inside its box at the screen's scale.
#include "ui/form1_widget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <map>
#include <string>

#include "form/tests/fake_platform.h"
#include "ui/caption_label.h"
#include "ui/form1_window.h"
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

using enum form::Control;

// A started window over a recording platform, with a watchdog that fails the test and closes
// any modal dialog that appears, so no test can hang.
class Fixture {
  public:
    /// `remembered`: the settings an earlier run left, as the window starts with them; by
    /// default an earlier run that chose the legacy basis, whose window and numbers the tests
    /// hold unless they choose otherwise (a first start takes the current basis).
    explicit Fixture(std::map<std::string, std::string, std::less<>> remembered = {
                         {"basis", "legacy"}}) {
        platform.settings = std::move(remembered);
        window.Form_Load();
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                unexpectedDialog = true;
                modal->close();
            }
        });
        watchdog.start(100);
    }
    ~Fixture() { QTEST_ASSERT(!unexpectedDialog); }

    template <class Widget>
    Widget* Get(form::Control control) const {
        auto* widget = qobject_cast<Widget*>(window.Form().Widget(control));
        QTEST_ASSERT(widget != nullptr);
        return widget;
    }
    void Type(form::Control box, const QString& text) {
        auto* field = Get<QLineEdit>(box);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    /// Picks list item `index` with the arrow key that lands on it.
    void Pick(form::Control list, int index) {
        auto* combo = Get<QComboBox>(list);
        combo->setCurrentIndex(index - 1);
        QTest::keyClick(combo, Qt::Key_Down);
    }
    void Click(form::Control button) {
        QTest::mouseClick(Get<QAbstractButton>(button), Qt::LeftButton);
    }
    QColor TextColour(form::Control box) const {
        return Get<QLineEdit>(box)->palette().color(QPalette::Text);
    }

    form::FakePlatform platform;
    form::Form1 model{platform};
    Form1Window window{model};
    QTimer watchdog;
    bool unexpectedDialog = false;
};

}  // namespace

class Form1WidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void widgetsFollowTheTableAndTheModel();
    void focusFollowsTheInputOrder();
    void windowOpensCentred();
    void windowWithEveryGroupOpensOnTheScreen();
    void windowWithEveryGroupFitsSmallScreens();
    void userActionsReachTheModel();
    void resultsAndColoursReachTheWidgets();
    void everyCaptionFitsItsBox();
};

void Form1WidgetTest::widgetsFollowTheTableAndTheModel() {
    Fixture f;
    for (const form::ControlRow& row : form::ControlTable()) {
        QWidget* widget = f.window.findChild<QWidget*>(QStringFromUtf8(row.name));
        QVERIFY2(widget && widget == f.window.Form().Widget(row.id), row.name.data());
        QCOMPARE(widget->parentWidget(), f.window.Form().Widget(row.container));
        const form::Placement place = form::ControlPlacement(row.id, f.model.Layout());
        QCOMPARE(widget->geometry(),
                 QRect(place.left / 15, place.top / 15, place.width / 15, place.height / 15));
        const form::ControlState& state = f.model.State(row.id);
        QVERIFY2(widget->isHidden() == !state.visible, row.name.data());
        QVERIFY2(widget->isEnabled() == state.enabled, row.name.data());
        const QString text = QStringFromUtf8(state.text);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), text);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) QCOMPARE(box->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), text);
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) QCOMPARE(frame->title(), text);
    }
    auto* angles = f.Get<QComboBox>(AngleSize);
    QCOMPARE(angles->count(), 51);
    QCOMPARE(angles->itemText(50), QString("L140x90x10"));
    QCOMPARE(angles->currentIndex(), -1);
    QCOMPARE(f.Get<QComboBox>(Thickness)->currentText(), QString());
    QVERIFY(f.Get<QRadioButton>(AngleChoice)->isChecked());
    QVERIFY(f.Get<QCheckBox>(SimplySupported)->isChecked());
    QCOMPARE(f.window.windowTitle(), QString("未命名 — 平台钢铺板计算"));
    QCOMPARE(f.window.Form().size(), QSize(543, 465));

    // 设置 → 集中荷载验算: the group right of the form, beside 平台数据; the buttons where they
    // were; the window as wide as the form has grown. Under the current basis the shear and weld
    // groups stand above it, and the group takes its shear and weld row.
    f.window.Action(form::MenuItem::PointLoad)->trigger();
    QVERIFY(f.window.Action(form::MenuItem::PointLoad)->isChecked());
    QVERIFY(!f.Get<QGroupBox>(PointLoadFrame)->isHidden());
    QCOMPARE(f.window.Form().size(), QSize(1080, 465));
    QCOMPARE(f.window.Form().Widget(PointLoadFrame)->geometry(), QRect(545, 8, 529, 155));
    QCOMPARE(f.window.Form().Widget(VerifyButton)->geometry(), QRect(8, 424, 169, 41));
    QCOMPARE(f.window.Form().geometry().bottom() + 1, f.window.height());
    QCOMPARE(f.window.width(), 1080);
    f.window.Action(form::MenuItem::BasisCurrent)->trigger();
    // Below the shear's group (1800 twips) and the weld's (1560), each with the form's gap of
    // 105 twips: (120 + 1800 + 105 + 1560 + 105) / 15 = 246 pixels; 3135 twips tall.
    QCOMPARE(f.window.Form().Widget(PointLoadFrame)->geometry(), QRect(545, 246, 529, 209));
    QCOMPARE(f.window.Form().Widget(PointLoadShear)->geometry(), QRect(104, 81, 57, 18));
    QCOMPARE(f.window.Form().size(), QSize(1080, 465));
}

void Form1WidgetTest::focusFollowsTheInputOrder() {
    Fixture f;
    const auto order = form::FocusOrder();
    QWidget* w = f.window.Form().Widget(order[0]);
    for (std::size_t i = 1; i < order.size(); ++i) {
        // Skip what takes no focus and the widgets a control is made of (a list's field).
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
               w->objectName().startsWith("qt_"));
        QCOMPARE(w, f.window.Form().Widget(order[i]));
    }
    QCOMPARE(f.Get<QLineEdit>(DeflectionLimit)->focusPolicy(), Qt::NoFocus);
}

void Form1WidgetTest::windowOpensCentred() {
    Fixture f;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect window = f.window.frameGeometry();
    QVERIFY(qAbs(window.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.center().y() - screen.center().y()) <= 1);
}

// A window larger than the screen (the offscreen screen is 800 × 600) opens with its top-left
// corner on it, never off its top or left edge.
void Form1WidgetTest::windowWithEveryGroupOpensOnTheScreen() {
    Fixture f({{"basis", "current"}, {"point_load", "on"}});
    QVERIFY(!f.Get<QGroupBox>(PointLoadFrame)->isHidden());
    QVERIFY(!f.Get<QGroupBox>(ShearFrame)->isHidden());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect window = f.window.frameGeometry();
    QVERIFY2(window.width() > screen.width(), "the test wants a window wider than the screen");
    QCOMPARE(window.left(), screen.left());
    QVERIFY(window.top() >= screen.top());
    QVERIFY(window.bottom() <= screen.bottom());
}

// With every group on, the window (menu bar and form) fits a 1366 × 768 laptop at 100 % and a
// 1920 × 1080 screen at 150 %, leaving 80 pixels of height for a title bar and a taskbar: its
// size in the toolkit's pixels times the scale the test runs at (QT_SCALE_FACTOR).
void Form1WidgetTest::windowWithEveryGroupFitsSmallScreens() {
    Fixture f({{"basis", "current"}, {"point_load", "on"}});
    f.Type(DeadLoad, "1");
    f.Type(LiveLoad, "2");
    f.Pick(Thickness, 2);
    f.Type(Span, "2000");
    f.Type(Spacing, "500");
    f.Pick(AngleSize, 6);
    f.Click(VerifyButton);
    QVERIFY(!f.Get<QLabel>(PointLoadShearVerdict)->isHidden());
    const qreal scale = f.window.devicePixelRatioF();
    const QSize screen = scale > 1 ? QSize(1920, 1080) : QSize(1366, 768);
    const QSizeF window = QSizeF(f.window.frameGeometry().size()) * scale;
    QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height() - 80,
             qPrintable(QString("%1 x %2 at %3 on %4 x %5")
                            .arg(window.width())
                            .arg(window.height())
                            .arg(scale)
                            .arg(screen.width())
                            .arg(screen.height())));
}

void Form1WidgetTest::userActionsReachTheModel() {
    Fixture f;
    f.Type(DeadLoad, "1.5");
    QCOMPARE(f.model.State(DeadLoad).text, std::string("1.5"));

    // Typing a list text and pressing Enter is typing; the arrow key is a pick.
    auto* thickness = f.Get<QComboBox>(Thickness);
    QTest::keyClicks(thickness, "6.0");
    QTest::keyClick(thickness->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.model.State(Thickness).text, std::string("6.0"));
    QVERIFY(!f.model.State(VerifyButton).enabled);
    f.Pick(Thickness, 3);
    QCOMPARE(f.model.State(Thickness).picked, 3);
    QVERIFY(f.Get<QPushButton>(VerifyButton)->isEnabled());

    f.Click(FlatBarChoice);
    QVERIFY(f.model.State(FlatBarChoice).checked);
    QVERIFY(!f.Get<QLineEdit>(FlatBarHeight)->isHidden());
    QVERIFY(f.Get<QComboBox>(AngleSize)->isHidden());

    f.Click(Continuous);
    QVERIFY(f.model.State(Continuous).checked);
    QCOMPARE(f.platform.messages, std::vector<std::string>{"请选择其中之一"});

    f.window.Action(form::MenuItem::BasisCurrent)->trigger();
    QCOMPARE(f.model.Basis(), DesignBasis::Current);
    QCOMPARE(f.window.windowTitle(), QString("*未命名 — 平台钢铺板计算 — 现行规范 Q235"));
    QVERIFY(f.window.Action(form::MenuItem::BasisCurrent)->isChecked());
    QVERIFY(!f.window.Action(form::MenuItem::BasisLegacy)->isChecked());
}

void Form1WidgetTest::resultsAndColoursReachTheWidgets() {
    Fixture f;
    const QColor normal = QApplication::palette().color(QPalette::Text);
    f.Type(DeadLoad, "1");
    f.Type(LiveLoad, "2");
    f.Pick(Thickness, 6);
    f.Type(Span, "1500");
    f.Type(Spacing, "600");
    f.Pick(AngleSize, 0);  // L25x16x3: the stiffener fails both checks
    f.Click(VerifyButton);
    QCOMPARE(f.Get<QLineEdit>(StiffenerStress)->text(), QString(" 337.63"));
    QCOMPARE(f.TextColour(StiffenerStress), QColor(0, 0, 255));
    QCOMPARE(f.TextColour(PlateStress), normal);
    QCOMPARE(f.Get<QLabel>(StiffenerStrengthVerdict)->text(),
             QString("★加劲肋强度超出限值<215N/mm2>,须重新计算"));
    QVERIFY(!f.Get<QLabel>(StiffenerStrengthVerdict)->isHidden());
    QVERIFY(f.Get<QPushButton>(ReportButton)->isEnabled());

    f.Pick(AngleSize, 30);  // L90x56x6 carries it; the pick itself disables the report
    QVERIFY(!f.Get<QPushButton>(ReportButton)->isEnabled());
    f.Click(VerifyButton);
    QCOMPARE(f.TextColour(StiffenerStress), normal);
    QCOMPARE(f.TextColour(StiffenerDeflection), normal);
    QVERIFY(f.platform.errors.empty());
}

// Measured as the screen draws them: the font at the scale's device pixel size, the lines one
// em apart as the labels set them. Every line's ink must lie inside its box.
void Form1WidgetTest::everyCaptionFitsItsBox() {
    Fixture f;
    const qreal scale = f.window.devicePixelRatioF();
    const auto deviceFont = [scale](QFont font) {
        font.setPixelSize(qRound(QFontInfo(font).pixelSize() * scale));
        return font;
    };
    for (auto* label : f.window.Form().findChildren<CaptionLabel*>()) {
        const QFont font = deviceFont(label->font());
        const QFontMetricsF metrics(font);
        QTextLayout layout(label->text(), font);
        LayOutCaption(layout, label->width() * scale, font.pixelSize());
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QString text = label->text().mid(line.textStart(), line.textLength());
            const QRectF ink = metrics.tightBoundingRect(text);
            const qreal bottom = line.y() + metrics.ascent() + ink.bottom();
            QVERIFY2(bottom <= label->height() * scale &&
                         line.naturalTextWidth() <= label->width() * scale,
                     qPrintable(QString("%1 \"%2\": line %3 ends at %4x%5 in %6x%7 at %8")
                                    .arg(label->objectName(), label->text())
                                    .arg(i + 1)
                                    .arg(line.naturalTextWidth())
                                    .arg(bottom)
                                    .arg(label->width() * scale)
                                    .arg(label->height() * scale)
                                    .arg(scale)));
        }
    }
    for (auto* button : f.window.Form().findChildren<QPushButton*>()) {
        const QFontMetricsF metrics(deviceFont(button->font()));
        QVERIFY(metrics.horizontalAdvance(button->text()) < button->width() * scale);
    }
    for (auto* frame : f.window.Form().findChildren<QGroupBox*>()) {
        const QFontMetricsF metrics(deviceFont(frame->font()));
        QVERIFY(metrics.horizontalAdvance(frame->title()) < frame->width() * scale);
    }
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::Form1WidgetTest)
#include "form1_widget_test.moc"
