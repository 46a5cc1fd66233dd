// The Verify command: reads the inputs, runs the plate and stiffener checks and writes every
// result in a fixed order, so that a fault part-way leaves exactly the earlier steps on show.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "deck_plate.h"
#include "error_report.h"
#include "form1.h"
#include "number_text.h"
#include "stiffener.h"

namespace deckplate::ui {
namespace {

double Read(const QLineEdit* box) { return ParseNumber(box->text().toStdString()); }

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void Form1::Command1_Click() {
    try {
        Verify();
    } catch (const ArithmeticError& error) {
        // A stopped run leaves a mix of new numbers and earlier verdicts on show: no report may
        // be printed from it until a complete run.
        Command(3)->setEnabled(false);
        ReportArithmeticFault(error);
    }
}

void Form1::ReportArithmeticFault(const ArithmeticError& error) {
    platform_.ReportError(this, ErrorReportText(error));
}

void Form1::SetExceeded(QLineEdit* box, bool exceeded) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text,
                     exceeded ? QColor(0, 0, 255) : QApplication::palette().color(QPalette::Text));
    box->setPalette(palette);
}

void Form1::Verify() {
    // 1. Inputs.
    const double dead = Read(Text(1));
    const double live = Read(Text(2));
    const double thickness = ParseNumber(Combo(1)->currentText().toStdString());
    const double span = Read(Text(4));
    const double spacing = Read(Text(5));

    // 2–3. Plate strip first, then the plate panel.
    PlateStripWidth(thickness);
    const bool continuous = Check(2)->isChecked();
    const DeckPlateResult plate = CheckDeckPlate(dead, live, thickness, span, spacing, continuous);
    Alpha = plate.Alpha;
    Beta = plate.Beta;

    // 4–5.
    Text(6)->setText(FromUtf8(plate.display.moment));
    Text(7)->setText(FromUtf8(plate.display.deflection));
    Text(8)->setText(FromUtf8(plate.display.stress));
    Label(13)->setText(QStringLiteral("铺板强度σ=") + Text(8)->text() + QStringLiteral("N/mm2"));

    // 6–14. Stiffener.
    StiffenerResult stiffener;
    if (!Option(2)->isChecked()) {
        const double height = Read(Text(9));
        const double barThickness = Read(Text(13));
        stiffener = StiffenerBeam(thickness, plate.q, plate.qk, span, spacing,
                                  FlatBar{height, barThickness});
        Text(10)->setText(FromUtf8(stiffener.display.moment));
        Text(11)->setText(FromUtf8(stiffener.display.deflection));
        Text(12)->setText(FromUtf8(stiffener.display.stress));
        Label(31)->setText(FromUtf8(stiffener.display.centroid));
        Label(33)->setText(FromUtf8(stiffener.display.inertia));
        Label(35)->setText(FromUtf8(stiffener.display.area));
        Label(38)->setText(FromUtf8(stiffener.display.compositeCentroid));
        Label(39)->setText(FromUtf8(stiffener.display.compositeInertia));
        Label(34)->setText(QStringLiteral("扁钢形心与短肢边距(cm)"));
        Label(30)->setText(QStringLiteral("扁钢强轴惯性矩(cm4)"));
        Label(32)->setText(QStringLiteral("扁钢截面面积(cm2)"));
        Label(41)->show();
        Label(41)->setText(
            FromUtf8(SelfWeightText(SelfWeight(thickness, spacing, stiffener.As, span))));
        AstiffenerE = stiffener.flatBar->AstiffenerE;
        IStiffenerE = stiffener.flatBar->IStiffenerE;
    } else {
        stiffener = StiffenerBeam(thickness, plate.q, plate.qk, span, spacing,
                                  AngleValues{Iangle1, Aangle1, Hangle1, Yoangle1});
        Text(10)->setText(FromUtf8(stiffener.display.moment));
        Text(11)->setText(FromUtf8(stiffener.display.deflection));
        Text(12)->setText(FromUtf8(stiffener.display.stress));
        Label(41)->show();
        Label(41)->setText(
            FromUtf8(SelfWeightText(SelfWeight(thickness, spacing, stiffener.As, span))));
        Label(31)->setText(FromUtf8(stiffener.display.centroid));
        Label(33)->setText(FromUtf8(stiffener.display.inertia));
        Label(35)->setText(FromUtf8(stiffener.display.area));
        Label(38)->setText(FromUtf8(stiffener.display.compositeCentroid));
        Label(39)->setText(FromUtf8(stiffener.display.compositeInertia));
    }

    // 15.
    for (int n : {28, 29, 14, 21, 13, 20}) Label(n)->show();

    // 16–19. Verdicts: strengths first, then deflections.
    const StrengthVerdict plateStrength = PlateStrengthVerdict(Text(8)->text().toStdString());
    SetExceeded(Text(8), plateStrength.exceeded);
    Label(14)->setText(FromUtf8(plateStrength.text));

    const StrengthVerdict stiffenerStrength =
        StiffenerStrengthVerdict(Text(12)->text().toStdString());
    SetExceeded(Text(12), stiffenerStrength.exceeded);
    Label(21)->setText(FromUtf8(stiffenerStrength.text));

    const DeflectionVerdict plateDeflection =
        PlateDeflectionVerdict(Read(Text(5)), plate.deflection);
    SetExceeded(Text(7), plateDeflection.exceeded);
    Label(13)->setText(FromUtf8(plateDeflection.text));

    const DeflectionVerdict stiffenerDeflection =
        StiffenerDeflectionVerdict(Read(Text(4)), stiffener.deflection);
    SetExceeded(Text(11), stiffenerDeflection.exceeded);
    Label(20)->setText(FromUtf8(stiffenerDeflection.text));

    // 20–21.
    for (int n : {30, 32, 34, 36, 37, 31, 33, 35, 40, 38, 39}) Label(n)->show();
    Command(3)->setEnabled(true);
}

}  // namespace deckplate::ui
