#include "form/form1.h"

#include <algorithm>

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"

namespace deckplate::form {

using enum Control;

namespace {

// Where the chosen design basis is remembered between runs: "legacy" or "current".
constexpr std::string_view kBasisSetting = "basis";
// Where 集中荷载验算 is remembered: "on", or off by default.
constexpr std::string_view kPointLoadSetting = "point_load";

// The point-load group's heading and verdict lines, which only a Verify writes.
constexpr Control kPointLoadVerdictLines[] = {
    PointLoadHintHeading, PointLoadPlateDeflectionVerdict, PointLoadPlateStrengthVerdict,
    PointLoadStiffenerDeflectionVerdict, PointLoadStiffenerStrengthVerdict};

}  // namespace

WindowPosition CentredWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    const float left = (twips(screenWidth) - twips(windowWidth)) / 2.0f;
    const float top = (twips(screenHeight) - twips(windowHeight)) / 2.0f;
    return {static_cast<int>(left / kTwipsPerPixel), static_cast<int>(top / kTwipsPerPixel)};
}

int TopOnScreen(int screenTop, int screenHeight, int windowTop, int windowHeight) {
    const int overhang = windowTop + windowHeight - (screenTop + screenHeight);
    if (overhang <= 0) return windowTop;
    return std::max(screenTop, windowTop - overhang);
}

Form1::Form1(Platform& platform) : platform_(platform) {
    Mutable(Window).text = kApplicationTitle;
    menus_[static_cast<std::size_t>(MenuItem::ExportBook)].enabled = false;
    for (const ControlRow& row : ControlTable()) {
        ControlState& state = states_[static_cast<std::size_t>(row.id)];
        state.text = row.caption;
        state.visible = row.visible;
        state.enabled = row.enabled;
        state.checked = row.checked;
        state.ink = row.ink;
    }
}

const ControlState& Form1::State(Control control) const {
    return states_[static_cast<std::size_t>(control)];
}

const MenuItemState& Form1::State(MenuItem item) const {
    return menus_[static_cast<std::size_t>(item)];
}

ControlState& Form1::Mutable(Control control) { return states_[static_cast<std::size_t>(control)]; }

void Form1::Changed(Control control) {
    if (view_) view_->ControlChanged(control);
}

void Form1::SetText(Control control, std::string text) {
    ControlState& state = Mutable(control);
    if (state.text == text) return;
    state.text = std::move(text);
    Changed(control);
}

void Form1::SetVisible(Control control, bool visible) {
    ControlState& state = Mutable(control);
    if (state.visible == visible) return;
    state.visible = visible;
    Changed(control);
}

void Form1::SetEnabled(Control control, bool enabled) {
    ControlState& state = Mutable(control);
    if (state.enabled == enabled) return;
    state.enabled = enabled;
    Changed(control);
}

void Form1::SetChecked(Control control, bool checked) {
    ControlState& state = Mutable(control);
    if (state.checked == checked) return;
    state.checked = checked;
    Changed(control);
}

void Form1::SetExceeded(Control box, bool exceeded) {
    ControlState& state = Mutable(box);
    const Ink ink = exceeded ? Ink::Blue : Ink::Default;
    if (state.ink == ink) return;
    state.ink = ink;
    Changed(box);
}

void Form1::Form_Load() {
    ControlState& thickness = Mutable(Thickness);
    thickness.items.assign(PlateThicknesses().begin(), PlateThicknesses().end());
    Changed(Thickness);
    ControlState& angle = Mutable(AngleSize);
    for (const AngleRow& row : AngleCatalogue()) angle.items.emplace_back(row.designation);
    Changed(AngleSize);

    Disable(FlatBarHeight);
    Disable(FlatBarThickness);
    Enable(AngleSize);
    Hide(FlatBarHeightCaption);
    Hide(FlatBarThicknessCaption);
    Show(AngleSizeCaption);
    Hide(FlatBarThickness);
    Hide(FlatBarHeight);
    Show(AngleSize);

    SetBasis(platform_.LoadSetting(kBasisSetting) == BasisName(DesignBasis::Current)
                 ? DesignBasis::Current
                 : DesignBasis::Legacy);
    if (platform_.LoadSetting(kPointLoadSetting) == "on") ShowPointLoad(true);
}

void Form1::SetBasis(DesignBasis basis) {
    basis_ = basis;
    std::string title(kApplicationTitle);
    if (basis == DesignBasis::Current) (title += " — ") += BasisNameZh(basis);
    SetText(Window, std::move(title));
    for (const auto& [item, chosen] : {std::pair{MenuItem::BasisLegacy, DesignBasis::Legacy},
                                       std::pair{MenuItem::BasisCurrent, DesignBasis::Current}}) {
        MenuItemState& state = menus_[static_cast<std::size_t>(item)];
        if (state.checked == (basis == chosen)) continue;
        state.checked = basis == chosen;
        if (view_) view_->MenuItemChanged(item);
    }
}

void Form1::ChooseBasis(DesignBasis basis) {
    if (basis == basis_) return;
    SetBasis(basis);
    platform_.SaveSetting(kBasisSetting, BasisName(basis));
    InputChanged();  // the results on show were computed on the other basis
}

void Form1::PointLoad_Click() {
    const bool shown = !PointLoadShown();
    ShowPointLoad(shown);
    platform_.SaveSetting(kPointLoadSetting, shown ? "on" : "off");
    InputChanged();  // the results on show were checked with or without the point load
}

