#pragma once
// A drawing as Word draws shapes (DrawingML): one group of shapes set in the line as a
// character, each rectangle, polygon and line a shape of its own, each label a text box, so
// that Word, WPS and LibreOffice show it as vectors and an engineer can move or edit a part.

#include "report/drawing.h"
#include "report/xml_writer.h"

namespace deckplate::report::drawing {

/// Writes the drawing as the content of a run (w:r): a wpg group inside mc:AlternateContent.
/// `id` numbers it among the document's drawings and pictures, each its own.
void WriteDrawingMl(XmlWriter& xml, const Drawing& drawing, int id);

/// English Metric Units, DrawingML's length: 9525 to a pixel of 1/96 inch.
long long Emu(double px);

}  // namespace deckplate::report::drawing
