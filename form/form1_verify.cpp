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
    {DeadLoad, "静荷载", ReadFor::Every, false, true},
    {LiveLoad, "活荷载", ReadFor::Every, false, true},
    {Thickness, "铺板厚度", ReadFor::Every, false, false},
    {Span, "加劲肋跨度", ReadFor::Every, false, true},
    {Spacing, "加劲肋间距", ReadFor::Every, false, false},
    {FlatBarHeight, "扁钢高", ReadFor::FlatBar, true, false},
    {FlatBarThickness, "扁钢厚", ReadFor::FlatBar, true, false},
    {PointLoadForce, "集中荷载", ReadFor::PointLoad, false, true},
    {PatchAcross, "作用面垂直加劲肋边长", ReadFor::PointLoad, true, true},
    {PatchAlong, "作用面沿加劲肋边长", ReadFor::PointLoad, true, true},
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

void Form1::Verify_Click() {
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
    const bool flatBar = !State(AngleChoice).checked;
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
    bay.dead = Read(DeadLoad);
    bay.live = Read(LiveLoad);
    bay.thickness = {Read(Thickness), State(Thickness).text};
    bay.span = Read(Span);
    bay.spacing = Read(Spacing);
    bay.boundary = {.simple = State(SimplySupported).checked,
                    .continuous = State(Continuous).checked};
    bay.basis = basis_;
    if (PointLoadShown())
        bay.pointLoad = PointLoad{Read(PointLoadForce), Read(PatchAcross), Read(PatchAlong)};
    if (!State(AngleChoice).checked)
        bay.stiffener = FlatBar{Read(FlatBarHeight), Read(FlatBarThickness)};
    else  // an angle never picked is no angle at all
        bay.stiffener =
            CatalogueAngle{State(AngleSize).picked >= 0 ? vars_.indexjudge : std::int16_t{-1}};
    return bay;
}

void Form1::Verify() {
    const BayInput bay = ReadBay();
    CheckBay(bay, [this](BayStage stage, const BayCheck& c) { ShowStage(stage, c); });
    lastBay_ = bay;
    SetResultsCurrent(true);
}

void Form1::ShowStage(BayStage stage, const BayCheck& c) {
    const bool flatBar = !State(AngleChoice).checked;
    const auto showSection = [&] {
        SetText(SectionCentroid, c.stiffener.display.centroid);
        SetText(SectionInertia, c.stiffener.display.inertia);
        SetText(SectionArea, c.stiffener.display.area);
        SetText(CompositeCentroid, c.stiffener.display.compositeCentroid);
        SetText(CompositeInertia, c.stiffener.display.compositeInertia);
    };
    switch (stage) {
        case BayStage::PlateStrip:
            break;
        case BayStage::Plate:
            vars_.Alpha = c.plate.alpha;
            vars_.Beta = c.plate.beta;
            loadCombination_ =
                basis_ == DesignBasis::Current ? LoadCombinationText(basis_, c.plate.factors) : "";
            SetText(PlateMoment, c.plate.display.moment);
            SetText(PlateDeflection, c.plate.display.deflection);
            SetText(PlateStress, c.plate.display.stress);
            SetText(PlateDeflectionVerdict, "铺板强度σ=" + State(PlateStress).text + "N/mm2");
            break;
        case BayStage::Stiffener:
            SetText(StiffenerMoment, c.stiffener.display.moment);
            SetText(StiffenerDeflection, c.stiffener.display.deflection);
            SetText(StiffenerStress, c.stiffener.display.stress);
            if (flatBar) {
                showSection();
                SetText(SectionCentroidCaption, "扁钢形心与短肢边距(cm)");
                SetText(SectionInertiaCaption, "扁钢强轴惯性矩(cm4)");
                SetText(SectionAreaCaption, "扁钢截面面积(cm2)");
            }
            Show(SelfWeight);
            break;
        case BayStage::SelfWeight:
            SetText(SelfWeight, c.stiffener.display.selfWeight);
            if (flatBar) {
                vars_.AstiffenerE = c.stiffener.flatBar->area;
                vars_.IStiffenerE = c.stiffener.flatBar->inertia;
            } else {
                showSection();
            }
            for (Control label :
                 {PlateHintHeading, StiffenerHintHeading, PlateStrengthVerdict,
                  StiffenerStrengthVerdict, PlateDeflectionVerdict, StiffenerDeflectionVerdict})
                Show(label);
            break;
        case BayStage::PlateStrength:
            SetExceeded(PlateStress, c.plateStrength.exceeded);
            SetText(PlateStrengthVerdict, c.plateStrength.text);
            break;
        case BayStage::StiffenerStrength:
            SetExceeded(StiffenerStress, c.stiffenerStrength.exceeded);
            SetText(StiffenerStrengthVerdict, c.stiffenerStrength.text);
            break;
        case BayStage::PlateDeflection:
            SetExceeded(PlateDeflection, c.plateDeflection.exceeded);
            SetText(PlateDeflectionVerdict, c.plateDeflection.text);
            break;
        case BayStage::PointLoadPlate:
            SetText(PointLoadPlateDeflection, c.pointLoad->plate.display.deflection);
            SetText(PointLoadPlateStress, c.pointLoad->plate.display.stress);
            break;
        case BayStage::PointLoadStiffener:
            SetText(PointLoadStiffenerDeflection, c.pointLoad->stiffener.display.deflection);
            SetText(PointLoadStiffenerStress, c.pointLoad->stiffener.display.stress);
            break;
        case BayStage::PointLoadVerdicts: {
            const PointLoadCheck& p = *c.pointLoad;
            SetExceeded(PointLoadPlateDeflection, p.plateDeflection.exceeded);
            SetText(PointLoadPlateDeflectionVerdict, p.plateDeflection.text);
            SetExceeded(PointLoadPlateStress, p.plateStrength.exceeded);
            SetText(PointLoadPlateStrengthVerdict, p.plateStrength.text);
            SetExceeded(PointLoadStiffenerDeflection, p.stiffenerDeflection.exceeded);
            SetText(PointLoadStiffenerDeflectionVerdict, p.stiffenerDeflection.text);
            SetExceeded(PointLoadStiffenerStress, p.stiffenerStrength.exceeded);
            SetText(PointLoadStiffenerStrengthVerdict, p.stiffenerStrength.text);
            pointLoadVerdictsWritten_ = true;
            ShowPointLoad(true);  // now with its heading and verdict lines
            break;
        }
        case BayStage::StiffenerDeflection:
            SetExceeded(StiffenerDeflection, c.stiffenerDeflection.exceeded);
            SetText(StiffenerDeflectionVerdict, c.stiffenerDeflection.text);
            for (Control label : {SectionInertiaCaption, SectionAreaCaption, SectionCentroidCaption,
                                  CompositeCentroidCaption, CompositeInertiaCaption,
                                  SectionCentroid, SectionInertia, SectionArea, SelfWeightCaption,
                                  CompositeCentroid, CompositeInertia})
                Show(label);
            break;
    }
}

}  // namespace deckplate::form
