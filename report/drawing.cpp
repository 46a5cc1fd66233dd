#include "report/drawing.h"

#include <array>
#include <charconv>

#include "report/html_text.h"

namespace deckplate::report::drawing {
namespace {

constexpr std::array kLooks = {
    LookStyle{Look::Steel, "steel", "B9C3CF", "000000", 1, false, false},
    LookStyle{Look::Panel, "panel", "F2F5F8", "888888", .7, false, false},
    LookStyle{Look::CheckedPanel, "panel checked", "C9DBEF", "888888", .7, false, false},
    LookStyle{Look::Support, "support", "", "000000", 2.5, false, false},
    LookStyle{Look::Dimension, "dim", "", "333333", .7, false, false},
    LookStyle{Look::Extension, "ext", "", "333333", .7, false, false},
    LookStyle{Look::Axis, "axis", "", "C00000", .8, true, false},
    LookStyle{Look::AxisLabel, "axis-label", "C00000", "", 0, false, true},
    LookStyle{Look::Label, "", "000000", "", 0, false, false},
};

// Row i of the table describes look i.
static_assert([] {
    for (std::size_t i = 0; i < kLooks.size(); ++i)
        if (kLooks[i].look != static_cast<Look>(i)) return false;
    return true;
}());

constexpr double kTick = 3.5;     // half the length of a dimension's 45° tick, px
constexpr double kOvershoot = 3;  // how far extension lines pass the dimension line, px

void Tick(Drawing& drawing, Point at) {
    drawing.shapes.push_back(Line{{at.x - kTick, at.y + kTick}, {at.x + kTick, at.y - kTick}});
}

// One decimal of a pixel, locale-free.
std::string N(double x) {
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, 1)
            .ptr;
    return std::string(buffer.data(), end);
}

std::string ClassAttribute(Look look) {
    const std::string_view classes = StyleOf(look).classes;
    return classes.empty() ? std::string() : Cat(" class=\"", classes, "\"");
}

std::string_view AnchorName(Anchor anchor) {
    switch (anchor) {
        case Anchor::Start:
            return "start";
        case Anchor::End:
            return "end";
        case Anchor::Middle:
            break;
    }
    return "middle";
}

struct SvgShape {
    std::string operator()(const Rect& r) const {
        return Cat("<rect x=\"", N(r.corner.x), "\" y=\"", N(r.corner.y), "\" width=\"", N(r.width),
                   "\" height=\"", N(r.height), "\"", ClassAttribute(r.look), "/>");
    }
    std::string operator()(const Polygon& p) const {
        std::string list;
        for (const Point& point : p.points)
            list += Cat(list.empty() ? "" : " ", N(point.x), ",", N(point.y));
        return Cat("<polygon points=\"", list, "\"", ClassAttribute(p.look), "/>");
    }
    std::string operator()(const Line& l) const {
        return Cat("<line x1=\"", N(l.from.x), "\" y1=\"", N(l.from.y), "\" x2=\"", N(l.to.x),
                   "\" y2=\"", N(l.to.y), "\"", ClassAttribute(l.look), "/>");
    }
    std::string operator()(const Label& t) const {
        return Cat("<text x=\"", N(t.at.x), "\" y=\"", N(t.at.y), "\" text-anchor=\"",
                   AnchorName(t.anchor), "\"", ClassAttribute(t.look), ">", EscapeHtml(t.text),
                   "</text>");
    }
};

}  // namespace

const LookStyle& StyleOf(Look look) { return kLooks[static_cast<std::size_t>(look)]; }

void AddHorizontalDimension(Drawing& drawing, Point from, Point to, double y,
                            std::string_view label) {
    // The label stands on the far side of the dimension line, clear of the extension lines.
    const bool above = y < from.y;
    const double towards = above ? -kOvershoot : kOvershoot;
    drawing.shapes.push_back(Line{from, {from.x, y + towards}, Look::Extension});
    drawing.shapes.push_back(Line{to, {to.x, y + towards}, Look::Extension});
    drawing.shapes.push_back(Line{{from.x, y}, {to.x, y}});
    Tick(drawing, {from.x, y});
    Tick(drawing, {to.x, y});
    drawing.shapes.push_back(
        Label{{(from.x + to.x) / 2, above ? y - 4 : y + 12}, std::string(label)});
}

void AddVerticalDimension(Drawing& drawing, Point from, Point to, double x, std::string_view label,
                          bool labelLeft) {
    const double towards = x < from.x ? -kOvershoot : kOvershoot;
    drawing.shapes.push_back(Line{from, {x + towards, from.y}, Look::Extension});
    drawing.shapes.push_back(Line{to, {x + towards, to.y}, Look::Extension});
    drawing.shapes.push_back(Line{{x, from.y}, {x, to.y}});
    Tick(drawing, {x, from.y});
    Tick(drawing, {x, to.y});
    drawing.shapes.push_back(Label{{labelLeft ? x - 5 : x + 5, (from.y + to.y) / 2 + 4},
                                   std::string(label),
                                   labelLeft ? Anchor::End : Anchor::Start});
}

void AddNarrowDimension(Drawing& drawing, Point from, Point to, std::string_view label) {
    constexpr double kRunOut = 14;  // how far the line runs out on the left to the label
    drawing.shapes.push_back(Line{{from.x - kRunOut, from.y}, {to.x + kOvershoot, to.y}});
    Tick(drawing, from);
    Tick(drawing, to);
    drawing.shapes.push_back(
        Label{{from.x - kRunOut - 2, from.y + 4}, std::string(label), Anchor::End});
}

std::string SvgOf(const Drawing& drawing) {
    std::string content;
    for (const Shape& shape : drawing.shapes) content += std::visit(SvgShape{}, shape);
    return Cat("<svg width=\"", N(drawing.width), "\" height=\"", N(drawing.height),
               "\" viewBox=\"0 0 ", N(drawing.width), " ", N(drawing.height),
               "\" role=\"img\"><title>", EscapeHtml(drawing.title), "</title>", content, "</svg>");
}

}  // namespace deckplate::report::drawing
