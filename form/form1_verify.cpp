// The Verify command: reads and vets the inputs, then shows each stage of the bay's check as it
// completes, so that a fault part-way leaves exactly the earlier stages on show.
#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "form/error_report.h"
#include "form/form1.h"

namespace deckplate::form {

using enum Control;

namespace {

// When Verify reads a box: always, for a flat bar only, or with the point-load group only.
enum class ReadFor { Every, FlatBar, PointLoad };

// The boxes Verify reads, with the words of their captions; sizing reads the loads, the span and
// the point load, and a schedule the point load only, as the window's defaults.
struct InputBox {
    Control box;
    const char* name;
    ReadFor readFor;
    bool mustBePositive;  ///< a size whose 0 describes no part (the command line refuses it too)
    bool sizing;          ///< read by 自动选型 too
};
constexpr InputBox kInputBoxes[] = {
    {Text1, "静荷载", ReadFor::Every, false, true},
    {Text2, "活荷载", ReadFor::Every, false, true},
    {Combo1, "铺板厚度", ReadFor::Every, false, false},
    {Text4, "加劲肋跨度", ReadFor::Every, false, true},
    {Text5, "加劲肋间距", ReadFor::Every, false, false},
    {Text9, "扁钢高", ReadFor::FlatBar, true, false},
    {Text13, "扁钢厚", ReadFor::FlatBar, true, false},
    {Text14, "集中荷载", ReadFor::PointLoad, false, true},
    {Text15, "作用面垂直加劲肋边长", ReadFor::PointLoad, true, true},
    {Text16, "作用面沿加劲肋边长", ReadFor::PointLoad, true, true},
};

// Typed text as the message quotes it: a pasted page is cut, at a whole character.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return std::string(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "…";
}

}  // namespace

double Form1::Read(Control box) const { return ParseNumber(State(box).text); }

