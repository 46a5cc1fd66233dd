#pragma once
// The window's controls as one table: name, kind, container, position and size in twips,
// caption or initial text, and initial state. The form model starts every control's state from
// it, each native view builds its widgets from it, and the tests check both against it.

#include <cstdint>
#include <span>
#include <string_view>

namespace deckplate::form {

/// Every control, named as the engineers' documents name it, in the order of the table.
// clang-format off
enum class Control : std::uint8_t {
    Frame1, Frame2, Frame3, Command1, Command3, Command2,
    Label1, Text1, Label2, Text2, Frame5, Check1, Label42, Check2, Label43,
    Label4, Combo1, Label5, Text4, Label6, Text5, Label3, Text3,
    Label7, Option1, Label8, Option2, Label9,
    Label15, Text9, Label23, Label22, Text13, Label24, label16, Combo2,
    Label10, Text6, Label25, Label11, Text7, Label26, Label12, Text8, Label27,
    Label28, Label13, Label14,
    Label17, Text10, Label18, Text11, Label19, Text12, Label29, Label20, Label21, Frame4,
    Label34, Label31, Label30, Label33, Label32, Label35,
    Label36, Label38, Label37, Label39, Label40, Label41,
    Frame6, Label44, Text14, Label45, Text15, Label46, Text16, Label47,
    Label48, Text17, Label49, Label50, Text18, Label51,
    Label52, Text19, Label53, Label54, Text20, Label55,
    Label56, Label57, Label58, Label59, Label60,
    form1,  ///< the window itself: the container of the top-level controls, not a table row
};
// clang-format on
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::form1);

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
    Control container;             ///< form1 or a frame
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
inline constexpr int kClientWidthTwips = 8145;
/// The window without the point-load group, as it first opens.
inline constexpr int kClientHeightTwips = 6975;

/// Where a control stands: twips, relative to its container's client area.
struct Placement {
    int left, top, width, height;
};
/// The table gives the window without the point-load group (Frame6, 集中荷载). Shown, the group
/// takes the buttons' place below 加劲肋数据, and the buttons and the window's bottom move down
/// by as much as the group reaches below that frame: the buttons keep their gap beneath the
/// lowest frame.
Placement ControlPlacement(Control control, bool pointLoadShown);
int ClientHeightTwips(bool pointLoadShown);
/// 9 pt for every caption and box; the two "设计提示" headings are 14.25 pt "幼圆".
inline constexpr double kUiPointSize = 9.0;
inline constexpr double kHintPointSize = 14.25;

}  // namespace deckplate::form
