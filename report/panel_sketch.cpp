#include <algorithm>

#include "report/book_numbers.h"
#include "report/drawings.h"
#include "report/html_text.h"

namespace deckplate::report {

using namespace drawing;

Drawing PanelSketch(const BayInput& bay) {
    const int panels = bay.boundary.continuous ? 3 : 1;
    const int checked = panels / 2;  // the middle one of three
    // The larger of span and panels of spacing fills the room; a panel stays tall enough to see.
    const double scale = std::min(200.0 / bay.span, 84.0 / (panels * bay.spacing));
    const double width = bay.span * scale;
    const double height = std::max(bay.spacing * scale, 8.0);
    const Point origin{16, 12};
    const double bottom = origin.y + panels * height;

    Drawing sketch{
        .width = origin.x + width + 110,
        .height = bottom + 34,
        .title = bay.boundary.continuous ? "连续钢铺板的区格平面" : "四边简支钢铺板区格平面"};
    for (int i = 0; i < panels; ++i) {
        sketch.shapes.push_back(Rect{{origin.x, origin.y + i * height},
                                     width,
                                     height,
                                     i == checked ? Look::CheckedPanel : Look::Panel});
    }
    // The stiffeners carry the long edges; the ends of a single panel are supported too, while a
    // continuous plate is taken as a strip spanning across the stiffeners.
    for (int i = 0; i <= panels; ++i) {
        const double y = origin.y + i * height;
        sketch.shapes.push_back(Line{{origin.x, y}, {origin.x + width, y}, Look::Support});
    }
    if (!bay.boundary.continuous) {
        sketch.shapes.push_back(Line{{origin.x, origin.y}, {origin.x, bottom}, Look::Support});
        sketch.shapes.push_back(
            Line{{origin.x + width, origin.y}, {origin.x + width, bottom}, Look::Support});
    }
    const double checkedTop = origin.y + checked * height;
    AddHorizontalDimension(sketch, {origin.x, bottom}, {origin.x + width, bottom}, bottom + 16,
                           Cat("b = L = ", Text(Exact(bay.span))));
    AddVerticalDimension(sketch, {origin.x + width, checkedTop},
                         {origin.x + width, checkedTop + height}, origin.x + width + 14,
                         Cat("a = ", Text(Exact(bay.spacing))));
    return sketch;
}

}  // namespace deckplate::report