void Form1::Command1_Click() {
    try {
        if (RefuseInput(InputUse::Verify)) return;
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

bool Form1::RefuseInput(InputUse use) {
    // Checked before anything is computed, every input kept as typed: text that is not a number
    // would be read up to its first odd character ("1,5" as 1) and a negative load or size, or a
    // flat bar of no size, would compute quietly (a negative flat bar passes every check).
    const bool flatBar = !State(Option2).checked;
    for (const InputBox& input : kInputBoxes) {
        if (input.readFor == ReadFor::FlatBar && !flatBar) continue;
        if (input.readFor == ReadFor::PointLoad && !PointLoadShown()) continue;
        if (use == InputUse::Sizing && !input.sizing) continue;
        if (use == InputUse::Schedule && input.readFor != ReadFor::PointLoad) continue;
        const std::string& text = State(input.box).text;
        std::string problem;
        if (!IsPlainNumber(text) && !Trimmed(text).empty())
            problem = std::string(input.name) + "“" + Quoted(Trimmed(text)) + "”不是数字。";
        else if (Read(input.box) < 0)
            problem = std::string(input.name) + "不能为负数。\n";
        else if (input.mustBePositive && Read(input.box) == 0)
            problem = std::string(input.name) + "不能为零。\n";
        if (problem.empty()) continue;
        if (use == InputUse::Verify) SetResultsCurrent(false);
        constexpr const char* kDoing[] = {"验算", "选型", "批量验算"};
        platform_.ReportError(problem + "请改正后再" + kDoing[static_cast<int>(use)] + "。");
        return true;
    }
    return false;
}

BayInput Form1::ReadBay() const {
    BayInput bay;
    bay.dead = Read(Text1);
    bay.live = Read(Text2);
    bay.thickness = {Read(Combo1), State(Combo1).text};
    bay.span = Read(Text4);
    bay.spacing = Read(Text5);
    bay.boundary = {.simple = State(Check1).checked, .continuous = State(Check2).checked};
    bay.basis = basis_;
    if (PointLoadShown()) bay.pointLoad = PointLoad{Read(Text14), Read(Text15), Read(Text16)};
    if (!State(Option2).checked)
        bay.stiffener = FlatBar{Read(Text9), Read(Text13)};
    else  // an angle never picked is no angle at all
        bay.stiffener =
            CatalogueAngle{State(Combo2).picked >= 0 ? vars_.indexjudge : std::int16_t{-1}};
    return bay;
}

void Form1::Verify() {
    const BayInput bay = ReadBay();
    CheckBay(bay, [this](BayStage stage, const BayCheck& c) { ShowStage(stage, c); });
    lastBay_ = bay;
    SetResultsCurrent(true);
}

void Form1::ShowStage(BayStage stage, const BayCheck& c) {
    const bool flatBar = !State(Option2).checked;
    const auto showSection = [&] {
        SetText(Label31, c.stiffener.display.centroid);
        SetText(Label33, c.stiffener.display.inertia);
        SetText(Label35, c.stiffener.display.area);
        SetText(Label38, c.stiffener.display.compositeCentroid);
        SetText(Label39, c.stiffener.display.compositeInertia);
    };
    switch (stage) {
        case BayStage::PlateStrip:
            break;
        case BayStage::Plate:
            vars_.Alpha = c.plate.alpha;
            vars_.Beta = c.plate.beta;
            loadCombination_ =
                basis_ == DesignBasis::Current ? LoadCombinationText(basis_, c.plate.factors) : "";
            SetText(Text6, c.plate.display.moment);
            SetText(Text7, c.plate.display.deflection);
            SetText(Text8, c.plate.display.stress);
            SetText(Label13, "铺板强度σ=" + State(Text8).text + "N/mm2");
            break;
        case BayStage::Stiffener:
            SetText(Text10, c.stiffener.display.moment);
            SetText(Text11, c.stiffener.display.deflection);
            SetText(Text12, c.stiffener.display.stress);
            if (flatBar) {
                showSection();
                SetText(Label34, "扁钢形心与短肢边距(cm)");
                SetText(Label30, "扁钢强轴惯性矩(cm4)");
                SetText(Label32, "扁钢截面面积(cm2)");
            }
            Show(Label41);
            break;
        case BayStage::SelfWeight:
            SetText(Label41, c.stiffener.display.selfWeight);
            if (flatBar) {
                vars_.AstiffenerE = c.stiffener.flatBar->area;
                vars_.IStiffenerE = c.stiffener.flatBar->inertia;
            } else {
                showSection();
            }
            for (Control label : {Label28, Label29, Label14, Label21, Label13, Label20})
                Show(label);
            break;
        case BayStage::PlateStrength:
            SetExceeded(Text8, c.plateStrength.exceeded);
            SetText(Label14, c.plateStrength.text);
            break;
        case BayStage::StiffenerStrength:
            SetExceeded(Text12, c.stiffenerStrength.exceeded);
            SetText(Label21, c.stiffenerStrength.text);
            break;
        case BayStage::PlateDeflection:
            SetExceeded(Text7, c.plateDeflection.exceeded);
            SetText(Label13, c.plateDeflection.text);
            break;
        case BayStage::PointLoadPlate:
            SetText(Text17, c.pointLoad->plate.display.deflection);
            SetText(Text18, c.pointLoad->plate.display.stress);
            break;
        case BayStage::PointLoadStiffener:
            SetText(Text19, c.pointLoad->stiffener.display.deflection);
            SetText(Text20, c.pointLoad->stiffener.display.stress);
            break;
        case BayStage::PointLoadVerdicts: {
            const PointLoadCheck& p = *c.pointLoad;
            SetExceeded(Text17, p.plateDeflection.exceeded);
            SetText(Label57, p.plateDeflection.text);
            SetExceeded(Text18, p.plateStrength.exceeded);
            SetText(Label58, p.plateStrength.text);
            SetExceeded(Text19, p.stiffenerDeflection.exceeded);
            SetText(Label59, p.stiffenerDeflection.text);
            SetExceeded(Text20, p.stiffenerStrength.exceeded);
            SetText(Label60, p.stiffenerStrength.text);
            pointLoadVerdictsWritten_ = true;
            ShowPointLoad(true);  // now with its heading and verdict lines
            break;
        }
        case BayStage::StiffenerDeflection:
            SetExceeded(Text11, c.stiffenerDeflection.exceeded);
            SetText(Label20, c.stiffenerDeflection.text);
            for (Control label : {Label30, Label32, Label34, Label36, Label37, Label31, Label33,
                                  Label35, Label40, Label38, Label39})
                Show(label);
            break;
    }
}

}  // namespace deckplate::form
