#include "form/form1.h"

#include <algorithm>

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"
#include "form/check_views.h"
#include "input/bay_inputs.h"

namespace deckplate::form {

using enum Control;

namespace {

// Where the chosen design basis is remembered between runs: "legacy" or "current".
constexpr std::string_view kBasisSetting = "basis";
// Where 集中荷载验算 is remembered: "on", or off by default.
constexpr std::string_view kPointLoadSetting = "point_load";
// Where the steel grade is remembered: its name, Q235 by default.
constexpr std::string_view kSteelSetting = "steel";

// A group's "设计提示" heading or a check's verdict line: what only a Verify writes.
bool WrittenByVerify(Control control) {
    return Row(control).face == Face::Hint ||
           std::ranges::any_of(CheckViews(),
                               [&](const CheckView& view) { return view.verdict == control; });
}

// The grades' menu items, in the order of SteelGrade.
constexpr MenuItem kSteelItems[] = {MenuItem::SteelQ235, MenuItem::SteelQ355, MenuItem::SteelQ390,
                                    MenuItem::SteelQ420, MenuItem::SteelQ460};
static_assert(std::size(kSteelItems) == kSteelGrades.size(), "a menu item for every grade");

template <class Range>
bool Holds(const Range& range, Control control) {
    return std::ranges::find(range, control) != std::end(range);
}

}  // namespace

WindowPosition CentredWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    const float left = (twips(screenWidth) - twips(windowWidth)) / 2.0f;
    const float top = (twips(screenHeight) - twips(windowHeight)) / 2.0f;
    return {static_cast<int>(left / kTwipsPerPixel), static_cast<int>(top / kTwipsPerPixel)};
}

WindowPosition OnScreen(const ScreenRect& workArea, const ScreenRect& window) {
    const auto within = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return {within(window.left, window.width, workArea.left, workArea.width),
            within(window.top, window.height, workArea.top, workArea.height)};
}

Form1::Form1(Platform& platform)
    : platform_(platform),
      states_(kControlCount + 1,
              [this](Control control) {
                  if (view_) view_->ControlChanged(control);
              }),
      menus_(kMenuItemCount, [this](MenuItem item) {
          if (view_) view_->MenuItemChanged(item);
      }) {
    menus_.SetEnabled(MenuItem::ExportBook, false);
    for (const MenuRow& row : MenuTable())
        if (row.variable) menus_.SetVisible(row.id, false);
    for (const ControlRow& row : ControlTable()) ShowAsTabled(row);
    ShowTitle();
}

void Form1::ShowAsTabled(const ControlRow& row) {
    states_.SetText(row.id, std::string(row.caption));
    states_.SetVisible(row.id, row.visible);
    states_.SetEnabled(row.id, row.enabled);
    states_.SetChecked(row.id, row.checked);
    states_.SetInk(row.id, row.ink);
}

void Form1::ShowNewBay() {
    for (const ControlRow& row : ControlTable()) ShowAsTabled(row);
    vars_ = {};
    lastBay_ = {};
    loadCombination_.clear();
    steelLine_.clear();
    groupsWritten_.clear();
    verdictsShown_ = {};
    ShowStartingInputs();
    ShowGroups();
    SetResultsCurrent(false);
}

void Form1::Form_Load() {
    ShowStartingInputs();
    steel_ = FindGrade(platform_.LoadSetting(kSteelSetting)).value_or(SteelGrade::Q235);
    // The current basis unless an earlier run chose the legacy one: a first start checks a new
    // design by today's codes.
    SetBasis(platform_.LoadSetting(kBasisSetting) == BasisName(DesignBasis::Legacy)
                 ? DesignBasis::Legacy
                 : DesignBasis::Current);
    if (platform_.LoadSetting(kPointLoadSetting) == "on") ShowPointLoad(true);
    // The menus' inputs as chosen in an earlier run, where the setting still names a word.
    for (const InputPlace& place : InputPlaces()) {
        if (place.menu.empty()) continue;
        const std::string word = platform_.LoadSetting(place.setting);
        if (std::ranges::find(place.words, word) != place.words.end())
            menuInputs_[place.field] = word;
    }
    ShowMenuInputs();
    project_ = RememberedProject();
    LoadRecentFiles();
}