void Form1::ShowPointLoad(bool shown) {
    MenuItemState& item = menus_[static_cast<std::size_t>(MenuItem::PointLoad)];
    const bool switched = item.checked != shown;
    item.checked = shown;
    if (switched && view_) view_->MenuItemChanged(MenuItem::PointLoad);
    SetVisible(PointLoadFrame, shown);
    for (const ControlRow& row : ControlTable()) {
        if (row.container != PointLoadFrame) continue;
        const bool verdictLine =
            std::ranges::find(kPointLoadVerdictLines, row.id) != std::end(kPointLoadVerdictLines);
        SetVisible(row.id, shown && (!verdictLine || pointLoadVerdictsWritten_));
    }
    if (switched && view_) view_->LayoutChanged();
}

void Form1::SetResultsCurrent(bool current) {
    SetEnabled(ReportButton, current);
    MenuItemState& exportBook = menus_[static_cast<std::size_t>(MenuItem::ExportBook)];
    if (exportBook.enabled == current) return;
    exportBook.enabled = current;
    if (view_) view_->MenuItemChanged(MenuItem::ExportBook);
}

void Form1::TextEdited(Control box, std::string_view text) {
    const Kind kind = Row(box).kind;
    if ((kind != Kind::TextBox && kind != Kind::ComboBox) || !State(box).enabled) return;
    if (State(box).text == text) return;
    SetText(box, std::string(text));
    InputChanged();
}

void Form1::ListPicked(Control list, int position) {
    ControlState& state = Mutable(list);
    if (Row(list).kind != Kind::ComboBox || !state.enabled || position < 0 ||
        position >= static_cast<int>(state.items.size()))
        return;
    state.picked = position;
    state.text = state.items[static_cast<std::size_t>(position)];
    Changed(list);
    InputChanged();
    if (list == Thickness) Thickness_Click();
    if (list == AngleSize) AngleSize_Click();
}

void Form1::Clicked(Control control) {
    if (!State(control).enabled) return;
    switch (control) {
        case SimplySupported:
        case Continuous:
            SetChecked(control, !State(control).checked);
            InputChanged();
            Boundary_Click();
            break;
        case FlatBarChoice:
        case AngleChoice:
            if (State(control).checked) break;  // already chosen: no change, no notification
            SetChecked(control, true);
            SetChecked(control == FlatBarChoice ? AngleChoice : FlatBarChoice, false);
            InputChanged();
            if (control == FlatBarChoice)
                FlatBarChoice_Click();
            else
                AngleChoice_Click();
            break;
        case VerifyButton:
            Verify_Click();
            break;
        case ExitButton:
            Exit_Click();
            break;
        case ReportButton:
            Report_Click();
            break;
        default:
            break;
    }
}

void Form1::MenuChosen(MenuItem item) {
    if (!State(item).enabled) return;
    switch (item) {
        case MenuItem::ExportBook:
            ExportBook_Click();
            break;
        case MenuItem::BasisLegacy:
            ChooseBasis(DesignBasis::Legacy);
            break;
        case MenuItem::BasisCurrent:
            ChooseBasis(DesignBasis::Current);
            break;
        case MenuItem::PointLoad:
            PointLoad_Click();
            break;
        case MenuItem::Schedule:
            Schedule_Click();
            break;
        case MenuItem::Sizing:
            Sizing_Click();
            break;
        case MenuItem::About:
            About_Click();
            break;
    }
}

void Form1::Boundary_Click() {
    if (State(Continuous).checked && State(SimplySupported).checked)
        platform_.ShowMessage("请选择其中之一");
}

void Form1::FlatBarChoice_Click() {
    Show(FlatBarHeight);
    Show(FlatBarThickness);
    Enable(FlatBarHeight);
    Enable(FlatBarThickness);
    Show(FlatBarHeightCaption);
    Show(FlatBarThicknessCaption);
    Show(FlatBarHeightUnit);
    Show(FlatBarThicknessUnit);
    Hide(AngleSize);
    Hide(AngleSizeCaption);
}

void Form1::AngleChoice_Click() {
    Show(AngleSize);
    Hide(FlatBarHeight);
    Hide(FlatBarHeightCaption);
    Hide(FlatBarThicknessCaption);
    Hide(FlatBarThickness);
    Enable(AngleSize);
    Hide(FlatBarHeightUnit);
    Hide(FlatBarThicknessUnit);
    Show(AngleSizeCaption);
}

void Form1::Thickness_Click() { Enable(VerifyButton); }

void Form1::AngleSize_Click() {
    SetText(SectionCentroidCaption, "角钢形心与短肢边距(cm)");
    SetText(SectionInertiaCaption, "角钢强轴惯性矩(cm4)");
    SetText(SectionAreaCaption, "角钢截面面积(cm2)");
    vars_.indexjudge = static_cast<std::int16_t>(State(AngleSize).picked);
    const AngleValues angle = AngleSection(vars_.indexjudge);
    vars_.Iangle1 = angle.Ix;
    vars_.Yoangle1 = angle.y0;
    vars_.Aangle1 = angle.A;
    vars_.Hangle1 = angle.H;
    SetText(SectionCentroid, DisplayText(vars_.Yoangle1));
    SetText(SectionInertia, DisplayText(vars_.Iangle1));
    SetText(SectionArea, DisplayText(vars_.Aangle1));
}

void Form1::Exit_Click() { platform_.EndProgram(); }

}  // namespace deckplate::form
