// The drawing model: its SVG is byte for byte what svg.h writes for the same shapes, and its
// Word shapes stand where the SVG draws them.
#include "report/drawing.h"

#include <gtest/gtest.h>

#include <regex>

#include "report/drawing_ml.h"
#include "report/html_text.h"
#include "report/svg.h"

namespace deckplate::report::drawing {
namespace {

struct SvgCase {
    const char* name;
    std::string written;  // by svg.h
    Shape shape;
};

TEST(Drawing, WritesTheSvgOfSvgH) {
    const SvgCase cases[] = {
        {"Rect", svg::Rect({12.25, 3}, 100, 8.5, "steel"), Rect{{12.25, 3}, 100, 8.5, Look::Steel}},
        {"CheckedPanel", svg::Rect({0, 0}, 1, 2, "panel checked"),
         Rect{{0, 0}, 1, 2, Look::CheckedPanel}},
        {"Polygon", svg::Polygon({{1, 2}, {3, 4.06}, {5, 6}}, "steel"),
         Polygon{{{1, 2}, {3, 4.06}, {5, 6}}, Look::Steel}},
        {"Line", svg::Line({1, 2}, {3, 4}, "support"), Line{{1, 2}, {3, 4}, Look::Support}},
        {"LabelEscaped", svg::Text({5, 6}, "a<b & \"c\""), Label{{5, 6}, "a<b & \"c\""}},
        {"AxisLabelAtItsEnd", svg::Text({5, 6}, "x", "end", "axis-label"),
         Label{{5, 6}, "x", Anchor::End, Look::AxisLabel}},
    };
    for (const SvgCase& c : cases) {
        const Drawing drawing{
            .width = 300, .height = 200.04, .title = "截面 <1>", .shapes = {c.shape}};
        EXPECT_EQ(SvgOf(drawing), svg::Svg(300, 200.04, "截面 <1>", c.written)) << c.name;
    }
}

TEST(Drawing, DimensionsAsSvgHDrawsThem) {
    Drawing drawing{.width = 100, .height = 100, .title = "t"};
    AddHorizontalDimension(drawing, {10, 50}, {90, 50}, 30, "b = 80");
    AddHorizontalDimension(drawing, {10, 50}, {90, 50}, 70, "b = 80");
    AddVerticalDimension(drawing, {10, 10}, {10, 60}, 95, "h = 50");
    AddVerticalDimension(drawing, {10, 10}, {10, 60}, 5, "Yo = 1", true);
    EXPECT_EQ(SvgOf(drawing),
              svg::Svg(100, 100, "t",
                       Cat(svg::HorizontalDimension({10, 50}, {90, 50}, 30, "b = 80"),
                           svg::HorizontalDimension({10, 50}, {90, 50}, 70, "b = 80"),
                           svg::VerticalDimension({10, 10}, {10, 60}, 95, "h = 50"),
                           svg::VerticalDimension({10, 10}, {10, 60}, 5, "Yo = 1", true))));
}

std::string DrawingMl(Shape shape) {
    std::string xml;
    XmlWriter writer([&](std::string_view bytes) { xml += bytes; });
    WriteDrawingMl(writer, {.width = 100, .height = 50, .title = "t", .shapes = {shape}}, 7);
    writer.Flush();
    return xml;
}

// A Word line runs across its frame from top left to bottom right, flipped to rise; the frame
// is where the SVG line lies, in EMU (9525 to a pixel).
TEST(Drawing, WordLinesRunWhereTheSvgLinesRun) {
    struct Case {
        const char* name;
        Line line;
        std::string frame;
    } const cases[] = {
        {"Falling",
         {{10, 20}, {30, 40}},
         "<a:xfrm><a:off x=\"95250\" y=\"190500\"/><a:ext cx=\"190500\" cy=\"190500\"/>"},
        {"FallingDrawnBackwards",
         {{30, 40}, {10, 20}},
         "<a:xfrm><a:off x=\"95250\" y=\"190500\"/><a:ext cx=\"190500\" cy=\"190500\"/>"},
        {"Rising",
         {{10, 40}, {30, 20}},
         "<a:xfrm flipV=\"1\"><a:off x=\"95250\" y=\"190500\"/><a:ext cx=\"190500\" "
         "cy=\"190500\"/>"},
        {"Horizontal",
         {{30, 5}, {10, 5}},
         "<a:xfrm><a:off x=\"95250\" y=\"47625\"/><a:ext cx=\"190500\" cy=\"0\"/>"},
    };
    for (const Case& c : cases)
        EXPECT_NE(DrawingMl(c.line).find(c.frame), std::string::npos) << c.name;
}

TEST(Drawing, WordShapesKeepTheirLook) {
    const std::string axis = DrawingMl(Line{{0, 0}, {10, 0}, Look::Axis});
    EXPECT_NE(axis.find("<a:srgbClr val=\"C00000\"/>"), std::string::npos);
    EXPECT_NE(axis.find("<a:prstDash val=\"lgDashDot\"/>"), std::string::npos);
    const std::string steel = DrawingMl(Polygon{{{10, 10}, {20, 10}, {20, 30}}, Look::Steel});
    EXPECT_NE(steel.find("<a:solidFill><a:srgbClr val=\"B9C3CF\"/></a:solidFill>"),
              std::string::npos);
    // The path's points from the polygon's frame's corner.
    EXPECT_NE(steel.find("<a:moveTo><a:pt x=\"0\" y=\"0\"/></a:moveTo><a:lnTo><a:pt x=\"95250\" "
                         "y=\"0\"/></a:lnTo><a:lnTo><a:pt x=\"95250\" y=\"190500\"/>"),
              std::string::npos);
    const std::string label = DrawingMl(Label{{50, 20}, "x", Anchor::Middle, Look::AxisLabel});
    EXPECT_NE(label.find("<w:i/><w:color w:val=\"C00000\"/>"), std::string::npos);
}

// A label's box stands on the side of its anchor that the SVG text runs to.
TEST(Drawing, WordLabelsRunFromTheirAnchor) {
    const std::regex offset("<a:off x=\"(-?[0-9]+)\"");
    const auto left = [&](Anchor anchor) {
        std::smatch m;
        const std::string xml = DrawingMl(Label{{50, 20}, "ab", anchor});
        EXPECT_TRUE(std::regex_search(xml.cbegin() + static_cast<long>(xml.find("wps:wsp")),
                                      xml.cend(), m, offset));
        return std::stoll(m[1]);
    };
    EXPECT_EQ(left(Anchor::Start), Emu(50));
    EXPECT_LT(left(Anchor::Middle), Emu(50));
    EXPECT_GT(left(Anchor::Middle), left(Anchor::End));
}

}  // namespace
}  // namespace deckplate::report::drawing
