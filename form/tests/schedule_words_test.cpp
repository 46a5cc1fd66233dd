// The window's words for a value it refuses, where they name what the user may give instead.
#include "form/schedule_words.h"

#include <gtest/gtest.h>

#include "form/schedule_summary_dialog.h"
#include "input/bay_inputs.h"

namespace deckplate::form {
namespace {

TEST(ValueProblemWords, AnAngleNotInTheCatalogueNamesTheNearest) {
    const struct {
        const char* given;
        const char* words;
    } cases[] = {
        {"L75x50x7", "加劲肋规格“L75x50x7”不在角钢规格表中（最接近的是 L75x50x6、L75x50x8）"},
        {"L99x9x9", "加劲肋规格“L99x9x9”不在角钢规格表中（最接近的是 L100x63x8、L100x63x10）"},
        {"L63x40", "加劲肋规格“L63x40”不在角钢规格表中（如 L63x40x5）"},
    };
    for (const auto& c : cases) {
        input::ValueProblem problem;
        problem.fault = input::ValueFault::NotInCatalogue;
        problem.input = {"column 'stiffener'", BayField::Stiffener};
        problem.value = c.given;
        EXPECT_EQ(ValueProblemWords(problem), c.words) << c.given;
    }
}

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
