#pragma once
// The window Window as a model, free of any toolkit: every control's state, the window state
// variables, and the handlers that react to what the user does.
//
// Data flow: a native view builds its widgets from ControlTable() and forwards each user action
// (a text edited, a list item picked, a box or button clicked) to Form1. The handlers read the
// controls' texts, vet and convert them with the number text rules (calc/), follow the bay's
// check (calc/bay_check.h) stage by stage and write each stage's display texts, colours and
// verdicts back, one control at a time; every real change is passed to the view at once, so that a
// fault part-way leaves exactly the earlier writes on show. The state variables (named as the
// engineers' documents name them) carry what the report reads later. Everything that touches the
// operating system goes through Platform.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/bay_check.h"
#include "calc/checks.h"
#include "calc/design_basis.h"
#include "form/control_states.h"
#include "form/control_table.h"
#include "form/input_places.h"
#include "form/menu_table.h"
#include "form/platform.h"
#include "os/file_identity.h"
#include "project/bay_file.h"
#include "report/report_text.h"
#include "schedule/row_reader.h"
#include "sizing/design.h"

namespace deckplate {
class ArithmeticError;
}

namespace deckplate::form {

/// What a menu item shows now.
struct MenuItemState {
    bool enabled = true;
    bool checked = false;  ///< the chosen one of a submenu's choices
    std::string text{};    ///< a variable item's caption (a file's path)
    bool visible = true;
};

/// A native window showing the model. It is told of every real change of a control (Window: the
/// window's title) or a menu item and then reads its state.
class FormView {
  public:
    virtual ~FormView() = default;
    virtual void ControlChanged(Control control) = 0;
    virtual void MenuItemChanged(MenuItem item) = 0;
    /// An optional group was shown or hidden (its controls already told of): the controls and
    /// the window's size now follow ControlPlacement, ClientWidthTwips and ClientHeightTwips for
    /// Form1::Layout(), and the window stays on the screen (OnScreen).
    virtual void LayoutChanged() = 0;
};

/// Top-left corner, in pixels, that centres a window on the screen (all sizes in pixels, the
/// arithmetic in twips and single precision as the layout is measured).
struct WindowPosition {
    int left, top;
};
WindowPosition CentredWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
/// A rectangle on the screen, in pixels: a screen's work area (without the taskbar), or a window's
/// frame with its title bar.
struct ScreenRect {
    int left, top, width, height;
};
/// The top-left corner, in pixels, of `window` moved only as far as it must to lie wholly in the
/// work area: one that opened or grew past an edge comes back in; one larger than the area keeps
/// its top-left corner in it, where its title bar and menu bar stay within reach.
WindowPosition OnScreen(const ScreenRect& workArea, const ScreenRect& window);

/// The window state variables, all zero at start, named as the engineers' documents name them.
struct WindowState {
    double Alpha = 0;             ///< plate moment coefficient of the last Verify
    double Beta = 0;              ///< plate deflection coefficient of the last Verify
    std::int16_t indexjudge = 0;  ///< list position of the last angle picked
    double Iangle1 = 0;           ///< picked angle: strong-axis moment of inertia, cm⁴
    double Yoangle1 = 0;          ///< picked angle: centroid to short-leg face, cm
    double Aangle1 = 0;           ///< picked angle: area, cm²
    double Hangle1 = 0;           ///< picked angle: long-leg width, mm
    double AstiffenerE = 0;       ///< last flat bar's area, cm², 2 decimals
    double IStiffenerE = 0;       ///< last flat bar's moment of inertia, cm⁴, 2 decimals
};

class Form1 {
  public:
    explicit Form1(Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void SetView(FormView* view) { view_ = view; }
    /// A control's state; form1's text is the window's title.
    const ControlState& State(Control control) const { return states_[control]; }
    const MenuItemState& State(MenuItem item) const { return menus_[item]; }

    /// Start-up: fill both lists, show the angle inputs and take the design basis chosen in an
    /// earlier run (the view centres the window).
    void Form_Load();

    /// The design basis every Verify uses, chosen in 设置 → 计算依据.
    DesignBasis Basis() const { return basis_; }
    /// The steel grade every Verify uses under the current basis, chosen in 设置 → 钢材牌号; the
    /// legacy basis knows only Q235.
    SteelGrade Steel() const { return basis_ == DesignBasis::Current ? steel_ : SteelGrade::Q235; }
    /// Which optional groups the window shows now.
    FormLayout Layout() const { return {basis_ == DesignBasis::Current, PointLoadShown()}; }
    /// Whether the point-load group is shown and every Verify checks the point load too (设置 →
    /// 集中荷载验算).
    bool PointLoadShown() const { return State(MenuItem::PointLoad).checked; }

    // What the user did, as the view reports it.
    /// Typing into a text box or a list's field; never a pick.
    void TextEdited(Control box, std::string_view text);
    /// A list item picked by mouse or keyboard.
    void ListPicked(Control list, int position);
    /// A check box, option button or push button clicked. A disabled control does nothing.
    void Clicked(Control control);
    /// A menu item chosen. A disabled item does nothing.
    void MenuChosen(MenuItem item);

    /// The bay the inputs on show describe, as Verify reads it.
    BayInput ReadBay() const;
    /// Shows `bay` in the window's inputs, through the handlers a user's actions reach; the
    /// results on show are then no longer current. ReadBay() gives `bay` back.
    void Fill(const BayInput& bay);

    /// Opens the bay file at `path` (one double-clicked, or named when the program starts), once
    /// unsaved changes are saved or given up.
    void OpenBayFile(const std::string& path);
    /// Whether the window may close now (its close box, 退出): unsaved changes are saved or given
    /// up first, unless the engineer cancels.
    bool MayClose();
    /// The project the bay belongs to, as 工程信息… holds it.
    const project::ProjectInfo& Project() const { return project_; }
    /// The bay file the window's bay was last opened from or saved to; empty for a new bay.
    const std::string& FilePath() const { return filePath_; }
    /// Whether the bay has changed since it was last opened, saved or started.
    bool Modified() const { return modified_; }

    /// The window state variables, for the report and the tests; only the model writes them.
    const WindowState& Variables() const { return vars_; }

  private:
    // Click handlers. Continuous shares SimplySupported's handler.
    void Boundary_Click();
    void FlatBarChoice_Click();
    void AngleChoice_Click();
    void Thickness_Click();
    void AngleSize_Click();
    void Verify_Click();
    void Exit_Click();
    // 文件: the bay file and the project (form1_file.cpp).
    void New_Click();
    void Open_Click();
    /// False when the bay was not saved (cancelled, or the file could not be written).
    bool Save_Click();
    bool SaveAs_Click();
    void Recent_Click(std::size_t i);
    void ProjectInfo_Click();
    /// Asks 保存/不保存/取消 when the bay has unsaved changes: false when they are neither saved
    /// nor given up, and what was asked for must not go on.
    bool ChangesKept();
    /// Opens the bay file `named`, remembered by its whole path.
    void OpenPath(const std::string& named);
    /// Shows the bay of a file as it was saved, through the handlers a user's actions reach.
    void Restore(const project::BayFile& file);
    /// The bay as the window holds it, for its file.
    project::SavedBay SavedBay() const;
    /// Saves the bay to `chosen`, asking first when it is the window's file and has been written
    /// since the window opened or saved it.
    bool SaveTo(const std::string& chosen);
    /// Whether `path` is the window's file and has been written since the window opened or saved
    /// it: by another window, by another program.
    bool WrittenSince(const std::string& path) const;
    /// The window as it starts: every control as the table has it, the lists filled, the angle
    /// inputs shown and no results; the design basis and the optional groups stay as chosen.
    void ShowNewBay();
    /// The file's name, or 未命名.
    std::string BayName() const;
    /// "[*]name — 平台钢铺板计算[ — 现行规范 Q355]".
    void ShowTitle();
    void SetModified(bool modified);
    project::ProjectInfo RememberedProject() const;
    void RememberProject();
    void LoadRecentFiles();
    void RememberRecent(const std::string& path);
    void ForgetRecent(const std::string& path);
    void SaveRecentFiles();
    void ShowRecentFiles();
    void Report_Click();
    /// What the report prints: the window's texts, ticks and state variables as they stand.
    report::ReportSnapshot Snapshot() const;
    void About_Click();
    void ExportBook_Click();
    /// The project as a book states it: dated today when 工程信息… gives no date.
    project::ProjectInfo BookProject() const;
    void Sizing_Click();
    void Schedule_Click();
    /// Takes a design chosen in 自动选型 into the window and verifies it.
    void ApplyDesign(const sizing::Candidate& design);
    /// The window's basis and point load, as a schedule's rows take them by default.
    schedule::RowDefaults ScheduleDefaults() const;
    void ChooseBasis(DesignBasis basis);
    /// An input a menu of 设置 holds (its choices or its switch), chosen by `item`.
    void ChooseMenuInput(const InputPlace& place, MenuItem item);
    /// The menus of those inputs as chosen, and usable under the current basis only.
    void ShowMenuInputs();
    /// The text an input of the places holds: a box's, a list's or a menu's word.
    std::string PlaceText(const InputPlace& place) const;
    /// Shows `text` in the place of an input, through the handlers a user reaches.
    void ShowPlaceText(const InputPlace& place, const std::string& text);
    void SetBasis(DesignBasis basis);
    void ChooseSteel(SteelGrade steel);
    /// The title and the grade's menu for the basis and grade chosen.
    void ShowBasisAndSteel();
    /// A control as the table sets it at start.
    void ShowAsTabled(const ControlRow& row);
    /// The lists filled and the angle inputs shown, as at start.
    void ShowStartingInputs();
    void PointLoad_Click();
    void ShowPointLoad(bool shown);
    /// Shows or hides the optional groups as the basis and 集中荷载验算 say, each group's heading
    /// and verdict lines once a Verify has written them; tells the view when the layout changes.
    void ShowGroups();

    void Verify();
    /// Picks the thickness from the list, or types it when the list lacks it.
    void PickThickness(const PlateThickness& thickness);
    /// Chooses the stiffener's kind and gives its size.
    void ChooseStiffener(const StiffenerChoice& stiffener);
    /// Shows a step of the bay's check as it completes.
    void ShowStage(const BayStep& step, const BayCheck& check);
    /// Shows a check's verdict in its line and colours its result box.
    void ShowVerdict(Check check, const BayCheck& bayCheck);
    /// Writes a file the user asked for in one step; a failure is reported after `failed`
    /// ("计算书未能导出"): false then.
    bool WriteFile(const std::string& path, std::string_view text, os::TextEncoding encoding,
                   std::string_view failed);
    /// After a failed write: says why, offers the Save dialog once, proposing `proposed`, and
    /// writes there; `path` is then the chosen one. False when cancelled or failed again.
    bool SaveElsewhere(const os::FileError& error, std::string& path, std::string_view text,
                       os::TextEncoding encoding, std::string_view proposed,
                       std::string_view failed);
    /// Opens a written file in its viewer; a failure is reported.
    void OpenFile(const std::string& path, Viewer viewer, std::string_view done);
    /// What the inputs are read for: Verify reads them all, 自动选型 the loads, the span and the
    /// point load, 批量验算 the point load only.
    enum class InputUse { Verify, Sizing, Schedule };
    /// Whether `use` reads `box`: Verify every box, sizing the loads, the span and the point
    /// load, a schedule the point load only.
    static bool Reads(InputUse use, Control box);
    /// The text of every box that holds an input, by the bay's field it holds.
    std::map<BayField, std::string> InputTexts() const;
    /// The bay as `use` reads it: the boxes it does not read count as 0, and only Verify reads
    /// the weld's boxes and list (the menus' inputs every use reads).
    BayInput ReadBayFor(InputUse use) const;
    /// What the user is asked to do again: "验算", "选型", "批量验算".
    static std::string_view Doing(InputUse use);
    /// Refuses, with a message, a box that `use` reads that is not a number, a negative load or
    /// size, or a flat bar or patch of no size: true then.
    bool RefuseInput(InputUse use);
    /// Says what is wrong and what to do again: true.
    bool Refuse(InputUse use, const std::string& problem);
    double Read(Control box) const;
    void ReportArithmeticFault(const ArithmeticError& error);
    /// Whether the results on show are those of a complete Verify of the inputs on show: only
    /// then may the report be printed or the calculation book exported.
    void SetResultsCurrent(bool current);
    /// An input or a choice changed: the results on show no longer belong to the inputs.
    void InputChanged() {
        SetResultsCurrent(false);
        SetModified(true);
    }

    // Writes, each passed to the view when it changes something.
    void SetText(Control control, std::string text) { states_.SetText(control, std::move(text)); }
    void SetExceeded(Control box, bool exceeded) {
        states_.SetInk(box, exceeded ? Ink::Blue : Ink::Default);
    }
    void Show(Control control) { states_.SetVisible(control, true); }
    void Hide(Control control) { states_.SetVisible(control, false); }
    void Enable(Control control) { states_.SetEnabled(control, true); }
    void Disable(Control control) { states_.SetEnabled(control, false); }

    Platform& platform_;
    FormView* view_ = nullptr;
    ControlStates<Control> states_;  ///< the controls, then Window
    ControlStates<MenuItem, MenuItemState> menus_;
    WindowState vars_;
    DesignBasis basis_ = DesignBasis::Legacy;
    SteelGrade steel_ = SteelGrade::Q235;  ///< the grade chosen, kept through the legacy basis
    FormLayout shownLayout_;               ///< as the view was last told
    std::string loadCombination_;  ///< the last Verify's, for the report; empty under legacy
    std::string steelLine_;        ///< the last Verify's grade and its standard, for the report
    std::optional<report::ActingPatch> patchCutTo_;  ///< the last Verify's, for the report
    BayInput lastBay_;  ///< the last complete Verify's bay, for the calculation book
    std::optional<BayCheck> lastCheck_;  ///< and its check
    /// The optional groups whose verdicts a Verify has written: they show whenever the group does.
    std::vector<Control> groupsWritten_;
    /// The words chosen in the menus of the inputs InputPlaces() keeps there, by input.
    std::map<BayField, std::string> menuInputs_;
    std::array<bool, kCheckCount> verdictsShown_{};  ///< by the Verify running
    project::ProjectInfo project_;
    std::string filePath_;                    ///< whole, from the root
    std::optional<os::FileStamp> fileStamp_;  ///< filePath_ as it stood when opened or saved
    bool modified_ = false;
    bool closeAgreed_ = false;              ///< MayClose said yes: the window is closing
    std::vector<std::string> recentFiles_;  ///< newest first
};

}  // namespace deckplate::form
