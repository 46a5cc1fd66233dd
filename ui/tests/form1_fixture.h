#pragma once
// A started window with a recording platform, helpers that act as a user would, and a watchdog
// that fails the test and closes any modal dialog that appears, so no test can hang.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "fake_platform.h"
#include "form1.h"

namespace deckplate::ui {

class Form1Fixture {
  public:
    Form1Fixture() : form(std::make_unique<Form1>(platform)) {
        form->Form_Load();
        watchdog.setInterval(100);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                unexpectedDialog = true;
                modal->close();
            }
        });
        watchdog.start();
    }
    ~Form1Fixture() { QTEST_ASSERT(!unexpectedDialog); }

    template <class Widget>
    Widget* Get(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        QTEST_ASSERT(widget != nullptr);
        return widget;
    }
    QLineEdit* Text(const char* name) const { return Get<QLineEdit>(name); }
    QLabel* Label(const char* name) const { return Get<QLabel>(name); }

    /// Replaces a box's text by typing, as a user who selects all first.
    void Type(const char* name, const QString& text) {
        QLineEdit* box = Text(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    /// Picks list item `index` with the keyboard (the arrow key that lands on it).
    void Pick(const char* combo, int index) {
        auto* box = Get<QComboBox>(combo);
        box->setCurrentIndex(index - 1);
        QTest::keyClick(box, Qt::Key_Down);
        QTEST_ASSERT(box->currentIndex() == index);
    }

    void Click(const char* name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }

    /// The first worked bay: D = 1, P = 2, plate "6.0", span 2000, spacing 500, flat bar 80 × 8.
    void EnterFlatBarBay() {
        Type("Text1", "1");
        Type("Text2", "2");
        Pick("Combo1", 6);
        Type("Text4", "2000");
        Type("Text5", "500");
        Get<QRadioButton>("Option1")->click();
        Type("Text9", "80");
        Type("Text13", "8");
    }

    /// The smallest angle's bay: D = 1, P = 2, plate "6.0", span 1500, spacing 600, no angle yet.
    void EnterAngleBay() {
        Type("Text1", "1");
        Type("Text2", "2");
        Pick("Combo1", 6);
        Type("Text4", "1500");
        Type("Text5", "600");
    }

    QColor TextColour(const char* name) const {
        return Text(name)->palette().color(QPalette::Text);
    }

    FakePlatform platform;
    std::unique_ptr<Form1> form;
    QTimer watchdog;
    bool unexpectedDialog = false;
};

}  // namespace deckplate::ui
