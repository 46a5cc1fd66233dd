// The Verify command: reads the inputs, runs the plate and stiffener checks and writes every
// result in a fixed order, so that a fault part-way leaves exactly the earlier steps on show.
#include "calc/angle_catalogue.h"
#include "calc/deck_plate.h"
#include "form/error_report.h"
#include "form/form1.h"
#include "calc/number_text.h"
#include "calc/stiffener.h"

namespace deckplate::form {

using enum Control;

namespace {

// The inputs whose negative value cannot describe a platform, with the words of their captions.
struct SizeInput {
    Control box;
    const char* name;
    bool flatBarOnly;
};
constexpr SizeInput kSizeInputs[] = {
    {Text1, "静荷载", false},     {Text2, "活荷载", false},     {Combo1, "铺板厚度", false},
    {Text4, "加劲肋跨度", false}, {Text5, "加劲肋间距", false}, {Text9, "扁钢高", true},
    {Text13, "扁钢厚", true},
};

}  // namespace

double Form1::Read(Control box) const { return ParseNumber(State(box).text); }

void Form1::Command1_Click() {
    try {
        if (RefuseNegativeInput()) return;
        Verify();
    } catch (const ArithmeticError& error) {
        ReportArithmeticFault(error);
    }
}

void Form1::ReportArithmeticFault(const ArithmeticError& error) {
    // A stopped run leaves a mix of new numbers and earlier verdicts on show: no report may be
    // printed from it until a complete run.
    SetResultsCurrent(false);
    platform_.ReportError(ErrorReportText(error));
}

bool Form1::RefuseNegativeInput() {
    // Checked before anything is computed: a negative load or size would compute quietly (a
    // negative flat bar passes every check), so it is refused and every input kept as typed.
    const bool flatBar = !State(Option2).checked;
    for (const SizeInput& input : kSizeInputs) {
        if (input.flatBarOnly && !flatBar) continue;
        if (Read(input.box) < 0) {
            SetResultsCurrent(false);
            platform_.ReportError(std::string(input.name) + "不能为负数。\n请改正后再验算。");
            return true;
        }
    }
    return false;
}

void Form1::Verify() {
    // 1. Inputs.
    const double dead = Read(Text1);
    const double live = Read(Text2);
    const double thickness = Read(Combo1);
    const double span = Read(Text4);
    const double spacing = Read(Text5);

    // 2–3. Plate strip first, then the plate panel.
    PlateStripWidth(thickness, spacing);
    const bool continuous = State(Check2).checked;
    const DeckPlateResult plate =
        CheckDeckPlate(dead, live, thickness, span, spacing, continuous, basis_);
    Alpha = plate.Alpha;
    Beta = plate.Beta;
    loadCombination_ =
        basis_ == DesignBasis::Current ? LoadCombinationText(basis_, plate.factors) : "";

    // 4–5.
    SetText(Text6, plate.display.moment);
    SetText(Text7, plate.display.deflection);
    SetText(Text8, plate.display.stress);
    SetText(Label13, "铺板强度σ=" + State(Text8).text + "N/mm2");

    // 6–14. Stiffener.
    StiffenerResult stiffener;
    Stiffener kind;
    std::string stiffenerName;
    if (!State(Option2).checked) {
        const double height = Read(Text9);
        const double barThickness = Read(Text13);
        kind = FlatBar{height, barThickness};
        stiffenerName = PlainNumberText(height) + "x" + PlainNumberText(barThickness);
        stiffener = StiffenerBeam(thickness, plate.q, plate.qk, span, spacing, kind, basis_);
        SetText(Text10, stiffener.display.moment);
        SetText(Text11, stiffener.display.deflection);
        SetText(Text12, stiffener.display.stress);
        SetText(Label31, stiffener.display.centroid);
        SetText(Label33, stiffener.display.inertia);
        SetText(Label35, stiffener.display.area);
        SetText(Label38, stiffener.display.compositeCentroid);
        SetText(Label39, stiffener.display.compositeInertia);
        SetText(Label34, "扁钢形心与短肢边距(cm)");
        SetText(Label30, "扁钢强轴惯性矩(cm4)");
        SetText(Label32, "扁钢截面面积(cm2)");
        Show(Label41);
        SetText(Label41, SelfWeightText(SelfWeight(thickness, spacing, stiffener.As)));
        AstiffenerE = stiffener.flatBar->AstiffenerE;
        IStiffenerE = stiffener.flatBar->IStiffenerE;
    } else {
        // The leg thickness decides the strength limit under the current basis; an angle never
        // picked is no angle at all.
        const bool picked = State(Combo2).picked >= 0;
        const double leg = picked ? AngleLegThickness(indexjudge) : 0.0;
        kind = AngleValues{Iangle1, Aangle1, Hangle1, Yoangle1, leg};
        if (picked)
            stiffenerName = AngleCatalogue()[static_cast<std::size_t>(indexjudge)].designation;
        stiffener = StiffenerBeam(thickness, plate.q, plate.qk, span, spacing, kind, basis_);
        SetText(Text10, stiffener.display.moment);
        SetText(Text11, stiffener.display.deflection);
        SetText(Text12, stiffener.display.stress);
        Show(Label41);
        SetText(Label41, SelfWeightText(SelfWeight(thickness, spacing, stiffener.As)));
        SetText(Label31, stiffener.display.centroid);
        SetText(Label33, stiffener.display.inertia);
        SetText(Label35, stiffener.display.area);
        SetText(Label38, stiffener.display.compositeCentroid);
        SetText(Label39, stiffener.display.compositeInertia);
    }

    // 15.
    for (Control label : {Label28, Label29, Label14, Label21, Label13, Label20}) Show(label);

    // 16–19. Verdicts: strengths first, then deflections.
    const StrengthVerdict plateStrength = PlateStrengthVerdict(State(Text8).text, plate.f);
    SetExceeded(Text8, plateStrength.exceeded);
    SetText(Label14, plateStrength.text);

    const StrengthVerdict stiffenerStrength =
        StiffenerStrengthVerdict(State(Text12).text, stiffener.f);
    SetExceeded(Text12, stiffenerStrength.exceeded);
    SetText(Label21, stiffenerStrength.text);

    const DeflectionVerdict plateDeflection = PlateDeflectionVerdict(Read(Text5), plate.deflection);
    SetExceeded(Text7, plateDeflection.exceeded);
    SetText(Label13, plateDeflection.text);

    const DeflectionVerdict stiffenerDeflection =
        StiffenerDeflectionVerdict(Read(Text4), stiffener.deflection);
    SetExceeded(Text11, stiffenerDeflection.exceeded);
    SetText(Label20, stiffenerDeflection.text);

    // 20–21.
    for (Control label : {Label30, Label32, Label34, Label36, Label37, Label31, Label33, Label35,
                          Label40, Label38, Label39})
        Show(label);
    lastBay_ = {dead, live, thickness, span, spacing, continuous, kind, basis_};
    lastStiffenerName_ = std::move(stiffenerName);
    SetResultsCurrent(true);
}

}  // namespace deckplate::form
