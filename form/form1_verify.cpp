// The Verify command: reads and vets the inputs, then shows each stage of the bay's check as it
// completes, so that a fault part-way leaves exactly the earlier stages on show.
#include <algorithm>

#include "calc/checks.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"
#include "form/check_views.h"
#include "form/error_report.h"
#include "form/form1.h"
#include "input/bay_inputs.h"
#include "input/value_words.h"

namespace deckplate::form {

using enum Control;

namespace {

// When Verify reads a box: always, for a flat bar only, or with the point-load group only.
enum class ReadFor { Every, FlatBar, PointLoad };

// The boxes Verify reads, with the bay's fields they hold; sizing reads the loads, the span and
// the point load, and a schedule the point load only, as the window's defaults.
struct InputBox {
    Control box;
    BayField field;
    ReadFor readFor;
    bool mustBePositive;  ///< a size whose 0 describes no part (the command line refuses it too)
    bool sizing;          ///< read by 自动选型 too
};
constexpr InputBox kInputBoxes[] = {
    {DeadLoad, BayField::Dead, ReadFor::Every, false, true},
    {LiveLoad, BayField::Live, ReadFor::Every, false, true},
    {Thickness, BayField::Thickness, ReadFor::Every, false, false},
    {Span, BayField::Span, ReadFor::Every, false, true},
    {Spacing, BayField::Spacing, ReadFor::Every, false, false},
    {FlatBarHeight, BayField::FlatBarHeight, ReadFor::FlatBar, true, false},
    {FlatBarThickness, BayField::FlatBarThickness, ReadFor::FlatBar, true, false},
    {PointLoadForce, BayField::PointLoad, ReadFor::PointLoad, false, true},
    {PatchAcross, BayField::PatchAcross, ReadFor::PointLoad, true, true},
    {PatchAlong, BayField::PatchAlong, ReadFor::PointLoad, true, true},
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

bool Form1::Reads(InputUse use, Control box) {
    const auto input = std::ranges::find(kInputBoxes, box, &InputBox::box);
    if (input == std::end(kInputBoxes)) return false;
    switch (use) {
        case InputUse::Verify:
            return true;
        case InputUse::Sizing:
            return input->sizing;
        case InputUse::Schedule:
            break;
    }
    return input->readFor == ReadFor::PointLoad;
}

std::map<BayField, std::string> Form1::InputTexts() const {
    std::map<BayField, std::string> texts;
    for (const InputBox& input : kInputBoxes) texts[input.field] = State(input.box).text;
    return texts;
}

std::string_view Form1::Doing(InputUse use) {
    switch (use) {
        case InputUse::Verify:
            return "验算";
        case InputUse::Sizing:
            return "选型";
        case InputUse::Schedule:
            break;
    }
    return "批量验算";
}

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
        const std::string name(input::FieldName(input.field));
        std::string problem;
        if (!IsPlainNumber(text) && !Trimmed(text).empty())
            problem = name + "“" + Quoted(Trimmed(text)) + "”不是数字。";
        else if (Read(input.box) < 0)
            problem = name + "不能为负数。\n";
        else if (input.mustBePositive && Read(input.box) == 0)
            problem = name + "不能为零。\n";
        if (problem.empty()) continue;
        return Refuse(use, problem);
    }
    // A patch smaller than the plate is thick is outside the thin-plate solution: Verify judges it
    // against the plate on show, sizing against the thickest plate it may choose.
    if (PointLoadShown() && use != InputUse::Schedule) {
        const double thickness =
            use == InputUse::Verify ? Read(Thickness) : PlateThicknesses().back();
        const double least = LeastPatchSide(thickness);
        if (Read(PatchAcross) < least || Read(PatchAlong) < least)
            return Refuse(use, "作用面每边不能小于铺板厚度 " + PlainNumberText(least) + " mm。\n");
    }
    // A part thicker than its grade's strength table goes has no design strength: refused as the
    // command line and a schedule refuse it.
    // The checks across the inputs the command line and schedules make: a part thicker than its
    // grade's strength table goes, a weld's segments that do not fit its arrangement or legs.
    if (use == InputUse::Verify) {
        try {
            input::RequireSound(ReadBay(), [](BayField field) { return input::Input{"", field}; });
        } catch (const input::ValueError& e) {
            return Refuse(use, ValueProblemWords(e.Problem()) + "。\n");
        }
    }
    return false;
}

bool Form1::Refuse(InputUse use, const std::string& problem) {
    if (use == InputUse::Verify) SetResultsCurrent(false);
    platform_.ReportError(problem + "请改正后再" + std::string(Doing(use)) + "。");
    return true;
}

void Form1::Verify() {
    const BayInput bay = ReadBay();
    verdictsShown_.fill(false);
    std::optional<BayStage> reached;
    try {
        lastCheck_ = CheckBay(bay, [&](const BayStep& step, const BayCheck& c) {
            ShowStage(step, c);
            reached = step.stage;
        });
    } catch (const ArithmeticError&) {
        // The stages before the fault stay on show; a verdict this run did not reach would stand
        // beside new numbers as if it judged them: its line goes back to its start-up blank and
        // its box to the normal colour. The plate's line keeps the stress this run wrote there.
        for (const CheckView& view : CheckViews()) {
            if (verdictsShown_[static_cast<std::size_t>(view.check)]) continue;
            if (view.box) SetExceeded(*view.box, false);
            if (view.check == Check::PlateDeflection && reached >= BayStage::Plate) continue;
            SetText(view.verdict, std::string(Row(view.verdict).caption));
        }
        throw;
    }
    lastBay_ = bay;
    SetResultsCurrent(true);
    // What could be built but looks mistyped is said once the results stand: metres typed for
    // mm, a flat bar's sizes swapped.
    std::string cautions;
    for (const input::Caution& caution : input::Cautions(bay))
        cautions.append("\n")
            .append(input::FieldName(caution.field))
            .append(" ")
            .append(caution.chinese)
            .append("。");
    if (!cautions.empty()) platform_.ShowMessage("请核对输入：" + cautions);
}

void Form1::ShowVerdict(Check check, const BayCheck& c) {
    const CheckRow& row = RowOf(check);
    const CheckView& view = ViewOf(check);
    const CheckOutcome outcome = row.verdict(c);
    if (view.box) {
        SetText(*view.box, DisplayText(row.shown(c)));
        SetExceeded(*view.box, outcome.exceeded);
    }
    if (view.limitBox) SetText(*view.limitBox, DisplayText(ShownValue{row.limit(c)}));
    SetText(view.verdict, std::string(outcome.text));
    verdictsShown_[static_cast<std::size_t>(check)] = true;
    // An optional group shows its heading and verdict lines once a Verify has written them.
    if (OptionalGroupOf(view.verdict) != Window) {
        if (std::ranges::find(groupsWritten_, view.group) == groupsWritten_.end())
            groupsWritten_.push_back(view.group);
        ShowGroups();
    }
    if (check == Check::StiffenerDeflection) {
        for (Control label :
             {SectionInertiaCaption, SectionAreaCaption, SectionCentroidCaption,
              CompositeCentroidCaption, CompositeInertiaCaption, SectionCentroid, SectionInertia,
              SectionArea, SelfWeightCaption, CompositeCentroid, CompositeInertia})
            Show(label);
    }
}

void Form1::ShowStage(const BayStep& step, const BayCheck& c) {
    const bool flatBar = !State(AngleChoice).checked;
    const auto showSection = [&] {
        SetText(SectionCentroid, DisplayText(c.stiffener.shown.centroid));
        SetText(SectionInertia, DisplayText(c.stiffener.shown.inertia));
        SetText(SectionArea, DisplayText(c.stiffener.shown.area));
        SetText(CompositeCentroid, DisplayText(c.stiffener.shown.compositeCentroid));
        SetText(CompositeInertia, DisplayText(c.stiffener.shown.compositeInertia));
    };
    switch (step.stage) {
        case BayStage::PlateStrip:
            break;
        case BayStage::Plate:
            vars_.Alpha = c.plate.alpha;
            vars_.Beta = c.plate.beta;
            loadCombination_ =
                basis_ == DesignBasis::Current ? LoadCombinationText(basis_, c.plate.factors) : "";
            steelLine_ = std::string(GradeName(c.plate.steel)) + "（" +
                         ValuesOf(c.plate.steel).standard + "）";
            SetText(PlateMoment, DisplayText(c.plate.shown.moment));
            SetText(PlateDeflection, DisplayText(c.plate.shown.deflection));
            SetText(PlateStress, DisplayText(c.plate.shown.stress));
            SetText(PlateDeflectionVerdict, "铺板强度σ=" + State(PlateStress).text + "N/mm2");
            break;
        case BayStage::Stiffener:
            SetText(StiffenerMoment, DisplayText(c.stiffener.shown.moment));
            SetText(StiffenerDeflection, DisplayText(c.stiffener.shown.deflection));
            SetText(StiffenerStress, DisplayText(c.stiffener.shown.stress));
            if (flatBar) {
                showSection();
                SetText(SectionCentroidCaption, "扁钢形心与短肢边距(cm)");
                SetText(SectionInertiaCaption, "扁钢强轴惯性矩(cm4)");
                SetText(SectionAreaCaption, "扁钢截面面积(cm2)");
            }
            Show(SelfWeight);
            break;
        case BayStage::SelfWeight:
            SetText(SelfWeight, DisplayText(c.stiffener.shown.selfWeight));
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
        case BayStage::Verdict:
            ShowVerdict(step.check, c);
            break;
        case BayStage::PointLoadPlate:
            SetText(PointLoadPlateDeflection, DisplayText(c.pointLoad->plate.shown.deflection));
            SetText(PointLoadPlateStress, DisplayText(c.pointLoad->plate.shown.stress));
            patchCutTo_.reset();
            if (c.pointLoad->PatchCut())
                patchCutTo_ = {c.pointLoad->plate.across, c.pointLoad->plate.along};
            break;
        case BayStage::PointLoadStiffener:
            SetText(PointLoadStiffenerDeflection,
                    DisplayText(c.pointLoad->stiffener.shown.deflection));
            SetText(PointLoadStiffenerStress, DisplayText(c.pointLoad->stiffener.shown.stress));
            break;
    }
}

}  // namespace deckplate::form
