// 帮助 → 关于: what the program is, which version, and on what basis it checks.
#include "deckplate_version.h"
#include "form1.h"

namespace deckplate::form {

void Form1::About_Click() {
    platform_.ShowMessage(std::string(kApplicationTitle) +
                          " " DECKPLATE_VERSION
                          "\n\n"
                          "验算钢平台的一跨：钢铺板，以及其下的扁钢或不等边角钢加劲肋。\n"
                          "铺板挠度限值 a/150，加劲肋挠度限值 L/200，Q235 钢。");
}

}  // namespace deckplate::form
