#include "form/control_table.h"

#include <algorithm>
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
    // id                                   name       kind         container       left   top  width height caption
    {PlatformFrame,                       "Frame1",   Frame,        Window,           120,   120,  7935,  1815, "平台数据"},
    {PlateFrame,                          "Frame2",   Frame,        Window,           120,  2040,  7935,  1455, "钢铺板数据"},
    {StiffenerFrame,                      "Frame3",   Frame,        Window,           120,  3600,  7935,  2655, "加劲肋数据"},
    {VerifyButton,                        "Command1", PushButton,   Window,           120,  6360,  2535,   615, "验      算", true, kDisabled},
    {ReportButton,                        "Command3", PushButton,   Window,          2760,  6360,  2535,   615, "计 算 书", true, kDisabled},
    {ExitButton,                          "Command2", PushButton,   Window,          5400,  6360,  2655,   615, "退      出"},

    // Platform data, the inputs.
    {DeadLoadCaption,                     "Label1",   Label,        PlatformFrame,    120,   240,  1455,   375, "静荷载kn/m2："},
    {DeadLoad,                            "Text1",    TextBox,      PlatformFrame,   1680,   240,   735,   270, " "},
    {LiveLoadCaption,                     "Label2",   Label,        PlatformFrame,    120,   615,  1455,   375, "活荷载kn/m2："},
    {LiveLoad,                            "Text2",    TextBox,      PlatformFrame,   1680,   667,   735,   270, " "},
    {BoundaryFrame,                       "Frame5",   Frame,        PlatformFrame,    120,   960,  2295,   855, "边界条件", true, true, false, kNavy},
    {SimplySupported,                     "Check1",   CheckBox,     BoundaryFrame,    240,   240,   255,   255, "", true, true, true},
    {SimplySupportedCaption,              "Label42",  Label,        BoundaryFrame,    600,   240,   735,   255, "四边简支", true, true, false, kNavy},
    {Continuous,                          "Check2",   CheckBox,     BoundaryFrame,    240,   495,   255,   255, ""},
    {ContinuousCaption,                   "Label43",  Label,        BoundaryFrame,    600,   495,  1335,   255, "三跨及以上连续", true, true, false, kNavy},
    {ThicknessCaption,                    "Label4",   Label,        PlatformFrame,   2520,   240,  1095,   375, "  铺板厚度mm："},
    {Thickness,                           "Combo1",   ComboBox,     PlatformFrame,   3720,   225,   855,   300, ""},
    {SpanCaption,                         "Label5",   Label,        PlatformFrame,   2520,   615,  1095,   375, "加劲肋跨度mm："},
    {Span,                                "Text4",    TextBox,      PlatformFrame,   3720,   667,   855,   270, " "},
    {SpacingCaption,                      "Label6",   Label,        PlatformFrame,   2520,   990,  1095,   375, "加劲肋间距mm："},
    {Spacing,                             "Text5",    TextBox,      PlatformFrame,   3720,  1042,   855,   270, " "},
    {DeflectionLimitCaption,              "Label3",   Label,        PlatformFrame,   2640,  1440,   975,   270, "挠度限值："},
    {DeflectionLimit,                     "Text3",    TextBox,      PlatformFrame,   3720,  1440,   855,   270, "150", true, kDisabled},
    {StiffenerKindCaption,                "Label7",   Label,        PlatformFrame,   4800,   240,  1095,   375, "加劲肋类型"},
    {FlatBarChoice,                       "Option1",  OptionButton, PlatformFrame,   4800,   480,   255,   255, ""},
    {FlatBarChoiceCaption,                "Label8",   Label,        PlatformFrame,   5040,   480,  1095,   255, "扁钢"},
    {AngleChoice,                         "Option2",  OptionButton, PlatformFrame,   5640,   480,   255,   255, "", true, true, true},
    {AngleChoiceCaption,                  "Label9",   Label,        PlatformFrame,   5880,   480,  1095,   255, "不等边角钢"},
    {FlatBarHeightCaption,                "Label15",  Label,        PlatformFrame,   4800,   765,   855,   255, "扁钢高："},
    {FlatBarHeight,                       "Text9",    TextBox,      PlatformFrame,   5760,   720,   735,   270, " "},
    {FlatBarHeightUnit,                   "Label23",  Label,        PlatformFrame,   6600,   748,   375,   255, "mm", kHidden},
    {FlatBarThicknessCaption,             "Label22",  Label,        PlatformFrame,   4800,  1050,   855,   255, "扁钢厚："},
    {FlatBarThickness,                    "Text13",   TextBox,      PlatformFrame,   5760,  1015,   735,   270, " "},
    {FlatBarThicknessUnit,                "Label24",  Label,        PlatformFrame,   6600,  1023,   375,   255, "mm", kHidden},
    {AngleSizeCaption,                    "label16",  Label,        PlatformFrame,   4680,  1335,   975,   255, "角钢规格："},
    {AngleSize,                           "Combo2",   ComboBox,     PlatformFrame,   5760,  1290,  1215,   300, ""},

    // Deck plate results.
    {PlateMomentCaption,                  "Label10",  Label,        PlateFrame,       240,   360,  1455,   255, "弯矩最大值："},
    {PlateMoment,                         "Text6",    TextBox,      PlateFrame,      1440,   352,   735,   270, " "},
    {PlateMomentUnit,                     "Label25",  Label,        PlateFrame,      2280,   360,   375,   255, "KnM"},
    {PlateDeflectionCaption,              "Label11",  Label,        PlateFrame,      2880,   360,  1455,   255, "挠度最大值："},
    {PlateDeflection,                     "Text7",    TextBox,      PlateFrame,      4080,   352,   735,   270, " "},
    {PlateDeflectionUnit,                 "Label26",  Label,        PlateFrame,      4920,   360,   375,   375, "mm"},
    {PlateStressCaption,                  "Label12",  Label,        PlateFrame,      5400,   360,   975,   255, "最大应力："},
    {PlateStress,                         "Text8",    TextBox,      PlateFrame,      6360,   352,   735,   270, " "},
    {PlateStressUnit,                     "Label27",  Label,        PlateFrame,      7200,   360,   495,   255, "N/mm2"},
    {PlateHintHeading,                    "Label28",  Label,        PlateFrame,       240,   720,   735,   615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {PlateDeflectionVerdict,              "Label13",  Label,        PlateFrame,      1080,   840,  6495,   255, " ", kHidden, true, false, kBlue},
    {PlateStrengthVerdict,                "Label14",  Label,        PlateFrame,      1080,  1065,  6495,   255, " ", kHidden, true, false, kBlue},

    // Stiffener results. A verdict line shows nothing until a Verify writes it.
    {StiffenerMomentCaption,              "Label17",  Label,        StiffenerFrame,   240,   240,  1095,   255, "加劲肋弯矩："},
    {StiffenerMoment,                     "Text10",   TextBox,      StiffenerFrame,  1320,   225,  1095,   270, " "},
    {StiffenerDeflectionCaption,          "Label18",  Label,        StiffenerFrame,  2880,   240,  1095,   255, "加劲肋挠度："},
    {StiffenerDeflection,                 "Text11",   TextBox,      StiffenerFrame,  3960,   225,  1095,   270, " "},
    {StiffenerStressCaption,              "Label19",  Label,        StiffenerFrame,  5400,   240,  1095,   255, "加劲肋强度："},
    {StiffenerStress,                     "Text12",   TextBox,      StiffenerFrame,  6480,   225,  1095,   270, " "},
    {StiffenerHintHeading,                "Label29",  Label,        StiffenerFrame,   240,   600,   735,   615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {StiffenerDeflectionVerdict,          "Label20",  Label,        StiffenerFrame,  1080,   720,  6735,   255, " ", kHidden, true, false, kBlue},
    {StiffenerStrengthVerdict,            "Label21",  Label,        StiffenerFrame,  1080,   960,  6735,   255, " ", kHidden, true, false, kBlue},
    {SectionFrame,                        "Frame4",   Frame,        StiffenerFrame,   120,  1320,  7695,  1215, "组合截面参数"},

    // Composite section: captions and value cells, all hidden until a Verify shows them.
    {SectionCentroidCaption,              "Label34",  Label,        SectionFrame,     360,   240,  2055,   255, "角钢形心与短肢边距(cm)", kHidden},
    {SectionCentroid,                     "Label31",  Label,        SectionFrame,    2415,   240,   855,   255, " ", kHidden, true, false, kPlain, true},
    {SectionInertiaCaption,               "Label30",  Label,        SectionFrame,     600,   540,  1815,   255, "角钢强轴惯性矩(cm4)", kHidden},
    {SectionInertia,                      "Label33",  Label,        SectionFrame,    2415,   540,   855,   255, " ", kHidden, true, false, kPlain, true},
    {SectionAreaCaption,                  "Label32",  Label,        SectionFrame,     720,   840,  1695,   255, "角钢截面面积(cm2)", kHidden},
    {SectionArea,                         "Label35",  Label,        SectionFrame,    2415,   840,   855,   255, " ", kHidden, true, false, kPlain, true},
    {CompositeCentroidCaption,            "Label36",  Label,        SectionFrame,    3600,   240,  2415,   255, "组合截面形心与铺板边距(cm)", kHidden},
    {CompositeCentroid,                   "Label38",  Label,        SectionFrame,    6015,   240,   855,   255, " ", kHidden, true, false, kPlain, true},
    {CompositeInertiaCaption,             "Label37",  Label,        SectionFrame,    3600,   540,  2415,   255, "组合截面强轴惯性矩(cm4)", kHidden},
    {CompositeInertia,                    "Label39",  Label,        SectionFrame,    6015,   540,   855,   255, " ", kHidden, true, false, kPlain, true},
    {SelfWeightCaption,                   "Label40",  Label,        SectionFrame,    3600,   840,  2415,   255, "铺板及加劲肋自重(Kn/m2)", kHidden},
    {SelfWeight,                          "Label41",  Label,        SectionFrame,    6015,   840,   855,   255, "", kHidden, true, false, kPlain, true},

    // The optional groups, each at the top of the second column; ControlPlacement stacks those
    // on show.
    // The stiffener's live-load deflection, shear and outstand (current basis): the values and
    // their verdicts. All hidden until the current basis is chosen; the heading and the verdict
    // lines until a Verify writes them.
    {ShearFrame,                          "Frame7",   Frame,        Window,          8175,   120,  7935,  1800, "加劲肋活载挠度、抗剪及宽厚比", kHidden},
    {LiveDeflectionCaption,               "Label71",  Label,        ShearFrame,       240,   240,  1335,   255, "活载挠度：", kHidden},
    {LiveDeflection,                      "Text25",   TextBox,      ShearFrame,      1560,   225,   855,   270, " ", kHidden},
    {LiveDeflectionUnit,                  "Label72",  Label,        ShearFrame,      2460,   240,   495,   255, "mm", kHidden},
    {ShearStressCaption,                  "Label61",  Label,        ShearFrame,       240,   570,  1335,   255, "加劲肋剪应力：", kHidden},
    {ShearStress,                         "Text21",   TextBox,      ShearFrame,      1560,   555,   855,   270, " ", kHidden},
    {ShearStressUnit,                     "Label62",  Label,        ShearFrame,      2460,   570,   495,   255, "N/mm2", kHidden},
    {OutstandCaption,                     "Label63",  Label,        ShearFrame,      3060,   570,   975,   255, "宽厚比：", kHidden},
    {Outstand,                            "Text22",   TextBox,      ShearFrame,      4080,   555,   855,   270, " ", kHidden},
    {OutstandLimitCaption,                "Label64",  Label,        ShearFrame,      5040,   570,  1215,   255, "限值(15εk)：", kHidden},
    {OutstandLimit,                       "Text23",   TextBox,      ShearFrame,      6360,   555,   855,   270, " ", kHidden},
    {ShearHintHeading,                    "Label65",  Label,        ShearFrame,       240,   930,   735,   615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {StiffenerLiveDeflectionVerdict,      "Label73",  Label,        ShearFrame,      1080,   930,  6735,   255, " ", kHidden, true, false, kBlue},
    {StiffenerShearVerdict,               "Label66",  Label,        ShearFrame,      1080,  1170,  6735,   255, " ", kHidden, true, false, kBlue},
    {StiffenerOutstandVerdict,            "Label67",  Label,        ShearFrame,      1080,  1410,  6735,   255, " ", kHidden, true, false, kBlue},

    // The point load (设置 → 集中荷载验算): its inputs, the plate's and the stiffener's results
    // row by row, and their verdicts. All hidden until the menu item shows the group; the
    // heading and the verdict lines until a Verify writes them. The stiffener's shear (current
    // basis) is a result row of its own and the last verdict line: kCurrentBasisRows.
    {PointLoadFrame,                      "Frame6",   Frame,        Window,          8175,   120,  7935,  3135, "集中荷载", kHidden},
    {PointLoadForceCaption,               "Label44",  Label,        PointLoadFrame,   240,   240,  1335,   255, "集中荷载(kN)：", kHidden},
    {PointLoadForce,                      "Text14",   TextBox,      PointLoadFrame,  1560,   225,   855,   270, "1.5", kHidden},
    {PatchCaption,                        "Label45",  Label,        PointLoadFrame,  2880,   240,  1155,   255, "作用面(mm)：", kHidden},
    {PatchAcross,                         "Text15",   TextBox,      PointLoadFrame,  4080,   225,   615,   270, "200", kHidden},
    {PatchTimes,                          "Label46",  Label,        PointLoadFrame,  4710,   240,   225,   255, "×", kHidden},
    {PatchAlong,                          "Text16",   TextBox,      PointLoadFrame,  4950,   225,   615,   270, "200", kHidden},
    {PatchSidesCaption,                   "Label47",  Label,        PointLoadFrame,  5640,   240,  2100,   255, "垂直加劲肋 × 沿加劲肋", kHidden},
    {PointLoadPlateDeflectionCaption,     "Label48",  Label,        PointLoadFrame,   240,   570,  1335,   255, "铺板挠度：", kHidden},
    {PointLoadPlateDeflection,            "Text17",   TextBox,      PointLoadFrame,  1560,   555,   855,   270, " ", kHidden},
    {PointLoadPlateDeflectionUnit,        "Label49",  Label,        PointLoadFrame,  2460,   570,   495,   255, "mm", kHidden},
    {PointLoadPlateStressCaption,         "Label50",  Label,        PointLoadFrame,  2880,   570,  1155,   255, "铺板应力：", kHidden},
    {PointLoadPlateStress,                "Text18",   TextBox,      PointLoadFrame,  4080,   555,   855,   270, " ", kHidden},
    {PointLoadPlateStressUnit,            "Label51",  Label,        PointLoadFrame,  4980,   570,   495,   255, "N/mm2", kHidden},
    {PointLoadStiffenerDeflectionCaption, "Label52",  Label,        PointLoadFrame,   240,   900,  1335,   255, "加劲肋挠度：", kHidden},
    {PointLoadStiffenerDeflection,        "Text19",   TextBox,      PointLoadFrame,  1560,   885,   855,   270, " ", kHidden},
    {PointLoadStiffenerDeflectionUnit,    "Label53",  Label,        PointLoadFrame,  2460,   900,   495,   255, "mm", kHidden},
    {PointLoadStiffenerStressCaption,     "Label54",  Label,        PointLoadFrame,  2880,   900,  1155,   255, "加劲肋应力：", kHidden},
    {PointLoadStiffenerStress,            "Text20",   TextBox,      PointLoadFrame,  4080,   885,   855,   270, " ", kHidden},
    {PointLoadStiffenerStressUnit,        "Label55",  Label,        PointLoadFrame,  4980,   900,   495,   255, "N/mm2", kHidden},
    {PointLoadHintHeading,                "Label56",  Label,        PointLoadFrame,   240,  1710,   735,   615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {PointLoadPlateDeflectionVerdict,     "Label57",  Label,        PointLoadFrame,  1080,  1545,  6735,   255, " ", kHidden, true, false, kBlue},
    {PointLoadPlateStrengthVerdict,       "Label58",  Label,        PointLoadFrame,  1080,  1785,  6735,   255, " ", kHidden, true, false, kBlue},
    {PointLoadStiffenerDeflectionVerdict, "Label59",  Label,        PointLoadFrame,  1080,  2025,  6735,   255, " ", kHidden, true, false, kBlue},
    {PointLoadStiffenerStrengthVerdict,   "Label60",  Label,        PointLoadFrame,  1080,  2265,  6735,   255, " ", kHidden, true, false, kBlue},
    // The stiffener's shear under the point load (current basis): its result row below the
    // stiffener's, and its verdict below the others.
    {PointLoadShearCaption,               "Label68",  Label,        PointLoadFrame,   240,  1230,  1335,   255, "加劲肋剪应力：", kHidden},
    {PointLoadShear,                      "Text24",   TextBox,      PointLoadFrame,  1560,  1215,   855,   270, " ", kHidden},
    {PointLoadShearUnit,                  "Label69",  Label,        PointLoadFrame,  2460,  1230,   495,   255, "N/mm2", kHidden},
    {PointLoadShearVerdict,               "Label70",  Label,        PointLoadFrame,  1080,  2505,  6735,   255, " ", kHidden, true, false, kBlue},
    // The weld under the point load (current basis): beside the shear, and its verdict last.
    {PointLoadWeldCaption,                "Label82",  Label,        PointLoadFrame,  3060,  1230,   975,   255, "焊缝应力：", kHidden},
    {PointLoadWeldStress,                 "Text29",   TextBox,      PointLoadFrame,  4080,  1215,   855,   270, " ", kHidden},
    {PointLoadWeldStressUnit,             "Label83",  Label,        PointLoadFrame,  4980,  1230,   495,   255, "N/mm2", kHidden},
    {PointLoadWeldVerdict,                "Label84",  Label,        PointLoadFrame,  1080,  2745,  6735,   255, " ", kHidden, true, false, kBlue},

    // The weld between the plate and the stiffener (current basis): its arrangement, leg size and
    // an intermittent weld's segments (empty: the least leg the code allows, a continuous weld),
    // its stress and its verdicts.
    {WeldFrame,                           "Frame8",   Frame,        Window,          8175,   120,  7935,  1560, "焊缝", kHidden},
    {WeldArrangementCaption,              "Label74",  Label,        WeldFrame,        240,   240,  1095,   255, "焊缝形式：", kHidden},
    {WeldArrangement,                     "Combo3",   ComboBox,     WeldFrame,       1320,   225,  1815,   300, "双面连续角焊缝", kHidden},
    {WeldSizeCaption,                     "Label75",  Label,        WeldFrame,       3240,   240,  1095,   255, "焊脚(mm)：", kHidden},
    {WeldSize,                            "Text26",   TextBox,      WeldFrame,       4320,   225,   615,   270, "", kHidden},
    {WeldSegmentCaption,                  "Label76",  Label,        WeldFrame,       5040,   240,  1575,   255, "断续 段长@间距：", kHidden},
    {WeldSegment,                         "Text27",   TextBox,      WeldFrame,       6720,   225,   975,   270, "", kHidden},
    {WeldStressCaption,                   "Label77",  Label,        WeldFrame,        240,   570,  1335,   255, "焊缝应力：", kHidden},
    {WeldStress,                          "Text28",   TextBox,      WeldFrame,       1560,   555,   855,   270, " ", kHidden},
    {WeldStressUnit,                      "Label78",  Label,        WeldFrame,       2460,   570,   495,   255, "N/mm2", kHidden},
    {WeldHintHeading,                     "Label79",  Label,        WeldFrame,        240,   930,   735,   615, "设计提示", kHidden, true, false, kPlain, false, Face::Hint},
    {WeldVerdict,                         "Label80",  Label,        WeldFrame,       1080,   930,  6735,   255, " ", kHidden, true, false, kBlue},
    {WeldDetailingVerdict,                "Label81",  Label,        WeldFrame,       1080,  1170,  6735,   255, " ", kHidden, true, false, kBlue},
};

constexpr Control kFocusOrder[] = {
    DeadLoad,  LiveLoad,  Thickness, Span,  FlatBarChoice,  AngleChoice,  Spacing,  PlateMoment, PlateDeflection,   PlateStress,  FlatBarHeight,
    AngleSize, StiffenerMoment, StiffenerDeflection, StiffenerStress, LiveDeflection, ShearStress, Outstand, OutstandLimit,
    WeldArrangement, WeldSize, WeldSegment, WeldStress,
    PointLoadForce, PatchAcross, PatchAlong, PointLoadPlateDeflection, PointLoadPlateStress, PointLoadStiffenerDeflection, PointLoadStiffenerStress, PointLoadShear, PointLoadWeldStress,
    VerifyButton, ExitButton, FlatBarThickness, ReportButton, SimplySupported, Continuous,
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
    assert(control != Control::Window);
    return kControls[static_cast<std::size_t>(control)];
}

std::span<const Control> FocusOrder() { return kFocusOrder; }

namespace {

// The optional groups, in the order they stand in the second column, and when each is shown.
struct OptionalGroup {
    Control frame;
    bool (*shown)(const FormLayout& layout);
};
constexpr OptionalGroup kOptionalGroups[] = {
    {ShearFrame, [](const FormLayout& layout) { return layout.currentBasis; }},
    {WeldFrame, [](const FormLayout& layout) { return layout.currentBasis; }},
    {PointLoadFrame, [](const FormLayout& layout) { return layout.pointLoad; }},
};

// Rows of a group that only the current basis shows, as bands of the group's client area in
// twips: a control whose top lies in a band belongs to it. Without the current basis a band
// takes no room: what stands below it moves up by its height, and the group is as much shorter.
struct CurrentBasisBand {
    Control group;
    int top, height;
};
constexpr CurrentBasisBand kCurrentBasisRows[] = {
    {PointLoadFrame, 1215, 330},  // the stiffener's shear and the weld under the point load
    {PointLoadFrame, 2505, 480},  // their verdicts
};

// A band starts at the top of a control of its group, the first of its row.
constexpr bool BandsStartAtTheirRows() {
    for (const CurrentBasisBand& band : kCurrentBasisRows)
        if (std::ranges::none_of(kControls, [&](const ControlRow& row) {
                return row.container == band.group && row.top == band.top;
            }))
            return false;
    return true;
}
static_assert(BandsStartAtTheirRows(), "each band of kCurrentBasisRows starts at its row's top");

const OptionalGroup* FindGroup(Control frame) {
    const auto group = std::ranges::find(kOptionalGroups, frame, &OptionalGroup::frame);
    return group == std::end(kOptionalGroups) ? nullptr : group;
}

bool InBand(const CurrentBasisBand& band, int top) {
    return top >= band.top && top < band.top + band.height;
}

// How far up a control of `group` whose table top is `top` moves: by every band above it that
// the layout leaves out.
int LeftOutAbove(Control group, int top, const FormLayout& layout) {
    if (layout.currentBasis) return 0;
    int height = 0;
    for (const CurrentBasisBand& band : kCurrentBasisRows)
        if (band.group == group && band.top + band.height <= top) height += band.height;
    return height;
}

// The gap between the form's frames, which the groups keep between each other.
int FrameGap() {
    const ControlRow& platform = Row(Control::PlatformFrame);
    return Row(Control::PlateFrame).top - (platform.top + platform.height);
}

// The form's margin right of its frames, which the window keeps right of the second column.
int RightMargin() {
    const ControlRow& platform = Row(Control::PlatformFrame);
    return kClientWidthTwips - (platform.left + platform.width);
}

// The top of a shown group: below the groups shown before it, each with the gap beneath.
int GroupTop(Control frame, const FormLayout& layout) {
    int top = Row(frame).top;
    for (const OptionalGroup& group : kOptionalGroups) {
        if (group.frame == frame) break;
        if (group.shown(layout)) top += GroupHeight(group.frame, layout) + FrameGap();
    }
    return top;
}

}  // namespace

Control OptionalGroupOf(Control control) {
    for (Control at = control; at != Control::Window; at = Row(at).container)
        if (FindGroup(at)) return at;
    return Control::Window;
}

bool InLayout(Control control, const FormLayout& layout) {
    const Control group = OptionalGroupOf(control);
    if (group == Control::Window) return true;
    if (!FindGroup(group)->shown(layout)) return false;
    if (layout.currentBasis || control == group) return true;
    return std::ranges::none_of(kCurrentBasisRows, [&](const CurrentBasisBand& band) {
        return band.group == group && InBand(band, Row(control).top);
    });
}

int GroupHeight(Control group, const FormLayout& layout) {
    return Row(group).height - LeftOutAbove(group, Row(group).height, layout);
}

Placement ControlPlacement(Control control, const FormLayout& layout) {
    const ControlRow& row = Row(control);
    Placement place{row.left, row.top, row.width, row.height};
    if (FindGroup(control)) {
        place.top = GroupTop(control, layout);
        place.height = GroupHeight(control, layout);
    } else if (const Control group = OptionalGroupOf(control); group != Control::Window) {
        place.top -= LeftOutAbove(group, row.top, layout);
    }
    return place;
}

int ClientWidthTwips(const FormLayout& layout) {
    int width = kClientWidthTwips;
    for (const OptionalGroup& group : kOptionalGroups)
        if (group.shown(layout)) {
            const ControlRow& frame = Row(group.frame);
            width = std::max(width, frame.left + frame.width + RightMargin());
        }
    return width;
}

int ClientHeightTwips(const FormLayout& layout) {
    // The second column keeps the form's top margin beneath its lowest group.
    int height = kClientHeightTwips;
    for (const OptionalGroup& group : kOptionalGroups)
        if (group.shown(layout)) {
            const Placement frame = ControlPlacement(group.frame, layout);
            height = std::max(height, frame.top + frame.height + Row(Control::PlatformFrame).top);
        }
    return height;
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
