#pragma once
// The point load as the command line gives it: --point-load KN and --patch UxV, as text until
// they are read, so that a message can name the option.

#include <optional>
#include <string>

#include "calc/point_load.h"
#include "input/values.h"

namespace deckplate::cli {

struct PointLoadOptions {
    std::optional<std::string> force{};
    std::optional<std::string> patch{};  ///< none: the standard patch

    /// The patch as given, or the standard one's ("200x200"), for a message to quote.
    std::string PatchText() const;
};

/// The force read, or none without --point-load. Throws input::ValueError naming the option.
std::optional<double> ReadForce(const PointLoadOptions& options);
/// The patch read, the standard one without --patch. Throws input::ValueError naming the
/// option.
input::Patch ReadPatch(const PointLoadOptions& options);
/// The point load, or none without --point-load. A --patch without it would check nothing:
/// throws input::ValueError saying it needs --point-load.
std::optional<PointLoad> ReadPointLoad(const PointLoadOptions& options);

}  // namespace deckplate::cli
