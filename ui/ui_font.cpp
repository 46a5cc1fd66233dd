#include "ui/ui_font.h"

#include <QStringList>

#include "form/control_table.h"

namespace deckplate::ui {

QFont UiFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(form::kUiPointSize);
    return font;
}

QFont HintFont() {
    QFont font = UiFont();
    QStringList families{QStringLiteral("幼圆"), QStringLiteral("YouYuan")};
    families.append(font.families());
    font.setFamilies(families);
    font.setPointSizeF(form::kHintPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace deckplate::ui
