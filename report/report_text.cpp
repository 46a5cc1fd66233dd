#include "report/report_text.h"

#include <string_view>
#include <vector>

#include "calc/code_values.h"
#include "calc/number_text.h"

namespace deckplate::report {
namespace {

constexpr std::string_view kRule = "##############################################################";

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::string Cat(std::string_view label, std::string_view value) {
    std::string line(label);
    line += value;
    return line;
}

}  // namespace

std::string ReportText(const ReportSnapshot& w) {
    std::vector<std::string> lines = {
        "",
        "",
        "钢平台铺板及加劲肋计算 ",
        "",
        "",
        "输入信息：",
        Cat("平台恒荷载(Kn/m2)：", w.Text1),
        Cat("平台活荷载(Kn/m2)：", w.Text2),
        Cat("钢铺板挠度限值(mm)： 1/", w.Text3),
        Cat("加劲肋挠度限值： 1/", PlainNumberText(kStiffenerDeflectionLimit)),
    };
    if (!w.LoadCombination.empty()) lines.push_back(Cat("荷载组合：", w.LoadCombination));
    lines.insert(lines.end(), {
                                  "",
                                  "构件信息：",
                                  Cat("钢铺板厚度(mm)：", w.Combo1),
                                  Cat("加劲肋跨度(mm)：", w.Text4),
                                  Cat("加劲肋间距(mm)：", w.Text5),
                              });
    if (w.Option1) {
        lines.insert(
            lines.end(),
            {"加劲肋类型：扁钢", Cat("扁钢高(mm)：", w.Text9), Cat("扁钢厚(mm)：", w.Text13),
             Cat("扁钢面积(cm2)：A=", NumberText(w.AstiffenerE)) +
                 Cat("        扁钢惯性矩(cm4)： Ix=", NumberText(w.IStiffenerE))});
    } else {
        lines.insert(lines.end(), {"加劲肋类型：不等边角钢", Cat("角钢规格：", w.Combo2),
                                   Cat("角钢面积(cm2)： A=", NumberText(w.Aangle1)) +
                                       Cat("        角钢惯性矩(cm4)： Ix=", NumberText(w.Iangle1)),
                                   Cat("角钢形心与短肢边距(cm)： y0=", NumberText(w.Yoangle1))});
    }
    lines.insert(lines.end(), {"", std::string(kRule), "边界条件："});
    // Verify computes a continuous plate whenever Check2 is ticked, so Check2 decides here too.
    if (w.Check1 || w.Check2) {
        const std::string plate = w.Check2 ? "三跨及三跨以上连续铺板" : "四边简支无肋铺板";
        lines.push_back(Cat(plate + "的弯矩计算系数： α=", NumberText(w.Alpha)));
        lines.push_back(Cat(plate + "的挠度计算系数： β=", NumberText(w.Beta)));
    }
    lines.insert(lines.end(), {
                                  "组合截面参数：",
                                  Cat("组合截面强轴惯性矩(cm4)： Ix=", w.Label39),
                                  Cat("组合截面形心轴至铺板上表面距离(cm)： Yo=", w.Label38),
                                  "",
                                  std::string(kRule),
                                  "",
                                  "",
                                  "计算结果：",
                                  Cat("钢铺板最大弯矩(Kn*M)： Mmax=", w.Text6),
                                  Cat("钢铺板最大挠度(mm)： δ=", w.Text7),
                                  Cat("提示：", w.Label13),
                                  Cat("钢铺板最大应力(N/mm2)： σ=", w.Text8),
                                  Cat("提示：", w.Label14),
                                  Cat("加劲肋最大弯矩(Kn*M)： Mmax=", w.Text10),
                                  Cat("加劲肋最大挠度(mm)： δ=", w.Text11),
                                  Cat("提示：", w.Label20),
                                  Cat("加劲肋最大应力(N/mm2)： σ=", w.Text12),
                                  Cat("提示：", w.Label21),
                              });
    if (w.pointLoadShown) {
        lines.insert(lines.end(), {
                                      "",
                                      std::string(kRule),
                                      "集中荷载验算：",
                                      Cat("集中荷载(kN)：", w.Text14),
                                      Cat("作用面垂直加劲肋边长(mm)：", w.Text15),
                                      Cat("作用面沿加劲肋边长(mm)：", w.Text16),
                                      Cat("钢铺板集中荷载挠度(mm)： δ=", w.Text17),
                                      Cat("提示：", w.Label57),
                                      Cat("钢铺板集中荷载应力(N/mm2)： σ=", w.Text18),
                                      Cat("提示：", w.Label58),
                                      Cat("加劲肋集中荷载挠度(mm)： δ=", w.Text19),
                                      Cat("提示：", w.Label59),
                                      Cat("加劲肋集中荷载应力(N/mm2)： σ=", w.Text20),
                                      Cat("提示：", w.Label60),
                                  });
    }
    return Join(lines);
}

}  // namespace deckplate::report
