#pragma once
// The pieces of the calculation book's drawings: inline SVG in user units of one CSS pixel, its
// strokes and fills given by the classes of the book's style sheet. Dimensions are drawn as
// engineering drawings draw them: extension lines, a dimension line and 45° ticks.

#include <string>
#include <string_view>

namespace deckplate::report::svg {

struct Point {
    double x = 0, y = 0;
};

/// An <svg> of the given size holding `content`; `title` names the drawing for a screen reader.
std::string Svg(double width, double height, std::string_view title, std::string_view content);

std::string Rect(Point corner, double width, double height, std::string_view classes);
std::string Polygon(std::initializer_list<Point> points, std::string_view classes);
std::string Line(Point from, Point to, std::string_view classes);
/// `anchor`: "start", "middle" or "end". The text is escaped.
std::string Text(Point at, std::string_view text, std::string_view anchor = "middle",
                 std::string_view classes = {});

/// A horizontal dimension from `from` to `to` drawn at height `y`, with `label` at its middle on
/// the side away from the object: above a dimension drawn above it, below one drawn below.
std::string HorizontalDimension(Point from, Point to, double y, std::string_view label);
/// A vertical dimension from `from` to `to` drawn at `x`, with `label` beside it: on the right of
/// the line, or on its left when `labelLeft`.
std::string VerticalDimension(Point from, Point to, double x, std::string_view label,
                              bool labelLeft = false);

}  // namespace deckplate::report::svg
