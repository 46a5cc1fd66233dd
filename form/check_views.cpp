#include "form/check_views.h"

namespace deckplate::form {
namespace {

using enum Control;

constexpr CheckView kCheckViews[] = {
    {Check::PlateStrength, PlateFrame, PlateStress, std::nullopt, PlateStrengthVerdict},
    {Check::PlateDeflection, PlateFrame, PlateDeflection, std::nullopt, PlateDeflectionVerdict},
    {Check::StiffenerStrength, StiffenerFrame, StiffenerStress, std::nullopt,
     StiffenerStrengthVerdict},
    {Check::StiffenerDeflection, StiffenerFrame, StiffenerDeflection, std::nullopt,
     StiffenerDeflectionVerdict},
    {Check::StiffenerLiveDeflection, ShearFrame, LiveDeflection, std::nullopt,
     StiffenerLiveDeflectionVerdict},
    {Check::StiffenerShear, ShearFrame, ShearStress, std::nullopt, StiffenerShearVerdict},
    {Check::StiffenerOutstand, ShearFrame, Outstand, OutstandLimit, StiffenerOutstandVerdict},
    {Check::WeldStrength, WeldFrame, WeldStress, std::nullopt, WeldVerdict},
    {Check::WeldDetail, WeldFrame, std::nullopt, std::nullopt, WeldDetailingVerdict},
    {Check::PointLoadPlateStrength, PointLoadFrame, PointLoadPlateStress, std::nullopt,
     PointLoadPlateStrengthVerdict},
    {Check::PointLoadPlateDeflection, PointLoadFrame, PointLoadPlateDeflection, std::nullopt,
     PointLoadPlateDeflectionVerdict},
    {Check::PointLoadStiffenerStrength, PointLoadFrame, PointLoadStiffenerStress, std::nullopt,
     PointLoadStiffenerStrengthVerdict},
    {Check::PointLoadStiffenerDeflection, PointLoadFrame, PointLoadStiffenerDeflection,
     std::nullopt, PointLoadStiffenerDeflectionVerdict},
    {Check::PointLoadStiffenerShear, PointLoadFrame, PointLoadShear, std::nullopt,
     PointLoadShearVerdict},
    {Check::PointLoadWeldStrength, PointLoadFrame, PointLoadWeldStress, std::nullopt,
     PointLoadWeldVerdict},
};

constexpr bool ViewsFollowTheChecks() {
    for (std::size_t i = 0; i < std::size(kCheckViews); ++i)
        if (static_cast<std::size_t>(kCheckViews[i].check) != i) return false;
    return std::size(kCheckViews) == kCheckCount;
}
static_assert(ViewsFollowTheChecks(), "row i of the check views must show Check(i)");

}  // namespace

std::span<const CheckView> CheckViews() { return kCheckViews; }

const CheckView& ViewOf(Check check) { return kCheckViews[static_cast<std::size_t>(check)]; }

}  // namespace deckplate::form
