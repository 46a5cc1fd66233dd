#include <algorithm>
#include <charconv>
#include <optional>

#include "report/book_numbers.h"
#include "report/drawings.h"
#include "report/html_text.h"

namespace deckplate::report {

using namespace drawing;

namespace {

// "L63x40x5": long leg, short leg, thickness in mm.
struct AngleLegs {
    double longLeg = 0, shortLeg = 0, thickness = 0;
};

std::optional<AngleLegs> ReadDesignation(std::string_view name) {
    if (name.empty() || (name.front() != 'L' && name.front() != 'l')) return std::nullopt;
    double values[3] = {};
    const char* p = name.data() + 1;
    const char* const end = name.data() + name.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, ec] = std::from_chars(p, end, values[i]);
        if (ec != std::errc() || !(values[i] > 0)) return std::nullopt;
        p = next;
        if (i < 2 && (p == end || (*p != 'x' && *p != 'X'))) return std::nullopt;
        if (i < 2) ++p;
    }
    if (p != end) return std::nullopt;
    return AngleLegs{values[0], values[1], values[2]};
}

// Places drawing millimetres on the page.
struct Placement {
    Point origin;  // where the middle of the plate's top face goes
    double scale = 1;
    Point operator()(double x, double y) const {
        return {origin.x + x * scale, origin.y + y * scale};
    }
};

}  // namespace

Drawing SectionDrawing(const BayInput& bay, const StiffenerResult& section, const Figure& beFigure,
                       const Figure& yoFigure) {
    const double t = bay.thickness.mm, be = section.be;
    double depth = 0;  // of the stiffener below the plate
    double left = -be / 2, right = be / 2;
    std::optional<AngleLegs> legs;
    double flatBarHalf = 0;  // half a flat bar's thickness
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener)) {
        depth = bar->height;
        flatBarHalf = bar->thickness / 2;
        left = std::min(left, -bar->thickness / 2);
        right = std::max(right, bar->thickness / 2);
    } else if ((legs = ReadDesignation(StiffenerName(bay.stiffener)))) {
        depth = std::get<AngleValues>(StiffenerSection(bay.stiffener)).H;
        left = std::min(left, -legs->thickness / 2);
        right = std::max(right, -legs->thickness / 2 + legs->shortLeg);
    }
    // To scale: the wider of the strip and the stiffener, or the whole depth, fills the room.
    const double scale = std::min(170.0 / (right - left), 150.0 / (t + depth));
    // Room on the left for the Yo dimension's label, as long as its figure is.
    const std::string yoLabel = Cat("Yo = ", Text(yoFigure));
    const double marginLeft = std::max(85.0, 40 + 6.0 * static_cast<double>(yoLabel.size())),
                 marginTop = 28;
    const Placement at{{marginLeft - left * scale, marginTop}, scale};

    Drawing d;
    d.shapes.push_back(Rect{at(-be / 2, 0), be * scale, t * scale, Look::Steel});
    if (const auto* bar = std::get_if<FlatBar>(&bay.stiffener)) {
        d.shapes.push_back(
            Rect{at(-bar->thickness / 2, t), bar->thickness * scale, depth * scale, Look::Steel});
        AddHorizontalDimension(d, at(-bar->thickness / 2, t + depth),
                               at(bar->thickness / 2, t + depth), at(0, t + depth).y + 16,
                               Cat("tw = ", Text(Exact(bar->thickness))));
    } else if (legs) {
        const double w = legs->thickness, b = legs->shortLeg;
        d.shapes.push_back(Polygon{
            {at(-w / 2, t), at(w / 2, t), at(w / 2, t + depth - w), at(-w / 2 + b, t + depth - w),
             at(-w / 2 + b, t + depth), at(-w / 2, t + depth)},
            Look::Steel});
        AddHorizontalDimension(d, at(-w / 2, t + depth), at(-w / 2 + b, t + depth),
                               at(0, t + depth).y + 16, Cat("b = ", Text(Exact(b))));
        AddNarrowDimension(d, at(-w / 2, t + (depth - w) / 2), at(w / 2, t + (depth - w) / 2),
                           Cat("tw = ", Text(Exact(w))));
    }
    // Chain of dimensions on the right: the plate, then the stiffener.
    const double dimensionX = at(right, 0).x + 16;
    AddVerticalDimension(d, at(be / 2, 0), at(be / 2, t), dimensionX, Cat("t = ", Text(Exact(t))));
    if (depth > 0) {
        // From the stiffener's right-hand faces: the flat bar's side, or the angle's long leg at
        // the top and the tip of its short leg at the bottom.
        const double topRight = legs ? legs->thickness / 2 : flatBarHalf;
        const double bottomRight = legs ? legs->shortLeg - legs->thickness / 2 : flatBarHalf;
        AddVerticalDimension(d, at(topRight, t), at(bottomRight, t + depth), dimensionX,
                             Cat("h = ", Text(Exact(depth))));
    }
    AddHorizontalDimension(d, at(-be / 2, 0), at(be / 2, 0), marginTop - 12,
                           Cat("be = ", Text(beFigure)));
    // The composite section's centroidal axis, with Yo measured from the plate's top face.
    // The axis labels stand above its ends, clear of the Yo dimension on the left and of the
    // chain of dimensions on the right.
    const Point axisLeft = at(left, section.Yo), axisRight = at(right, section.Yo);
    d.shapes.push_back(
        Line{{axisLeft.x - 26, axisLeft.y}, {axisRight.x + 12, axisRight.y}, Look::Axis});
    d.shapes.push_back(
        Label{{axisLeft.x - 12, axisLeft.y - 3}, "x", Anchor::Middle, Look::AxisLabel});
    d.shapes.push_back(
        Label{{axisRight.x + 7, axisRight.y - 3}, "x", Anchor::Middle, Look::AxisLabel});
    AddVerticalDimension(d, at(left, 0), at(left, section.Yo), axisLeft.x - 22, yoLabel, true);
    d.width = dimensionX + 48;
    d.height = at(0, t + depth).y + 34;
    d.title = "加劲肋组合截面";
    return d;
}

}  // namespace deckplate::report
