// What a field of the project information may hold, whatever gives it: the options, a bay file or
// the window's 工程信息 (each source's own test gives it some of these values).
#include "project/project_info.h"

#include <gtest/gtest.h>

namespace deckplate::project {
namespace {

const ProjectField& Field(std::string_view key) {
    for (const ProjectField& field : ProjectFields())
        if (field.key == key) return field;
    throw std::logic_error("no field " + std::string(key));
}

std::string Repeated(int times, std::string_view text) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

TEST(ProjectTextProblem, OneLineOfTextAndADayOfTheCalendar) {
    using enum ProjectTextFault;
    const struct {
        const char* name;
        std::string_view key;
        std::string text;
        std::optional<ProjectTextFault> fault;
    } cases[] = {
        {"a name", "name", "某厂 3# 平台", std::nullopt},
        {"200 characters", "name", Repeated(200, "平"), std::nullopt},
        {"201 characters", "checked_by", std::string(201, 'x'), TooLong},
        {"a page", "name", std::string(10000, 'x'), TooLong},
        {"a line break", "name", "某厂\n3# 平台", ControlCharacter},
        {"a terminal's escape", "part", "\x1b[2J", ControlCharacter},
        {"a NUL", "stage", std::string("施工\0图", 10), ControlCharacter},
        {"a C1 control", "number",
         "2026\xc2\x85"
         "017",
         ControlCharacter},
        {"not UTF-8", "calculated_by", "\xd5\xc5\xc8\xfd", NotUtf8},
        {"no date: today", "date", "", std::nullopt},
        {"a leap day", "date", "2024-02-29", std::nullopt},
        {"no such day", "date", "2026-02-30", NotADate},
        {"a word", "date", "明天", NotADate},
        {"a five-digit year", "date", "99999-01-01", NotADate},
        {"without zeros", "date", "2024-5-31", NotADate},
        {"a date in another field", "name", "明天", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectTextProblem(Field(c.key), c.text), c.fault) << c.name;
}

TEST(ProjectInfoProblem, NamesTheFirstFieldAtFault) {
    const auto problem = ProjectInfoProblem({.name = "某厂", .approvedBy = "\t", .date = "明天"});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field->key, "approved_by");
    EXPECT_EQ(problem->fault, ProjectTextFault::ControlCharacter);
    EXPECT_FALSE(ProjectInfoProblem({.name = "某厂", .date = "2026-12-08"}));
}

}  // namespace
}  // namespace deckplate::project
