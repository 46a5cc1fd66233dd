#include "report/drawing_ml.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace deckplate::report::drawing {
namespace {

std::string E(double px) { return std::to_string(Emu(px)); }

// A label's box, which Word needs where SVG needs only the baseline: as wide as its text in
// the label font (Latin about 0.6 of the size, Chinese a whole size), as high as its line, its
// text's foot where SVG puts the font's descent below the baseline.
struct Box {
    double left, top, width, height;
};
Box LabelBox(const Label& label) {
    double width = 0;
    for (const char c : label.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) width += 0.6 * kLabelSize;
        if (byte >= 0xE0) width += kLabelSize;  // the lead byte of a character of three or more
    }
    width += 4;
    const double height = 1.4 * kLabelSize, bottom = label.at.y + 0.25 * kLabelSize;
    const double left = label.anchor == Anchor::Start    ? label.at.x
                        : label.anchor == Anchor::Middle ? label.at.x - width / 2
                                                         : label.at.x - width;
    return {left, bottom - height, width, height};
}

void Frame(XmlWriter& xml, double left, double top, double width, double height,
           bool flipV = false) {
    if (flipV)
        xml.Open("a:xfrm", {{"flipV", "1"}});
    else
        xml.Open("a:xfrm");
    xml.Empty("a:off", {{"x", E(left)}, {"y", E(top)}});
    xml.Empty("a:ext", {{"cx", E(width)}, {"cy", E(height)}});
    xml.Close();
}

void Preset(XmlWriter& xml, std::string_view geometry) {
    xml.Open("a:prstGeom", {{"prst", geometry}});
    xml.Empty("a:avLst");
    xml.Close();
}

void Colour(XmlWriter& xml, std::string_view rgb) {
    xml.Open("a:solidFill");
    xml.Empty("a:srgbClr", {{"val", rgb}});
    xml.Close();
}

// The fill and the outline of a look.
void Paint(XmlWriter& xml, const LookStyle& style) {
    if (style.fill.empty())
        xml.Empty("a:noFill");
    else
        Colour(xml, style.fill);
    if (style.stroke.empty()) {
        xml.Open("a:ln");
        xml.Empty("a:noFill");
        xml.Close();
        return;
    }
    xml.Open("a:ln", {{"w", E(style.strokeWidth)}});
    Colour(xml, style.stroke);
    if (style.dashed) xml.Empty("a:prstDash", {{"val", "lgDashDot"}});
    xml.Close();
}

void WriteShape(XmlWriter& xml, const LookStyle& style, bool connector, auto geometry) {
    xml.Open("wps:wsp");
    xml.Empty(connector ? "wps:cNvCnPr" : "wps:cNvSpPr");
    xml.Open("wps:spPr");
    geometry();
    Paint(xml, style);
    xml.Close();
    xml.Empty("wps:bodyPr");
    xml.Close();
}

struct DrawingMlShape {
    XmlWriter& xml;