void Form1::ShowStartingInputs() {
    std::vector<std::string> thicknesses;
    for (const double mm : PlateThicknesses()) thicknesses.push_back(PlateThicknessText(mm));
    states_.SetItems(Thickness, std::move(thicknesses));
    // A list of words, its first picked: the weld's arrangement.
    for (const InputPlace& place : InputPlaces()) {
        if (!place.control || place.words.empty()) continue;
        const auto captions = ListCaptions(*place.control);
        states_.SetItems(*place.control, {captions.begin(), captions.end()});
        states_.SetPicked(*place.control, 0, std::string(captions.front()));
    }
    std::vector<std::string> angles;
    for (const AngleRow& row : AngleCatalogue()) angles.emplace_back(row.designation);
    states_.SetItems(AngleSize, std::move(angles));

    Disable(FlatBarHeight);
    Disable(FlatBarThickness);
    Enable(AngleSize);
    Hide(FlatBarHeightCaption);
    Hide(FlatBarThicknessCaption);
    Show(AngleSizeCaption);
    Hide(FlatBarThickness);
    Hide(FlatBarHeight);
    Show(AngleSize);
}

void Form1::SetBasis(DesignBasis basis) {
    basis_ = basis;
    menus_.SetChecked(MenuItem::BasisLegacy, basis == DesignBasis::Legacy);
    menus_.SetChecked(MenuItem::BasisCurrent, basis == DesignBasis::Current);
    ShowBasisAndSteel();
    ShowGroups();
}

void Form1::ShowMenuInputs() {
    for (const InputPlace& place : InputPlaces()) {
        if (place.menu.empty()) continue;
        const input::InputRow& row = input::RowOf(place.field);
        const auto chosen = menuInputs_.find(place.field);
        const std::string word =
            chosen != menuInputs_.end() ? chosen->second : row.text(input::DefaultBay());
        for (std::size_t i = 0; i < place.menu.size(); ++i) {
            menus_.SetChecked(place.menu[i], place.words[i] == word);
            menus_.SetEnabled(place.menu[i], !row.currentOnly || basis_ == DesignBasis::Current);
        }
    }
}

void Form1::ChooseMenuInput(const InputPlace& place, MenuItem item) {
    const std::size_t i =
        static_cast<std::size_t>(std::ranges::find(place.menu, item) - place.menu.begin());
    // A switch turns its word on and off; a choice takes its own.
    const std::string word = place.menu.size() > 1 ? std::string(place.words[i])
                             : State(item).checked ? "no"
                                                   : std::string(place.words[i]);
    menuInputs_[place.field] = word;
    ShowMenuInputs();
    platform_.SaveSetting(place.setting, word);
    InputChanged();  // the results on show were computed with the other choice
}

void Form1::ShowBasisAndSteel() {
    ShowTitle();
    ShowMenuInputs();
    // Under the legacy basis the menu shows Q235, the only grade it knows, and cannot change it.
    for (std::size_t i = 0; i < std::size(kSteelItems); ++i) {
        menus_.SetChecked(kSteelItems[i], static_cast<SteelGrade>(i) == Steel());
        menus_.SetEnabled(kSteelItems[i], basis_ == DesignBasis::Current);
    }
}

void Form1::ChooseSteel(SteelGrade steel) {
    if (basis_ != DesignBasis::Current || steel == steel_) return;
    steel_ = steel;
    ShowBasisAndSteel();
    platform_.SaveSetting(kSteelSetting, GradeName(steel));
    InputChanged();  // the results on show were computed for the other grade
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
    menus_.SetChecked(MenuItem::PointLoad, shown);
    ShowGroups();
}

