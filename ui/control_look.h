#pragma once
// What the window's form and its dialogs share in showing a control: its place in the toolkit's
// pixels and the colour of its text. Places are laid out in twips at 96 dots per inch, 15 twips a
// pixel; Qt scales those pixels to the screen (150 %: QT_SCALE_FACTOR or the screen's own scale),
// so the form and every dialog grow together.

#include <QColor>
#include <QPalette>
#include <QRect>

#include "form/control_table.h"

class QWidget;

namespace deckplate::ui {

/// Twips as the toolkit's device-independent pixels.
int Pixels(int twips);
/// A place in twips as the toolkit's device-independent pixels.
QRect PixelRect(int left, int top, int width, int height);

/// The colour of a text: the ink's, or the toolkit's own for its kind of text.
QColor InkColour(form::Ink ink, QPalette::ColorRole toolkitRole);
/// Sets `widget`'s `role` colour, leaving its palette alone when it already has it.
void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

}  // namespace deckplate::ui
