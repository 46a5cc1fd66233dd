#include "ui_font.h"

#include <QStringList>

namespace deckplate::ui {

QFont UiFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(9);
    return font;
}

QFont HintFont() {
    QFont font = UiFont();
    QStringList families{QStringLiteral("幼圆"), QStringLiteral("YouYuan")};
    families.append(font.families());
    font.setFamilies(families);
    font.setPointSizeF(14.25);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace deckplate::ui
