#include "report/svg.h"

#include <array>
#include <charconv>

#include "report/html_text.h"

namespace deckplate::report::svg {
namespace {

// One decimal of a pixel, locale-free.
std::string N(double x) {
    std::array<char, 32> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, 1)
            .ptr;
    return std::string(buffer.data(), end);
}

std::string ClassAttribute(std::string_view classes) {
    return classes.empty() ? std::string() : Cat(" class=\"", classes, "\"");
}

constexpr double kTick = 3.5;     // half the length of a dimension's 45° tick, px
constexpr double kOvershoot = 3;  // how far extension lines pass the dimension line, px

std::string Tick(Point at) {
    return Line({at.x - kTick, at.y + kTick}, {at.x + kTick, at.y - kTick}, "dim");
}

}  // namespace

std::string Svg(double width, double height, std::string_view title, std::string_view content) {
    return Cat("<svg width=\"", N(width), "\" height=\"", N(height), "\" viewBox=\"0 0 ", N(width),
               " ", N(height), "\" role=\"img\"><title>", EscapeHtml(title), "</title>", content,
               "</svg>");
}

std::string Rect(Point corner, double width, double height, std::string_view classes) {
    return Cat("<rect x=\"", N(corner.x), "\" y=\"", N(corner.y), "\" width=\"", N(width),
               "\" height=\"", N(height), "\"", ClassAttribute(classes), "/>");
}

std::string Polygon(std::initializer_list<Point> points, std::string_view classes) {
    std::string list;
    for (const Point& p : points) list += Cat(list.empty() ? "" : " ", N(p.x), ",", N(p.y));
    return Cat("<polygon points=\"", list, "\"", ClassAttribute(classes), "/>");
}

std::string Line(Point from, Point to, std::string_view classes) {
    return Cat("<line x1=\"", N(from.x), "\" y1=\"", N(from.y), "\" x2=\"", N(to.x), "\" y2=\"",
               N(to.y), "\"", ClassAttribute(classes), "/>");
}

std::string Text(Point at, std::string_view text, std::string_view anchor,
                 std::string_view classes) {
    return Cat("<text x=\"", N(at.x), "\" y=\"", N(at.y), "\" text-anchor=\"", anchor, "\"",
               ClassAttribute(classes), ">", EscapeHtml(text), "</text>");
}

std::string HorizontalDimension(Point from, Point to, double y, std::string_view label) {
    // The label stands on the far side of the dimension line, clear of the extension lines.
    const bool above = y < from.y;
    const double towards = above ? -kOvershoot : kOvershoot;
    return Cat(Line(from, {from.x, y + towards}, "ext"), Line(to, {to.x, y + towards}, "ext"),
               Line({from.x, y}, {to.x, y}, "dim"), Tick({from.x, y}), Tick({to.x, y}),
               Text({(from.x + to.x) / 2, above ? y - 4 : y + 12}, label));
}

std::string VerticalDimension(Point from, Point to, double x, std::string_view label,
                              bool labelLeft) {
    const double towards = x < from.x ? -kOvershoot : kOvershoot;
    return Cat(Line(from, {x + towards, from.y}, "ext"), Line(to, {x + towards, to.y}, "ext"),
               Line({x, from.y}, {x, to.y}, "dim"), Tick({x, from.y}), Tick({x, to.y}),
               Text({labelLeft ? x - 5 : x + 5, (from.y + to.y) / 2 + 4}, label,
                    labelLeft ? "end" : "start"));
}

}  // namespace deckplate::report::svg
