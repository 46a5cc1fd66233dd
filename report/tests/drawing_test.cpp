// The drawing model: its SVG is what the HTML book has always drawn, and its Word shapes stand
// where the SVG draws them.
#include "report/drawing.h"

#include <gtest/gtest.h>

#include <regex>

#include "report/drawing_ml.h"
#include "report/html_text.h"

namespace deckplate::report::drawing {
namespace {

struct SvgCase {
    const char* name;
    std::string written;  // as the book has always drawn it
    Shape shape;
};

TEST(Drawing, WritesTheBooksSvg) {
    const SvgCase cases[] = {
        {"Rect", "<rect x=\"12.2\" y=\"3.0\" width=\"100.0\" height=\"8.5\" class=\"steel\"/>",
         Rect{{12.25, 3}, 100, 8.5, Look::Steel}},
        {"CheckedPanel",
         "<rect x=\"0.0\" y=\"0.0\" width=\"1.0\" height=\"2.0\" class=\"panel checked\"/>",
         Rect{{0, 0}, 1, 2, Look::CheckedPanel}},
        {"Polygon", "<polygon points=\"1.0,2.0 3.0,4.1 5.0,6.0\" class=\"steel\"/>",
         Polygon{{{1, 2}, {3, 4.06}, {5, 6}}, Look::Steel}},
        {"Line", "<line x1=\"1.0\" y1=\"2.0\" x2=\"3.0\" y2=\"4.0\" class=\"support\"/>",
         Line{{1, 2}, {3, 4}, Look::Support}},
        {"LabelEscaped",
         "<text x=\"5.0\" y=\"6.0\" text-anchor=\"middle\">a&lt;b &amp; &quot;c&quot;</text>",
         Label{{5, 6}, "a<b & \"c\""}},
        {"AxisLabelAtItsEnd",
         "<text x=\"5.0\" y=\"6.0\" text-anchor=\"end\" class=\"axis-label\">x</text>",
         Label{{5, 6}, "x", Anchor::End, Look::AxisLabel}},
    };
    for (const SvgCase& c : cases) {
        const Drawing drawing{
            .width = 300, .height = 200.04, .title = "截面 <1>", .shapes = {c.shape}};
        EXPECT_EQ(SvgOf(drawing),
                  std::string("<svg width=\"300.0\" height=\"200.0\" viewBox=\"0 0 300.0 200.0\" "
                              "role=\"img\"><title>截面 &lt;1&gt;</title>") +
                      c.written + "</svg>")
            << c.name;
    }
}

TEST(Drawing, DimensionsAsTheBookDrawsThem) {
    Drawing drawing{.width = 100, .height = 100, .title = "t"};
    AddHorizontalDimension(drawing, {10, 50}, {90, 50}, 30, "b = 80");
    AddHorizontalDimension(drawing, {10, 50}, {90, 50}, 70, "b = 80");
    AddVerticalDimension(drawing, {10, 10}, {10, 60}, 95, "h = 50");
    AddVerticalDimension(drawing, {10, 10}, {10, 60}, 5, "Yo = 1", true);
    EXPECT_EQ(
        SvgOf(drawing),
        "<svg width=\"100.0\" height=\"100.0\" viewBox=\"0 0 100.0 100.0\" "
        "role=\"img\"><title>t</title><line x1=\"10.0\" y1=\"50.0\" x2=\"10.0\" y2=\"27.0\" "
        "class=\"ext\"/><line x1=\"90.0\" y1=\"50.0\" x2=\"90.0\" y2=\"27.0\" class=\"ext\"/><line "
        "x1=\"10.0\" y1=\"30.0\" x2=\"90.0\" y2=\"30.0\" class=\"dim\"/><line x1=\"6.5\" "
        "y1=\"33.5\" x2=\"13.5\" y2=\"26.5\" class=\"dim\"/><line x1=\"86.5\" y1=\"33.5\" "
        "x2=\"93.5\" y2=\"26.5\" class=\"dim\"/><text x=\"50.0\" y=\"26.0\" "
        "text-anchor=\"middle\">b = 80</text><line x1=\"10.0\" y1=\"50.0\" x2=\"10.0\" y2=\"73.0\" "
        "class=\"ext\"/><line x1=\"90.0\" y1=\"50.0\" x2=\"90.0\" y2=\"73.0\" class=\"ext\"/><line "
        "x1=\"10.0\" y1=\"70.0\" x2=\"90.0\" y2=\"70.0\" class=\"dim\"/><line x1=\"6.5\" "
        "y1=\"73.5\" x2=\"13.5\" y2=\"66.5\" class=\"dim\"/><line x1=\"86.5\" y1=\"73.5\" "
        "x2=\"93.5\" y2=\"66.5\" class=\"dim\"/><text x=\"50.0\" y=\"82.0\" "
        "text-anchor=\"middle\">b = 80</text><line x1=\"10.0\" y1=\"10.0\" x2=\"98.0\" y2=\"10.0\" "
        "class=\"ext\"/><line x1=\"10.0\" y1=\"60.0\" x2=\"98.0\" y2=\"60.0\" class=\"ext\"/><line "
        "x1=\"95.0\" y1=\"10.0\" x2=\"95.0\" y2=\"60.0\" class=\"dim\"/><line x1=\"91.5\" "
        "y1=\"13.5\" x2=\"98.5\" y2=\"6.5\" class=\"dim\"/><line x1=\"91.5\" y1=\"63.5\" "
        "x2=\"98.5\" y2=\"56.5\" class=\"dim\"/><text x=\"100.0\" y=\"39.0\" "
        "text-anchor=\"start\">h = 50</text><line x1=\"10.0\" y1=\"10.0\" x2=\"2.0\" y2=\"10.0\" "
        "class=\"ext\"/><line x1=\"10.0\" y1=\"60.0\" x2=\"2.0\" y2=\"60.0\" class=\"ext\"/><line "
        "x1=\"5.0\" y1=\"10.0\" x2=\"5.0\" y2=\"60.0\" class=\"dim\"/><line x1=\"1.5\" y1=\"13.5\" "
        "x2=\"8.5\" y2=\"6.5\" class=\"dim\"/><line x1=\"1.5\" y1=\"63.5\" x2=\"8.5\" y2=\"56.5\" "
        "class=\"dim\"/><text x=\"0.0\" y=\"39.0\" text-anchor=\"end\">Yo = 1</text></svg>");
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