void Form1::ShowGroups() {
    const FormLayout layout = Layout();
    for (const ControlRow& row : ControlTable()) {
        const Control group = OptionalGroupOf(row.id);
        if (group == Window) continue;
        states_.SetVisible(row.id, InLayout(row.id, layout) &&
                                       (!WrittenByVerify(row.id) || Holds(groupsWritten_, group)));
    }
    if (layout.currentBasis == shownLayout_.currentBasis &&
        layout.pointLoad == shownLayout_.pointLoad)
        return;
    shownLayout_ = layout;
    if (view_) view_->LayoutChanged();
}

void Form1::SetResultsCurrent(bool current) {
    states_.SetEnabled(ReportButton, current);
    menus_.SetEnabled(MenuItem::ExportBook, current);
}

void Form1::TextEdited(Control box, std::string_view text) {
    const Kind kind = Row(box).kind;
    if ((kind != Kind::TextBox && kind != Kind::ComboBox) || !State(box).enabled) return;
    if (State(box).text == text) return;
    SetText(box, std::string(text));
    InputChanged();
}

void Form1::ListPicked(Control list, int position) {
    const ControlState& state = State(list);
    if (Row(list).kind != Kind::ComboBox || !state.enabled || position < 0 ||
        position >= static_cast<int>(state.items.size()))
        return;
    states_.SetPicked(list, position, state.items[static_cast<std::size_t>(position)]);
    InputChanged();
    if (list == Thickness) Thickness_Click();
    if (list == AngleSize) AngleSize_Click();
}

void Form1::Clicked(Control control) {
    if (!State(control).enabled) return;
    switch (control) {
        case SimplySupported:
        case Continuous:
            states_.SetChecked(control, !State(control).checked);
            InputChanged();
            Boundary_Click();
            break;
        case FlatBarChoice:
        case AngleChoice:
            if (State(control).checked) break;  // already chosen: no change, no notification
            states_.SetChecked(control, true);
            states_.SetChecked(control == FlatBarChoice ? AngleChoice : FlatBarChoice, false);
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
    if (const InputPlace* place = PlaceOf(item)) return ChooseMenuInput(*place, item);
    switch (item) {
        case MenuItem::New:
            New_Click();
            break;
        case MenuItem::Open:
            Open_Click();
            break;
        case MenuItem::Save:
            Save_Click();
            break;
        case MenuItem::SaveAs:
            SaveAs_Click();
            break;
        case MenuItem::ProjectInfo:
            ProjectInfo_Click();
            break;
        case MenuItem::Recent1:
        case MenuItem::Recent2:
        case MenuItem::Recent3:
        case MenuItem::Recent4:
            Recent_Click(static_cast<std::size_t>(std::ranges::find(kRecentFiles, item) -
                                                  std::begin(kRecentFiles)));
            break;
        case MenuItem::Exit:
            Exit_Click();
            break;
        case MenuItem::ExportBook:
            ExportBook_Click();
            break;
        case MenuItem::BasisLegacy:
            ChooseBasis(DesignBasis::Legacy);
            break;
        case MenuItem::BasisCurrent:
            ChooseBasis(DesignBasis::Current);
            break;
        case MenuItem::SteelQ235:
        case MenuItem::SteelQ355:
        case MenuItem::SteelQ390:
        case MenuItem::SteelQ420:
        case MenuItem::SteelQ460:
            ChooseSteel(static_cast<SteelGrade>(std::ranges::find(kSteelItems, item) -
                                                std::begin(kSteelItems)));
            break;
        case MenuItem::PointLoad:
            PointLoad_Click();
            break;
        case MenuItem::SafetyClass1:
        case MenuItem::SafetyClass2:
        case MenuItem::SafetyClass3:
        case MenuItem::DeadIncludesSelfWeight:
            break;  // an input's menu, chosen above
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

void Form1::Exit_Click() {
    if (MayClose()) platform_.EndProgram();
}

}  // namespace deckplate::form
