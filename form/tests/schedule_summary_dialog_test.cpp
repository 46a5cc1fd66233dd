// The window's words for a schedule's run.
#include "form/schedule_summary_dialog.h"

#include <gtest/gtest.h>

#include "input/bay_inputs.h"

namespace deckplate::form {
namespace {

// A schedule run by the window names the defaults it lent the rows, γ0 as the code writes it.
TEST(ScheduleSummaryWords, NameTheDefaultsTheWindowLent) {
    ScheduleRunRecord run;
    run.defaults.bay = input::DefaultBay();
    const std::string text = SummaryText(run);
    EXPECT_NE(text.find("结构安全等级 二级，γ0 = 1.0，恒荷载已含自重 否，另加钢铺板及加劲肋自重，"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace deckplate::form