    void operator()(const Rect& r) const {
        WriteShape(xml, StyleOf(r.look), false, [&] {
            Frame(xml, r.corner.x, r.corner.y, r.width, r.height);
            Preset(xml, "rect");
        });
    }
    void operator()(const Line& l) const {
        // A line shape runs from its frame's top left to its bottom right, or flipped from
        // bottom left to top right.
        const bool rising = (l.to.x - l.from.x) * (l.to.y - l.from.y) < 0;
        WriteShape(xml, StyleOf(l.look), true, [&] {
            Frame(xml, std::min(l.from.x, l.to.x), std::min(l.from.y, l.to.y),
                  std::fabs(l.to.x - l.from.x), std::fabs(l.to.y - l.from.y), rising);
            Preset(xml, "line");
        });
    }
    void operator()(const Polygon& p) const {
        if (p.points.empty()) return;
        double left = p.points[0].x, top = p.points[0].y, right = left, bottom = top;
        for (const Point& point : p.points) {
            left = std::min(left, point.x), right = std::max(right, point.x);
            top = std::min(top, point.y), bottom = std::max(bottom, point.y);
        }
        WriteShape(xml, StyleOf(p.look), false, [&] {
            Frame(xml, left, top, right - left, bottom - top);
            xml.Open("a:custGeom");
            for (const std::string_view empty : {"a:avLst", "a:gdLst", "a:ahLst", "a:cxnLst"})
                xml.Empty(empty);
            xml.Empty("a:rect", {{"l", "0"}, {"t", "0"}, {"r", "r"}, {"b", "b"}});
            xml.Open("a:pathLst");
            xml.Open("a:path", {{"w", E(right - left)}, {"h", E(bottom - top)}});
            for (std::size_t i = 0; i < p.points.size(); ++i) {
                xml.Open(i == 0 ? "a:moveTo" : "a:lnTo");
                xml.Empty("a:pt", {{"x", E(p.points[i].x - left)}, {"y", E(p.points[i].y - top)}});
                xml.Close();
            }
            xml.Empty("a:close");
            xml.Close();
            xml.Close();
            xml.Close();
        });
    }
    void operator()(const Label& label) const {
        const LookStyle& style = StyleOf(label.look);
        const Box box = LabelBox(label);
        xml.Open("wps:wsp");
        xml.Empty("wps:cNvSpPr", {{"txBox", "1"}});
        xml.Open("wps:spPr");
        Frame(xml, box.left, box.top, box.width, box.height);
        Preset(xml, "rect");
        xml.Empty("a:noFill");
        xml.Open("a:ln");
        xml.Empty("a:noFill");
        xml.Close();
        xml.Close();
        xml.Open("wps:txbx");
        xml.Open("w:txbxContent");
        xml.Open("w:p");
        xml.Open("w:pPr");
        xml.Empty("w:spacing",
                  {{"w:before", "0"}, {"w:after", "0"}, {"w:line", "240"}, {"w:lineRule", "auto"}});
        xml.Empty("w:jc", {{"w:val", label.anchor == Anchor::Start    ? "left"
                                     : label.anchor == Anchor::Middle ? "center"
                                                                      : "right"}});
        xml.Close();
        xml.Open("w:r");
        xml.Open("w:rPr");
        xml.Empty("w:rFonts", {{"w:ascii", "Arial"}, {"w:hAnsi", "Arial"}, {"w:eastAsia", "宋体"}});
        if (style.italic) xml.Empty("w:i");
        xml.Empty("w:color", {{"w:val", style.fill}});
        // Half-points: the label's pixels at 0.75 pt each.
        const std::string size = std::to_string(static_cast<int>(std::lround(kLabelSize * 1.5)));
        xml.Empty("w:sz", {{"w:val", size}});
        xml.Empty("w:szCs", {{"w:val", size}});
        xml.Close();
        xml.Leaf("w:t", label.text, {{"xml:space", "preserve"}});
        xml.Close();
        xml.Close();
        xml.Close();
        xml.Close();
        xml.Empty("wps:bodyPr", {{"wrap", "none"},
                                 {"lIns", "0"},
                                 {"tIns", "0"},
                                 {"rIns", "0"},
                                 {"bIns", "0"},
                                 {"anchor", "b"}});
        xml.Close();
    }
};

}  // namespace

long long Emu(double px) { return std::llround(px * 9525); }

void WriteDrawingMl(XmlWriter& xml, const Drawing& drawing, int id) {
    const std::string cx = E(drawing.width), cy = E(drawing.height);
    xml.Open("mc:AlternateContent");
    xml.Open("mc:Choice", {{"Requires", "wpg"}});
    xml.Open("w:drawing");
    xml.Open("wp:inline", {{"distT", "0"}, {"distB", "0"}, {"distL", "0"}, {"distR", "0"}});
    xml.Empty("wp:extent", {{"cx", cx}, {"cy", cy}});
    xml.Empty("wp:docPr", {{"id", std::to_string(id)},
                           {"name", "Drawing " + std::to_string(id)},
                           {"descr", drawing.title}});
    xml.Open("a:graphic");
    xml.Open("a:graphicData",
             {{"uri", "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup"}});
    xml.Open("wpg:wgp");
    xml.Empty("wpg:cNvGrpSpPr");
    xml.Open("wpg:grpSpPr");
    xml.Open("a:xfrm");
    xml.Empty("a:off", {{"x", "0"}, {"y", "0"}});
    xml.Empty("a:ext", {{"cx", cx}, {"cy", cy}});
    xml.Empty("a:chOff", {{"x", "0"}, {"y", "0"}});
    xml.Empty("a:chExt", {{"cx", cx}, {"cy", cy}});
    xml.Close();
    xml.Close();
    for (const Shape& shape : drawing.shapes) std::visit(DrawingMlShape{xml}, shape);
    for (int i = 0; i < 6; ++i) xml.Close();  // wgp, graphicData, graphic, inline, drawing, Choice
    xml.Close();                              // AlternateContent
}

}  // namespace deckplate::report::drawing
