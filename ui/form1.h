#pragma once
// The window form1: every input, result and verdict of one bay's check.
//
// Data flow: the controls are built from ControlTable(); the click handlers read the controls'
// texts, convert them with the number text rules (calc/), run CheckDeckPlate and the stiffener
// check, and write display texts, colours and verdicts back. The window state variables below
// (names as the engineers' documents use them) carry what the report reads later. Everything
// that touches the operating system goes through Platform.

#include <QHash>
#include <QWidget>
#include <cstdint>

#include "platform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace deckplate {
class ArithmeticError;
}

namespace deckplate::ui {

class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    /// Start-up: centre on the screen, fill both lists, show the angle inputs.
    void Form_Load();

    // Window state, all zero at start.
    double Alpha = 0;             ///< plate moment coefficient of the last Verify
    double Beta = 0;              ///< plate deflection coefficient of the last Verify
    std::int16_t indexjudge = 0;  ///< list position of the last angle picked
    double Iangle1 = 0;           ///< picked angle: strong-axis moment of inertia, cm⁴
    double Yoangle1 = 0;          ///< picked angle: centroid to short-leg face, cm
    double Aangle1 = 0;           ///< picked angle: area, cm²
    double Hangle1 = 0;           ///< picked angle: long-leg width, mm
    double AstiffenerE = 0;       ///< last flat bar's area, cm², 2 decimals
    double IStiffenerE = 0;       ///< last flat bar's moment of inertia, cm⁴, 2 decimals

    // Click handlers. Check2 shares Check1's handler.
    void Check1_Click();
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  private:
    QLineEdit* Text(int n) const;
    QLabel* Label(int n) const;
    QComboBox* Combo(int n) const;
    QCheckBox* Check(int n) const;
    QRadioButton* Option(int n) const;
    QPushButton* Command(int n) const;
    template <class Widget>
    Widget* Control(const QString& name) const;

    void BuildControls();
    void SetFocusOrder();
    void ConnectHandlers();

    void Verify();
    void SetExceeded(QLineEdit* box, bool exceeded);
    void ReportArithmeticFault(const ArithmeticError& error);

    Platform& platform_;
    QHash<QString, QWidget*> controls_;
};

}  // namespace deckplate::ui
