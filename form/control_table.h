#pragma once
// The window's controls as one table: name, kind, container, position and size in twips,
// caption or initial text, and initial state. The form model starts every control's state from
// it, each native view builds its widgets from it, and the tests check both against it.

#include <cstdint>
#include <span>
#include <string_view>

namespace deckplate::form {

/// Every control, named by what it holds, in the order of the table; the table's name column
/// keeps the names the engineers' documents give them (Text1, Command1).
// clang-format off
enum class Control : std::uint8_t {
    // The form: its frames and buttons.
    PlatformFrame, PlateFrame, StiffenerFrame, VerifyButton, ReportButton, ExitButton,
    // 平台数据: the inputs.
    DeadLoadCaption, DeadLoad, LiveLoadCaption, LiveLoad, BoundaryFrame, SimplySupported,
    SimplySupportedCaption, Continuous, ContinuousCaption, ThicknessCaption, Thickness, SpanCaption,
    Span, SpacingCaption, Spacing, DeflectionLimitCaption, DeflectionLimit, StiffenerKindCaption,
    FlatBarChoice, FlatBarChoiceCaption, AngleChoice, AngleChoiceCaption, FlatBarHeightCaption,
    FlatBarHeight, FlatBarHeightUnit, FlatBarThicknessCaption, FlatBarThickness,
    FlatBarThicknessUnit, AngleSizeCaption, AngleSize,
    // 钢铺板数据: the plate's results.
    PlateMomentCaption, PlateMoment, PlateMomentUnit, PlateDeflectionCaption, PlateDeflection,
    PlateDeflectionUnit, PlateStressCaption, PlateStress, PlateStressUnit, PlateHintHeading,
    PlateDeflectionVerdict, PlateStrengthVerdict,
    // 加劲肋数据: the stiffener's results and its section.
    StiffenerMomentCaption, StiffenerMoment, StiffenerDeflectionCaption, StiffenerDeflection,
    StiffenerStressCaption, StiffenerStress, StiffenerHintHeading, StiffenerDeflectionVerdict,
    StiffenerStrengthVerdict, SectionFrame, SectionCentroidCaption, SectionCentroid,
    SectionInertiaCaption, SectionInertia, SectionAreaCaption, SectionArea,
    CompositeCentroidCaption, CompositeCentroid, CompositeInertiaCaption, CompositeInertia,
    SelfWeightCaption, SelfWeight,
    // 加劲肋活载挠度、抗剪及宽厚比 (current basis): the stiffener's live-load deflection, shear
    // and outstand.
    ShearFrame, LiveDeflectionCaption, LiveDeflection, LiveDeflectionUnit, ShearStressCaption,
    ShearStress, ShearStressUnit, OutstandCaption, Outstand, OutstandLimitCaption, OutstandLimit,
    ShearHintHeading, StiffenerLiveDeflectionVerdict, StiffenerShearVerdict,
    StiffenerOutstandVerdict,
    // 集中荷载: the point load's inputs, results and verdicts.
    PointLoadFrame, PointLoadForceCaption, PointLoadForce, PatchCaption, PatchAcross, PatchTimes,
    PatchAlong, PatchSidesCaption, PointLoadPlateDeflectionCaption, PointLoadPlateDeflection,
    PointLoadPlateDeflectionUnit, PointLoadPlateStressCaption, PointLoadPlateStress,
    PointLoadPlateStressUnit, PointLoadStiffenerDeflectionCaption, PointLoadStiffenerDeflection,
    PointLoadStiffenerDeflectionUnit, PointLoadStiffenerStressCaption, PointLoadStiffenerStress,
    PointLoadStiffenerStressUnit, PointLoadHintHeading, PointLoadPlateDeflectionVerdict,
    PointLoadPlateStrengthVerdict, PointLoadStiffenerDeflectionVerdict,
    PointLoadStiffenerStrengthVerdict,
    PointLoadShearCaption, PointLoadShear, PointLoadShearUnit, PointLoadShearVerdict,
    PointLoadWeldCaption, PointLoadWeldStress, PointLoadWeldStressUnit, PointLoadWeldVerdict,
    // 焊缝 (current basis): the weld between the plate and the stiffener, its stress and its
    // detailing.
    WeldFrame, WeldArrangementCaption, WeldArrangement, WeldSizeCaption, WeldSize,
    WeldSegmentCaption, WeldSegment, WeldStressCaption, WeldStress, WeldStressUnit, WeldHintHeading,
    WeldVerdict, WeldDetailingVerdict,
    Window,  ///< the window itself: the container of the top-level controls, not a table row
};
// clang-format on
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Window);

