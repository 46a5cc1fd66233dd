#include "calc/quantity.h"

#include <array>

namespace deckplate {
namespace {

struct Names {
    std::string_view english;
    std::string_view chinese;
};

// In the order of the enumeration.
constexpr std::array<Names, 33> kNames{{
    {"", ""},
    {"an input number", "输入数值"},
    {"design load q", "荷载设计值q"},
    {"standard load qk", "荷载标准值qk"},
    {"plate aspect ratio span/spacing", "铺板长宽比(跨度/间距)"},
    {"plate moment", "钢铺板弯矩"},
    {"plate stress", "钢铺板应力"},
    {"plate deflection", "钢铺板挠度"},
    {"plate deflection ratio spacing/deflection", "钢铺板挠度比(间距/挠度)"},
    {"effective plate strip", "有效铺板带"},
    {"stiffener section", "加劲肋截面"},
    {"composite centroid Yo", "组合截面形心Yo"},
    {"composite moment of inertia Ix", "组合截面惯性矩Ix"},
    {"stiffener moment", "加劲肋弯矩"},
    {"stiffener deflection", "加劲肋挠度"},
    {"stiffener stress", "加劲肋应力"},
    {"self-weight", "铺板及加劲肋自重"},
    {"stiffener deflection ratio span/deflection", "加劲肋挠度比(跨度/挠度)"},
    {"point load patch", "集中荷载作用面"},
    {"plate moment under the point load", "集中荷载下钢铺板弯矩"},
    {"plate stress under the point load", "集中荷载下钢铺板应力"},
    {"plate deflection under the point load", "集中荷载下钢铺板挠度"},
    {"stiffener moment under the point load", "集中荷载下加劲肋弯矩"},
    {"stiffener stress under the point load", "集中荷载下加劲肋应力"},
    {"stiffener deflection under the point load", "集中荷载下加劲肋挠度"},
    {"stiffener deflection ratio under the point load", "集中荷载下加劲肋挠度比(跨度/挠度)"},
    {"stiffener shear stress", "加劲肋剪应力"},
    {"stiffener outstand ratio", "加劲肋宽厚比"},
    {"stiffener shear stress under the point load", "集中荷载下加劲肋剪应力"},
    {"stiffener deflection under the live load", "加劲肋活载挠度"},
    {"stiffener deflection ratio under the live load", "加劲肋活载挠度比(跨度/挠度)"},
    {"weld stress", "焊缝应力"},
    {"weld stress under the point load", "集中荷载下焊缝应力"},
}};

}  // namespace

std::string_view QuantityName(Quantity quantity) {
    return kNames[static_cast<std::size_t>(quantity)].english;
}

std::string_view QuantityNameZh(Quantity quantity) {
    return kNames[static_cast<std::size_t>(quantity)].chinese;
}

}  // namespace deckplate
