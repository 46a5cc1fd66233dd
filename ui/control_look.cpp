#include "ui/control_look.h"

#include <QApplication>
#include <QWidget>

namespace deckplate::ui {

int Pixels(int twips) { return twips / form::kTwipsPerPixel; }

QRect PixelRect(int left, int top, int width, int height) {
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QColor InkColour(form::Ink ink, QPalette::ColorRole toolkitRole) {
    if (ink == form::Ink::Default) return QApplication::palette().color(toolkitRole);
    const form::Rgb rgb = form::InkRgb(ink);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace deckplate::ui
