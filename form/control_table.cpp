#include "form/control_table.h"

#include <cassert>

namespace deckplate::form {
namespace {

using enum Kind;
using enum Control;
constexpr bool kHidden = false;
constexpr bool kDisabled = false;
constexpr Ink kNavy = Ink::Navy;
constexpr Ink kBlue = Ink::Blue;
constexpr Ink kPlain = Ink::Default;

// clang-format off
constexpr ControlRow kControls[] = {
    // id        name        kind          container left   top  width height caption
    {Frame1,    "Frame1",    Frame,        form1,   120,   120, 7935, 1815, "平台数据"},
    {Frame2,    "Frame2",    Frame,        form1,   120,  2040, 7935, 1455, "钢铺板数据"},
    {Frame3,    "Frame3",    Frame,        form1,   120,  3600, 7935, 2655, "加劲肋数据"},
    {Command1,  "Command1",  PushButton,   form1,   120,  6360, 2535,  615, "验      算", true, kDisabled},
    {Command3,  "Command3",  PushButton,   form1,  2760,  6360, 2535,  615, "计 算 书", true, kDisabled},
    {Command2,  "Command2",  PushButton,   form1,  5400,  6360, 2655,  615, "退      出"},

    // Platform data, the inputs.
    {Label1,    "Label1",    Label,        Frame1,  120,   240, 1455,  375, "静荷载kn/m2："},
    {Text1,     "Text1",     TextBox,      Frame1, 1680,   240,  735,  270, " "},
    {Label2,    "Label2",    Label,        Frame1,  120,   615, 1455,  375, "活荷载kn/m2："},
    {Text2,     "Text2",     TextBox,      Frame1, 1680,   667,  735,  270, " "},
    {Frame5,    "Frame5",    Frame,        Frame1,  120,   960, 2295,  855, "边界条件", true, true, false, kNavy},
    {Check1,    "Check1",    CheckBox,     Frame5,  240,   240,  255,  255, "", true, true, true},
    {Label42,   "Label42",   Label,        Frame5,  600,   240,  735,  255, "四边简支", true, true, false, kNavy},
    {Check2,    "Check2",    CheckBox,     Frame5,  240,   495,  255,  255, ""},
    {Label43,   "Label43",   Label,        Frame5,  600,   495, 1335,  255, "三跨及以上连续", true, true, false, kNavy},
    {Label4,    "Label4",    Label,        Frame1, 2520,   240, 1095,  375, "  铺板厚度mm："},
    {Combo1,    "Combo1",    ComboBox,     Frame1, 3720,   225,  855,  300, ""},
    {Label5,    "Label5",    Label,        Frame1, 2520,   615, 1095,  375, "加劲肋跨度mm："},
    {Text4,     "Text4",     TextBox,      Frame1, 3720,   667,  855,  270, " "},
    {Label6,    "Label6",    Label,        Frame1, 2520,   990, 1095,  375, "加劲肋间距mm："},
    {Text5,     "Text5",     TextBox,      Frame1, 3720,  1042,  855,  270, " "},
    {Label3,    "Label3",    Label,        Frame1, 2640,  1440,  975,  270, "挠度限值："},
    {Text3,     "Text3",     TextBox,      Frame1, 3720,  1440,  855,  270, "150", true, kDisabled},
    {Label7,    "Label7",    Label,        Frame1, 4800,   240, 1095,  375, "加劲肋类型"},
    {Option1,   "Option1",   OptionButton, Frame1, 4800,   480,  255,  255, ""},
    {Label8,    "Label8",    Label,        Frame1, 5040,   480, 1095,  255, "扁钢"},
    {Option2,   "Option2",   OptionButton, Frame1, 5640,   480,  255,  255, "", true, true, true},
    {Label9,    "Label9",    Label,        Frame1, 5880,   480, 1095,  255, "不等边角钢"},
    {Label15,   "Label15",   Label,        Frame1, 4800,   765,  855,  255, "扁钢高："},
    {Text9,     "Text9",     TextBox,      Frame1, 5760,   720,  735,  270, " "},
    {Label23,   "Label23",   Label,        Frame1, 6600,   748,  375,  255, "mm", kHidden},
    {Label22,   "Label22",   Label,        Frame1, 4800,  1050,  855,  255, "扁钢厚："},
    {Text13,    "Text13",    TextBox,      Frame1, 5760,  1015,  735,  270, " "},
    {Label24,   "Label24",   Label,        Frame1, 6600,  1023,  375,  255, "mm", kHidden},
    {label16,   "label16",   Label,        Frame1, 4680,  1335,  975,  255, "角钢规格："},
    {Combo2,    "Combo2",    ComboBox,     Frame1, 5760,  1290, 1215,  300, ""},

    // Deck plate results.
    {Label10,   "Label10",   Label,        Frame2,  240,   360, 1455,  255, "弯矩最大值："},
    {Text6,     "Text6",     TextBox,      Frame2, 1440,   352,  735,  270, " "},
    {Label25,   "Label25",   Label,        Frame2, 2280,   360,  375,  255, "KnM"},
    {Label11,   "Label11",   Label,        Frame2, 2880,   360, 1455,  255, "挠度最大值："},
    {Text7,     "Text7",     TextBox,      Frame2, 4080,   352,  735,  270, " "},
    {Label26,   "Label26",   Label,        Frame2, 4920,   360,  375,  375, "mm"},
    {Label12,   "Label12",   Label,        Frame2, 5400,   360,  975,  255, "最大应力："},
    {Text8,     "Text8",     TextBox,      Frame2, 6360,   352,  735,  270, " "},
    {Label27,   "Label27",   Label,        Frame2, 7200,   360,  495,  255, "N/mm2"},
    {Label28,   "Label28",   Label,        Frame2,  240,   720,  735,  615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {Label13,   "Label13",   Label,        Frame2, 1080,   840, 6495,  255, " ", kHidden, true, false, kBlue},
    {Label14,   "Label14",   Label,        Frame2, 1080,  1065, 6495,  255, " ", kHidden, true, false, kBlue},

    // Stiffener results. A verdict line shows nothing until a Verify writes it.
    {Label17,   "Label17",   Label,        Frame3,  240,   240, 1095,  255, "加劲肋弯矩："},
    {Text10,    "Text10",    TextBox,      Frame3, 1320,   225, 1095,  270, " "},
    {Label18,   "Label18",   Label,        Frame3, 2880,   240, 1095,  255, "加劲肋挠度："},
    {Text11,    "Text11",    TextBox,      Frame3, 3960,   225, 1095,  270, " "},
    {Label19,   "Label19",   Label,        Frame3, 5400,   240, 1095,  255, "加劲肋强度："},
    {Text12,    "Text12",    TextBox,      Frame3, 6480,   225, 1095,  270, " "},
    {Label29,   "Label29",   Label,        Frame3,  240,   600,  735,  615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {Label20,   "Label20",   Label,        Frame3, 1080,   720, 6735,  255, " ", kHidden, true, false, kBlue},
    {Label21,   "Label21",   Label,        Frame3, 1080,   960, 6735,  255, " ", kHidden, true, false, kBlue},
    {Frame4,    "Frame4",    Frame,        Frame3,  120,  1320, 7695, 1215, "组合截面参数"},

    // Composite section: captions and value cells, all hidden until a Verify shows them.
    {Label34,   "Label34",   Label,        Frame4,  360,   240, 2055,  255, "角钢形心与短肢边距(cm)", kHidden},
    {Label31,   "Label31",   Label,        Frame4, 2415,   240,  855,  255, " ", kHidden, true, false, kPlain, true},
    {Label30,   "Label30",   Label,        Frame4,  600,   540, 1815,  255, "角钢强轴惯性矩(cm4)", kHidden},
    {Label33,   "Label33",   Label,        Frame4, 2415,   540,  855,  255, " ", kHidden, true, false, kPlain, true},
    {Label32,   "Label32",   Label,        Frame4,  720,   840, 1695,  255, "角钢截面面积(cm2)", kHidden},
    {Label35,   "Label35",   Label,        Frame4, 2415,   840,  855,  255, " ", kHidden, true, false, kPlain, true},
    {Label36,   "Label36",   Label,        Frame4, 3600,   240, 2415,  255, "组合截面形心与铺板边距(cm)", kHidden},
    {Label38,   "Label38",   Label,        Frame4, 6015,   240,  855,  255, " ", kHidden, true, false, kPlain, true},
    {Label37,   "Label37",   Label,        Frame4, 3600,   540, 2415,  255, "组合截面强轴惯性矩(cm4)", kHidden},
    {Label39,   "Label39",   Label,        Frame4, 6015,   540,  855,  255, " ", kHidden, true, false, kPlain, true},
    {Label40,   "Label40",   Label,        Frame4, 3600,   840, 2415,  255, "铺板及加劲肋自重(Kn/m2)", kHidden},
    {Label41,   "Label41",   Label,        Frame4, 6015,   840,  855,  255, "", kHidden, true, false, kPlain, true},

    // The point load (设置 → 集中荷载验算): its inputs, the plate's and the stiffener's results
    // row by row, and their verdicts. All hidden until the menu item shows the group; the
    // heading and the verdict lines until a Verify writes them.
    {Frame6,    "Frame6",    Frame,        form1,   120,  6360, 7935, 2325, "集中荷载", kHidden},
    {Label44,   "Label44",   Label,        Frame6,  240,   240, 1335,  255, "集中荷载(kN)：", kHidden},
    {Text14,    "Text14",    TextBox,      Frame6, 1560,   225,  855,  270, "1.5", kHidden},
    {Label45,   "Label45",   Label,        Frame6, 2880,   240, 1155,  255, "作用面(mm)：", kHidden},
    {Text15,    "Text15",    TextBox,      Frame6, 4080,   225,  615,  270, "200", kHidden},
    {Label46,   "Label46",   Label,        Frame6, 4710,   240,  225,  255, "×", kHidden},
    {Text16,    "Text16",    TextBox,      Frame6, 4950,   225,  615,  270, "200", kHidden},
    {Label47,   "Label47",   Label,        Frame6, 5640,   240, 2100,  255, "垂直加劲肋 × 沿加劲肋", kHidden},
    {Label48,   "Label48",   Label,        Frame6,  240,   570, 1335,  255, "铺板挠度：", kHidden},
    {Text17,    "Text17",    TextBox,      Frame6, 1560,   555,  855,  270, " ", kHidden},
    {Label49,   "Label49",   Label,        Frame6, 2460,   570,  495,  255, "mm", kHidden},
    {Label50,   "Label50",   Label,        Frame6, 2880,   570, 1155,  255, "铺板应力：", kHidden},
    {Text18,    "Text18",    TextBox,      Frame6, 4080,   555,  855,  270, " ", kHidden},
    {Label51,   "Label51",   Label,        Frame6, 4980,   570,  495,  255, "N/mm2", kHidden},
    {Label52,   "Label52",   Label,        Frame6,  240,   900, 1335,  255, "加劲肋挠度：", kHidden},
    {Text19,    "Text19",    TextBox,      Frame6, 1560,   885,  855,  270, " ", kHidden},
    {Label53,   "Label53",   Label,        Frame6, 2460,   900,  495,  255, "mm", kHidden},
    {Label54,   "Label54",   Label,        Frame6, 2880,   900, 1155,  255, "加劲肋应力：", kHidden},
    {Text20,    "Text20",    TextBox,      Frame6, 4080,   885,  855,  270, " ", kHidden},
    {Label55,   "Label55",   Label,        Frame6, 4980,   900,  495,  255, "N/mm2", kHidden},
    {Label56,   "Label56",   Label,        Frame6,  240,  1380,  735,  615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {Label57,   "Label57",   Label,        Frame6, 1080,  1215, 6735,  255, " ", kHidden, true, false, kBlue},
    {Label58,   "Label58",   Label,        Frame6, 1080,  1455, 6735,  255, " ", kHidden, true, false, kBlue},
    {Label59,   "Label59",   Label,        Frame6, 1080,  1695, 6735,  255, " ", kHidden, true, false, kBlue},
    {Label60,   "Label60",   Label,        Frame6, 1080,  1935, 6735,  255, " ", kHidden, true, false, kBlue},
};

constexpr Control kFocusOrder[] = {
    Text1,  Text2,  Combo1, Text4,  Option1,  Option2,  Text5,  Text6, Text7,   Text8,  Text9,
    Combo2, Text10, Text11, Text12, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Command1, Command2, Text13, Command3, Check1, Check2,
};
// clang-format on

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < std::size(kControls); ++i)
        if (static_cast<std::size_t>(kControls[i].id) != i) return false;
    return std::size(kControls) == kControlCount;
}
static_assert(RowsFollowTheEnumeration(), "row i of the control table must describe Control(i)");

}  // namespace

std::span<const ControlRow> ControlTable() { return kControls; }

const ControlRow& Row(Control control) {
    assert(control != Control::form1);
    return kControls[static_cast<std::size_t>(control)];
}

std::span<const Control> FocusOrder() { return kFocusOrder; }

namespace {

// How far the buttons and the window's bottom move down when the point-load group is shown.
int PointLoadShift() {
    const ControlRow& group = Row(Control::Frame6);
    const ControlRow& above = Row(Control::Frame3);
    return group.top + group.height - (above.top + above.height);
}

}  // namespace

Placement ControlPlacement(Control control, bool pointLoadShown) {
    const ControlRow& row = Row(control);
    Placement place{row.left, row.top, row.width, row.height};
    // What stands on the form where the group goes, below 加劲肋数据: the buttons.
    const bool belowTheGroup = row.container == Control::form1 && control != Control::Frame6 &&
                               row.top >= Row(Control::Frame6).top;
    if (pointLoadShown && belowTheGroup) place.top += PointLoadShift();
    return place;
}

int ClientHeightTwips(bool pointLoadShown) {
    return kClientHeightTwips + (pointLoadShown ? PointLoadShift() : 0);
}

Rgb InkRgb(Ink ink) {
    switch (ink) {
        case Ink::Navy:
            return {0, 0, 128};
        case Ink::Blue:
            return {0, 0, 255};
        case Ink::Default:
            break;
    }
    return {0, 0, 0};
}

}  // namespace deckplate::form
