#pragma once
// The calculation book's drawings as vector shapes — rectangles, polygons, lines and labels in
// units of one CSS pixel (1/96 inch), y downwards — set as inline SVG in the HTML book (SvgOf,
// as the calculation book has always drawn them) and as a group of Word shapes in the
// Word book (drawing_ml.h). Dimensions are drawn as engineering drawings draw them: extension
// lines, a dimension line and 45° ticks.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace deckplate::report::drawing {

struct Point {
    double x = 0, y = 0;
};

/// How a shape is drawn: its fill, stroke and text colour, the same in both formats.
enum class Look {
    Steel,         ///< a steel part in section: grey-blue, outlined black
    Panel,         ///< a plate panel in plan
    CheckedPanel,  ///< the panel the check is of, shaded darker
    Support,       ///< a supported edge: a heavy line
    Dimension,     ///< a dimension line and its ticks
    Extension,     ///< an extension line
    Axis,          ///< a centroidal axis: red, dash-dotted
    AxisLabel,     ///< an axis's name: red italic
    Label,         ///< a dimension's text: black
};

/// What a look is in each format: its classes in the book's style sheet, its colours for Word.
struct LookStyle {
    Look look;
    std::string_view classes;  ///< SVG: the style sheet's classes
    std::string_view fill;     ///< RRGGBB, empty for none; a label's text colour
    std::string_view stroke;   ///< RRGGBB, empty for none
    double strokeWidth;        ///< px
    bool dashed;               ///< dash-dotted, as a centre line
    bool italic;               ///< a label's text
};
const LookStyle& StyleOf(Look look);

enum class Anchor { Start, Middle, End };

struct Rect {
    Point corner;
    double width = 0, height = 0;
    Look look = Look::Steel;
};
struct Polygon {
    std::vector<Point> points;
    Look look = Look::Steel;
};
struct Line {
    Point from, to;
    Look look = Look::Dimension;
};
/// Text standing on its baseline at `at`, which is its start, middle or end.
struct Label {
    Point at;
    std::string text;
    Anchor anchor = Anchor::Middle;
    Look look = Look::Label;
};
using Shape = std::variant<Rect, Polygon, Line, Label>;

/// A drawing of the given size; `title` names it for a screen reader and in Word's alternative
/// text.
struct Drawing {
    double width = 0, height = 0;
    std::string title{};
    std::vector<Shape> shapes{};
};

/// The label's font size, px: both formats set labels in it.
constexpr double kLabelSize = 10;

/// A horizontal dimension from `from` to `to` drawn at height `y`, with `label` at its middle on
/// the side away from the object: above a dimension drawn above it, below one drawn below.
void AddHorizontalDimension(Drawing& drawing, Point from, Point to, double y,
                            std::string_view label);
/// A vertical dimension from `from` to `to` drawn at `x`, with `label` beside it: on the right of
/// the line, or on its left when `labelLeft`.
void AddVerticalDimension(Drawing& drawing, Point from, Point to, double x, std::string_view label,
                          bool labelLeft = false);

/// A dimension across a part too thin to hold its label between the ticks (an angle's leg):
/// the dimension line runs out to the left of `from`, where the label stands.
void AddNarrowDimension(Drawing& drawing, Point from, Point to, std::string_view label);

/// The drawing as one inline <svg> element.
std::string SvgOf(const Drawing& drawing);

}  // namespace deckplate::report::drawing
