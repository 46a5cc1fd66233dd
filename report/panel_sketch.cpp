#include <algorithm>

#include "report/book_numbers.h"
#include "report/drawings.h"
#include "report/html_text.h"
#include "report/svg.h"

namespace deckplate::report {

using namespace svg;

std::string PanelSketch(const BayInput& bay) {
    const int panels = bay.boundary.continuous ? 3 : 1;
    const int checked = panels / 2;  // the middle one of three
    // The larger of span and panels of spacing fills the room; a panel stays tall enough to see.
    const double scale = std::min(200.0 / bay.span, 84.0 / (panels * bay.spacing));
    const double width = bay.span * scale;
    const double height = std::max(bay.spacing * scale, 8.0);
    const Point origin{16, 12};
    const double bottom = origin.y + panels * height;

    std::string content;
    for (int i = 0; i < panels; ++i) {
        content += Rect({origin.x, origin.y + i * height}, width, height,
                        i == checked ? "panel checked" : "panel");
    }
    // The stiffeners carry the long edges; the ends of a single panel are supported too, while a
    // continuous plate is taken as a strip spanning across the stiffeners.
    for (int i = 0; i <= panels; ++i) {
        const double y = origin.y + i * height;
        content += Line({origin.x, y}, {origin.x + width, y}, "support");
    }
    if (!bay.boundary.continuous) {
        content += Line({origin.x, origin.y}, {origin.x, bottom}, "support");
        content += Line({origin.x + width, origin.y}, {origin.x + width, bottom}, "support");
    }
    const double checkedTop = origin.y + checked * height;
    content += HorizontalDimension({origin.x, bottom}, {origin.x + width, bottom}, bottom + 16,
                                   Cat("b = L = ", Text(Exact(bay.span))));
    content +=
        VerticalDimension({origin.x + width, checkedTop}, {origin.x + width, checkedTop + height},
                          origin.x + width + 14, Cat("a = ", Text(Exact(bay.spacing))));
    return Svg(origin.x + width + 110, bottom + 34,
               bay.boundary.continuous ? "连续铺板的区格平面" : "四边简支铺板区格平面", content);
}

}  // namespace deckplate::report
