#include "cli/point_load_options.h"

#include "calc/number_text.h"

namespace deckplate::cli {

std::string PointLoadOptions::PatchText() const {
    return patch.value_or(PlainNumberText(kPointLoadPatch) + "x" +
                          PlainNumberText(kPointLoadPatch));
}

std::optional<double> ReadForce(const PointLoadOptions& options) {
    if (!options.force) return std::nullopt;
    return input::PointLoadForce(*options.force, {"--point-load", BayField::PointLoad});
}

input::Patch ReadPatch(const PointLoadOptions& options) {
    if (!options.patch) return {};
    return input::ParsePatch(*options.patch, {"--patch", BayField::Patch});
}

std::optional<PointLoad> ReadPointLoad(const PointLoadOptions& options) {
    const std::optional<double> force = ReadForce(options);
    if (!force) {
        if (options.patch) {
            const input::Input input{"--patch", BayField::Patch};
            throw input::ValueError({.fault = input::ValueFault::PatchWithoutPointLoad,
                                     .input = input,
                                     .value = *options.patch});
        }
        return std::nullopt;
    }
    const input::Patch patch = ReadPatch(options);
    return PointLoad{.force = *force, .across = patch.across, .along = patch.along};
}

}  // namespace deckplate::cli
