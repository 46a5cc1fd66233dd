#include "form/menu_table.h"

namespace deckplate::form {
namespace {

using enum MenuItem;

// clang-format off
constexpr MenuRow kMenus[] = {
    {New,          "文件(&F)", "",             "新建(&N)"},
    {Open,         "文件(&F)", "",             "打开(&O)…"},
    {Save,         "文件(&F)", "",             "保存(&S)"},
    {SaveAs,       "文件(&F)", "",             "另存为(&A)…"},
    {ProjectInfo,  "文件(&F)", "",             "工程信息(&I)…", false, false, true},
    {ExportBook,   "文件(&F)", "",             "导出计算书(&E)…", false, false, true},
    {Schedule,     "文件(&F)", "",             "批量验算(&B)…"},
    {Recent1,      "文件(&F)", "",             "", false, false, true, true},
    {Recent2,      "文件(&F)", "",             "", false, false, false, true},
    {Recent3,      "文件(&F)", "",             "", false, false, false, true},
    {Recent4,      "文件(&F)", "",             "", false, false, false, true},
    {Exit,         "文件(&F)", "",             "退出(&X)", false, false, true},
    {BasisLegacy,  "设置(&S)", "计算依据(&B)", "原规范：GB 50009-2012（1.2×恒+1.4×活，f = 215）", true},
    {BasisCurrent, "设置(&S)", "计算依据(&B)", "现行规范：GB 55001-2021（1.3×恒+1.5×活，f 按板厚）", true},
    {SteelQ235,    "设置(&S)", "钢材牌号(&G)", "Q235（GB/T 700）", true},
    {SteelQ355,    "设置(&S)", "钢材牌号(&G)", "Q355（GB/T 1591）", true},
    {SteelQ390,    "设置(&S)", "钢材牌号(&G)", "Q390（GB/T 1591）", true},
    {SteelQ420,    "设置(&S)", "钢材牌号(&G)", "Q420（GB/T 1591）", true},
    {SteelQ460,    "设置(&S)", "钢材牌号(&G)", "Q460（GB/T 1591）", true},
    {SafetyClass1, "设置(&S)", "结构安全等级(&C)", "一级（γ0 = 1.1）", true},
    {SafetyClass2, "设置(&S)", "结构安全等级(&C)", "二级（γ0 = 1.0，一般钢结构）", true},
    {SafetyClass3, "设置(&S)", "结构安全等级(&C)", "三级（γ0 = 0.9）", true},
    {DeadIncludesSelfWeight, "设置(&S)", "",   "恒荷载已含自重(&D)", false, true},
    {PointLoad,    "设置(&S)", "",             "集中荷载验算(&P)", false, true},
    {Sizing,       "工具(&T)", "",             "自动选型(&A)…"},
    {About,        "帮助(&H)", "",             "关于(&A)"},
};
// clang-format on

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < std::size(kMenus); ++i)
        if (static_cast<std::size_t>(kMenus[i].id) != i) return false;
    return std::size(kMenus) == kMenuItemCount;
}
static_assert(RowsFollowTheEnumeration(), "row i of the menu table must describe MenuItem(i)");

}  // namespace

std::span<const MenuRow> MenuTable() { return kMenus; }

const MenuRow& Row(MenuItem item) { return kMenus[static_cast<std::size_t>(item)]; }

}  // namespace deckplate::form
