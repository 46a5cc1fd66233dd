// The window's words for a value it refuses, where they name what the user may give instead.
#include "form/schedule_words.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace deckplate::form
