// A value's problem in words: the case of a problem that changes its words, the input named as
// each language names it, and what the problem carries put into them, the text given as given.
#include "input/value_words.h"

#include <gtest/gtest.h>

namespace deckplate::input {
namespace {

TEST(ValueProblemWords, TheCaseAndTheInputChangeTheWords) {
    using enum ValueFault;
    const struct {
        const char* name;
        ValueProblem problem;
        const char* english;
        const char* chinese;
    } cases[] = {
        {"blanks only say that nothing was given",
         {.fault = NotANumber, .input = {"column 'dead'", BayField::Dead}, .value = "  "},
         "column 'dead': no value given; a number is needed",
         "静荷载没有给出数值"},
        {"an option's patch names the option its load needs",
         {.fault = PatchWithoutPointLoad, .input = {"--patch", BayField::Patch}, .value = "200x"},
         "--patch needs --point-load: without a point load the patch '200x' checks nothing",
         "作用面“200x”没有对应的集中荷载，请在 point_load 一栏给出"},
        {"a row's patch names the column and the option",
         {.fault = PatchWithoutPointLoad,
          .input = {"column 'patch'", BayField::Patch},
          .value = "200x"},
         "column 'patch': '200x' needs a point load: give one in column 'point_load' or with "
         "--point-load",
         "作用面“200x”没有对应的集中荷载，请在 point_load 一栏给出"},
        {"an option's grade names the basis option",
         {.fault = GradeWithLegacyBasis, .input = {"--steel", BayField::Steel}, .value = "Q355"},
         "--steel Q355 needs --basis current: the legacy basis knows Q235 only (f = 215 for every "
         "part)",
         "钢材牌号 Q355 须按现行规范计算；原规范只有 Q235（f = 215）"},
        {"a designation's part named by its place in the whole",
         {.fault = NotPositive,
          .input = {"column 'stiffener'", BayField::FlatBarThickness},
          .value = "0",
          .whole = "80x0"},
         "column 'stiffener' (80x0) thickness: must be greater than 0 mm, not 0",
         "扁钢厚必须大于 0 mm，现为 0"},
        {"a count's range",
         {.fault = NotWhole, .input = {"--top"}, .value = "2.5", .least = 1, .most = 100000},
         "--top: '2.5' is not a whole number; give 1 to 100000",
         "--top“2.5”不是整数，应为 1 至 100000"},
        {"the grade and the end of its table",
         {.fault = ThickerThanTable,
          .input = {"--thickness", BayField::Thickness},
          .value = "70",
          .bound = 63,
          .steel = SteelGrade::Q390},
         "--thickness: 70 mm is thicker than the strength table of Q390 goes (to 63 mm, "
         "GB 50017-2017 Table 4.4.1); the code gives no design strength for it",
         "铺板厚度 70 mm 超出 Q390 强度设计值表的厚度范围（至 63 mm，GB 50017-2017 表 "
         "4.4.1），规范未给出其强度设计值"},
        {"a placeholder and an escape in the text given stay as given, shown safely",
         {.fault = NotABasis, .input = {"column 'basis'", BayField::Basis}, .value = "{name}\x1b"},
         "column 'basis': '{name}\\x1b' is neither legacy nor current",
         "计算依据“{name}\\x1b”应为 legacy（原规范）或 current（现行规范）"},
        {"a command's own rule in its own words", ValueError("--docx needs --books").Problem(),
         "--docx needs --books", "--docx needs --books"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueProblemText(c.problem), c.english) << c.name;
        EXPECT_EQ(ValueProblemWords(c.problem), c.chinese) << c.name;
    }
}

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
        ValueProblem problem;
        problem.fault = ValueFault::NotInCatalogue;
        problem.input = {"column 'stiffener'", BayField::Stiffener};
        problem.value = c.given;
        EXPECT_EQ(ValueProblemWords(problem), c.words) << c.given;
    }
}

// A notice in each language: the line it concerns, the line's GBK reading only when there is
// one, shown and never read as words.
TEST(NoticeWords, TheLineAndItsReadingChangeTheWords) {
    const struct {
        const char* name;
        Notice notice;
        const char* english;
        const char* chinese;
    } cases[] = {
        {"a grade's former name",
         {.kind = NoticeKind::FormerGradeName},
         "Q345 is the grade's name before GB/T 1591-2018; taken as Q355",
         "Q345 是 GB/T 1591-2018 之前的牌号，按 Q355 计算。"},
        {"a line that reads as GBK",
         {.kind = NoticeKind::NotUtf8AfterMark, .line = 3, .asGbk = "二层"},
         "the schedule 'a.csv' starts with a UTF-8 byte-order mark, but line 3 is not UTF-8 (it "
         "reads as GBK: 二层); its characters that are not UTF-8 are shown as \xef\xbf\xbd. Save "
         "the schedule again as UTF-8 CSV, or as GBK CSV without the mark",
         "排表以 UTF-8 字节顺序标记开头，但第 3 行不是 UTF-8（按 GBK 读作：二层）；其中不是 UTF-8 "
         "的字符显示为 \xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 GBK CSV。"},
        {"a line that does not",
         {.kind = NoticeKind::NotUtf8AfterMark, .line = 12},
         "the schedule 'a.csv' starts with a UTF-8 byte-order mark, but line 12 is not UTF-8; its "
         "characters that are not UTF-8 are shown as \xef\xbf\xbd. Save the schedule again as "
         "UTF-8 CSV, or as GBK CSV without the mark",
         "排表以 UTF-8 字节顺序标记开头，但第 12 行不是 UTF-8；其中不是 UTF-8 的字符显示为 "
         "\xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 GBK CSV。"},
        {"a reading holding braces and an escape",
         {.kind = NoticeKind::NotUtf8AfterMark, .line = 2, .asGbk = "{line}\x1b"},
         "the schedule 'a.csv' starts with a UTF-8 byte-order mark, but line 2 is not UTF-8 (it "
         "reads as GBK: {line}\\x1b); its characters that are not UTF-8 are shown as "
         "\xef\xbf\xbd. Save the schedule again as UTF-8 CSV, or as GBK CSV without the mark",
         "排表以 UTF-8 字节顺序标记开头，但第 2 行不是 UTF-8（按 GBK 读作：{line}\\x1b）；其中不是 "
         "UTF-8 的字符显示为 \xef\xbf\xbd。请重新另存为 UTF-8 的 CSV，或不带标记的 GBK CSV。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NoticeText(c.notice, "a.csv"), c.english) << c.name;
        EXPECT_EQ(NoticeWords(c.notice), c.chinese) << c.name;
    }
}

}  // namespace
}  // namespace deckplate::input
