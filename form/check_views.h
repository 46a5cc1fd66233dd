#pragma once
// Where the window shows each check: the group it stands in, the result box that shows its value
// and turns blue when it is exceeded (a detailing check has none), the box of its limit where it
// has one, and its verdict line. Verify writes them, the report reads them back.

#include <optional>
#include <span>

#include "calc/check_id.h"
#include "form/control_table.h"

namespace deckplate::form {

struct CheckView {
    Check check;
    Control group;
    std::optional<Control> box;
    std::optional<Control> limitBox;
    Control verdict;
};

/// Every check's place, row i showing Check(i).
std::span<const CheckView> CheckViews();
const CheckView& ViewOf(Check check);

}  // namespace deckplate::form
