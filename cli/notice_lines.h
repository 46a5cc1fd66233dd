#pragma once
// A reading's notices on standard error, in English, a line each: "deckplate-cli: note: Q345 is
// the grade's name …", "deckplate-cli: warning: the schedule '…' starts with a UTF-8 …".

#include <iosfwd>
#include <span>
#include <string_view>

#include "input/notices.h"

namespace deckplate::cli {

/// Says each of `notices` on `err`, a schedule's naming it by `schedule` as given.
void SayNotices(std::ostream& err, std::span<const input::Notice> notices,
                std::string_view schedule = {});

}  // namespace deckplate::cli