enum class Kind { Frame, Label, TextBox, ComboBox, CheckBox, OptionButton, PushButton };

/// The colour of a control's text (or a frame's caption). Default is the toolkit's own window
/// text; Blue marks an exceeded result; Navy the boundary-condition captions.
enum class Ink { Default, Navy, Blue };

struct Rgb {
    std::uint8_t red, green, blue;
};
/// Navy (0, 0, 128) and blue (0, 0, 255); Default has no fixed colour and gives black.
Rgb InkRgb(Ink ink);

/// Which font a caption is drawn in.
enum class Face { Ui, Hint };

struct ControlRow {
    Control id;
    std::string_view name;  ///< "Text1", "label16", "Command3": objectName and test name
    Kind kind;
    Control container;             ///< Window or a frame
    int left, top, width, height;  ///< twips, relative to the container's client area
    std::string_view caption;      ///< caption, or initial text of a text box (UTF-8)
    bool visible = true;
    bool enabled = true;
    bool checked = false;  ///< check box ticked, option button selected
    Ink ink = Ink::Default;
    bool valueCell = false;  ///< a label that reads as a box: window background, text colour
    Face face = Face::Ui;
};

/// Every control of the window, containers before their contents, row i describing Control(i).
std::span<const ControlRow> ControlTable();

const ControlRow& Row(Control control);

/// The order in which Tab moves through the controls (hidden and disabled ones are skipped).
std::span<const Control> FocusOrder();

inline constexpr std::string_view kApplicationTitle = "平台钢铺板计算";
inline constexpr int kTwipsPerPixel = 15;  ///< at 96 dots per inch
/// The window without its optional groups, as it first opens: the form as it was measured.
inline constexpr int kClientWidthTwips = 8145;
inline constexpr int kClientHeightTwips = 6975;

/// Where a control stands: twips, relative to its container's client area.
struct Placement {
    int left, top, width, height;
};
/// Which of the window's optional groups are on show: the shear and outstand group (and the
/// point-load group's rows of the stiffener's shear) under the current basis, the point-load
/// group with 设置 → 集中荷载验算.
struct FormLayout {
    bool currentBasis = false;
    bool pointLoad = false;
};
/// The form keeps its place on the left as the table has it. The optional groups stand in a
/// second column to its right, from the top of 平台数据 down, one below another in the order of
/// the table and as far apart as the form's frames; the window is as wide as that column
/// reaches, and taller than the form only when the column is. Inside a group a row that only
/// the current basis shows takes no room without it: what stands below it moves up.
Placement ControlPlacement(Control control, const FormLayout& layout);
int ClientWidthTwips(const FormLayout& layout);
int ClientHeightTwips(const FormLayout& layout);
/// Whether the layout has a place for the control: always, outside the optional groups; for a
/// group or a control inside one, when the group is on show and the control's row with it.
bool InLayout(Control control, const FormLayout& layout);
/// The optional group a control belongs to (the group itself for its frame), or Window for the
/// form's own controls.
Control OptionalGroupOf(Control control);
/// A group's height: without the current basis, less its rows that only that basis shows.
int GroupHeight(Control group, const FormLayout& layout);
/// 9 pt for every caption and box; the two "设计提示" headings are 14.25 pt "幼圆".
inline constexpr double kUiPointSize = 9.0;
inline constexpr double kHintPointSize = 14.25;

}  // namespace deckplate::form
