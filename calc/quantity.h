#pragma once
// The quantities of the calculation, named so that an arithmetic fault can say where it arose.

#include <string_view>

namespace deckplate {

enum class Quantity {
    Unnamed,
    InputNumber,
    DesignLoad,
    StandardLoad,
    PlateAspectRatio,
    PlateMoment,
    PlateStress,
    PlateDeflection,
    PlateDeflectionRatio,
    PlateStrip,
    StiffenerSection,
    CompositeCentroid,
    CompositeInertia,
    StiffenerMoment,
    StiffenerDeflection,
    StiffenerStress,
    SelfWeight,
    StiffenerDeflectionRatio,
    PointLoadPatch,
    PointLoadPlateMoment,
    PointLoadPlateStress,
    PointLoadPlateDeflection,
    PointLoadStiffenerMoment,
    PointLoadStiffenerStress,
    PointLoadStiffenerDeflection,
    PointLoadStiffenerDeflectionRatio,
    StiffenerShear,
    StiffenerOutstand,
    PointLoadStiffenerShear,
    StiffenerLiveDeflection,
    StiffenerLiveDeflectionRatio,
    WeldStress,
    PointLoadWeldStress,
};

/// English name, e.g. "plate stress".
std::string_view QuantityName(Quantity quantity);
/// Chinese name as the window and the report word it, e.g. "钢铺板应力".
std::string_view QuantityNameZh(Quantity quantity);

}  // namespace deckplate
