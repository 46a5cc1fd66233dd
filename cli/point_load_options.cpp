#include "cli/point_load_options.h"

namespace deckplate::cli {

std::optional<double> ReadForce(const PointLoadOptions& options) {
    if (!options.force) return std::nullopt;
    return schedule::PointLoadForce(*options.force, {"--point-load", BayField::PointLoad});
}

schedule::Patch ReadPatch(const PointLoadOptions& options) {
    return schedule::ParsePatch(options.patch, {"--patch", BayField::Patch});
}

std::optional<PointLoad> ReadPointLoad(const PointLoadOptions& options) {
    const std::optional<double> force = ReadForce(options);
    if (!force) return std::nullopt;
    const schedule::Patch patch = ReadPatch(options);
    return PointLoad{.force = *force, .across = patch.across, .along = patch.along};
}

}  // namespace deckplate::cli
