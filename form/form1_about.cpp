// 帮助 → 关于: what the program is, which version, its licence and where the third-party
// libraries' notice is, and on what basis it checks.
#include "form/form1.h"
#include "version/deckplate_version.h"

namespace deckplate::form {

void Form1::About_Click() {
    platform_.ShowMessage(std::string(kApplicationTitle) +
                          " " DECKPLATE_VERSION
                          "\n以 MIT 许可证发布；许可全文随程序附带。"
                          "\n所用第三方库及其许可证：Windows 版见程序文件夹中的 THIRD-PARTY.txt，"
                          "Linux 版见 /usr/share/doc/deckplate/copyright。"
                          "\n\n"
                          "验算钢平台的一跨：钢铺板，以及其下的扁钢或不等边角钢加劲肋。\n\n"
                          "计算依据（设置 → 计算依据）：\n"
                          "· 原规范：荷载组合 1.2×恒+1.4×活（GB 50009-2012 第3.2.4条），"
                          "Q235 钢 f = 215 N/mm²。\n"
                          "· 现行规范：荷载组合 1.3×恒+1.5×活，活荷载标准值大于 4 kN/m² 时取 "
                          "1.4（GB 55001-2021 第3.1.13条）；f 按构件厚度取值（GB 50017-2017 "
                          "表4.4.1）。\n"
                          "两者均取：铺板挠度限值 a/150，加劲肋挠度限值 L/200，"
                          "E = 2.06×10⁵ N/mm²。");
}

}  // namespace deckplate::form
