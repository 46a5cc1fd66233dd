#include "project/bay_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calc/angle_catalogue.h"

namespace deckplate::project {
namespace {

// A bay half typed, as the window may save it: a box holding text that is not a number, an
// angle picked while the flat bar's boxes keep their sizes.
const BayFile kHalfTyped{.programVersion = "1.1.0",
                         .project = {.name = "某厂 3# 平台",
                                     .calculatedBy = "张三",
                                     .date = "2026-12-08",
                                     .designUnit = "某某设计研究院",
                                     .logo = "D:\\标志\\院标.png"},
                         .bay = {.texts = {{BayField::Dead, "1.5"},
                                           {BayField::Live, "4,5"},
                                           {BayField::Thickness, "4.5"},
                                           {BayField::Span, " "},
                                           {BayField::Spacing, "600"},
                                           {BayField::Basis, "current"},
                                           {BayField::Steel, "Q390"},
                                           {BayField::SafetyClass, "1"},
                                           {BayField::DeadIncludesSelfWeight, "yes"},
                                           {BayField::Weld, "intermittent"},
                                           {BayField::WeldSize, "5"},
                                           {BayField::WeldSegments, "50@150"}},
                                 .simplySupported = false,
                                 .continuous = true,
                                 .stiffener = StiffenerKind::Angle,
                                 .flatBarHeight = "80",
                                 .flatBarThickness = "",
                                 .angle = "L63x40x5",
                                 .pointLoadChecked = true,
                                 .pointLoad = "1e300"}};

TEST(BayFile, ReadsBackWhatItWrote) {
    EXPECT_EQ(ReadBayFileText(BayFileText(kHalfTyped)), kHalfTyped);
}

// A file of an earlier version, without the institute's keys, opens with them empty.
TEST(BayFile, ProjectWithoutTheInstitutesKeys) {
    const BayFile file = ReadBayFileText(R"({"format": "deckplate-bay", "format_version": 1,
        "project": {"name": "某厂", "number": "", "part": "", "stage": "", "calculated_by": "张三",
                    "checked_by": "", "approved_by": "", "date": ""}})");
    EXPECT_EQ(file.project, (ProjectInfo{.name = "某厂", .calculatedBy = "张三"}));
}

TEST(BayFile, WrittenByHandWithPlainNumbers) {
    const BayFile file = ReadBayFileText(R"({"format": "deckplate-bay", "format_version": 1,
        "bay": {"dead": 1.5, "live": 4, "thickness": 6, "span": 2000, "spacing": 0.1e3,
                "stiffener": "flat_bar", "flat_bar_height": 80, "flat_bar_thickness": 8,
                "angle": "l63X40*5", "steel": "q345"}})");
    EXPECT_EQ(file.bay.Text(BayField::Dead), "1.5");
    EXPECT_EQ(file.bay.Text(BayField::Live), "4");
    EXPECT_EQ(file.bay.Text(BayField::Spacing), "100.0");
    EXPECT_EQ(file.bay.stiffener, StiffenerKind::FlatBar);
    EXPECT_EQ(file.bay.angle, "L63x40x5");              // one rule for designations everywhere
    EXPECT_EQ(file.bay.Text(BayField::Steel), "q345");  // read as Q355, as every grade is
    EXPECT_EQ(file.bay.pointLoad, "1.5");               // what a new window holds
    // The inputs a file written before them lacks are a new bay's.
    EXPECT_EQ(file.bay.Text(BayField::SafetyClass), "2");
    EXPECT_EQ(file.bay.Text(BayField::DeadIncludesSelfWeight), "no");
    EXPECT_EQ(file.bay.Text(BayField::Weld), "double");
    EXPECT_EQ(file.bay.Text(BayField::WeldSize), "");
}

TEST(BayFile, TheBayOfACheckReadsBackToTheLastBit) {
    const BayInput bay{.dead = 0.1 + 0.2,
                       .live = 2,
                       .thickness = ThicknessOf(4.5),
                       .span = 2000.0000000000002,
                       .spacing = 1e-300,
                       .stiffener = CatalogueAngle{*FindAngle("L80x50x8")},
                       .pointLoad = PointLoad{.force = 1.5, .across = 150, .along = 100}};
    const SavedBay saved = ReadBayFileText(BayFileText({.bay = SavedBayOf(bay)})).bay;
    EXPECT_EQ(std::stod(saved.Text(BayField::Dead)), bay.dead);
    EXPECT_EQ(std::stod(saved.Text(BayField::Span)), bay.span);
    EXPECT_EQ(std::stod(saved.Text(BayField::Spacing)), bay.spacing);
    EXPECT_EQ(saved.angle, "L80x50x8");
    EXPECT_EQ(saved.patchAcross, "150");
}

TEST(BayFile, EachFaultSaysWhatAndWhere) {
    const auto bay = [](const std::string& members) {
        return R"({"format": "deckplate-bay", "format_version": 1, "bay": {)" + members + "}}";
    };
    const struct {
        std::string text;
        BayFileFault fault;
        std::string key;
        std::string message;
    } cases[] = {
        {"{\n  \"format\": deckplate", BayFileFault::NotJson, "", "is not JSON: line 2, column 13"},
        {R"({"format": "deckplate-bay", "format_version": 1, "bay": {"dead": "1)",
         BayFileFault::Truncated, "", "ends before its JSON does; it may have been cut short"},
        {R"({"format": "deckplate-bay", "format_version": 1, "bay": {"span": 1e999}})",
         BayFileFault::NotJson, "", "is not JSON: a number is beyond the range of numbers"},
        {R"([1, 2])", BayFileFault::NotABayFile, "",
         "is not a bay file: it lacks \"format\": \"deckplate-bay\""},
        {R"({"format": "deckplate-bay", "format_version": 2})", BayFileFault::NewerVersion,
         "format_version",
         "is of format version 2, written by a newer program; this one reads up to version 1"},
        {R"({"format": "deckplate-bay"})", BayFileFault::WrongType, "format_version",
         "format_version: must be a whole number"},
        {bay(R"("dead": true)"), BayFileFault::WrongType, "bay.dead",
         "bay.dead: must be a number or text in quotes"},
        {bay(R"("continuous": "yes")"), BayFileFault::WrongType, "bay.continuous",
         "bay.continuous: must be true or false"},
        {bay(R"("span": -2000)"), BayFileFault::Negative, "bay.span",
         "bay.span: must not be negative, not -2000"},
        {bay(R"("angle": "L63x40x9")"), BayFileFault::UnknownAngle, "bay.angle",
         "bay.angle: \"L63x40x9\" is not in the angle catalogue (deckplate-cli angles lists it)"},
        {bay(R"("stiffener": "channel")"), BayFileFault::UnknownChoice, "bay.stiffener",
         "bay.stiffener: \"channel\" is none of flat_bar, angle"},
        {bay(R"("steel": "Q500")"), BayFileFault::UnknownChoice, "bay.steel",
         "bay.steel: \"Q500\" is none of Q235, Q355, Q390, Q420, Q460"},
        {bay(R"("dead_laod": "1")"), BayFileFault::UnknownKey, "bay.dead_laod",
         "bay.dead_laod: no such key in a bay file"},
        {R"({"format": "deckplate-bay", "format_version": 1, "project": {"name": 3}})",
         BayFileFault::WrongType, "project.name", "project.name: must be text in quotes"},
        // The parser would quietly take the last of a key given twice.
        {bay(R"("dead": "1", "live": "2", "dead": "9")"), BayFileFault::RepeatedKey, "bay.dead",
         "bay.dead: given more than once; give it once"},
        {R"({"format": "deckplate-bay", "format_version": 1, "format_version": 1})",
         BayFileFault::RepeatedKey, "format_version",
         "format_version: given more than once; give it once"},
        // A project's field as the options take it (project_info_test.cpp has the rule's table).
        {R"({"format": "deckplate-bay", "format_version": 1, "project": {"date": "2026-02-30"}})",
         BayFileFault::ProjectText, "project.date",
         "project.date: \"2026-02-30\" must be a date written YYYY-MM-DD, such as 2024-05-31"},
        // Nothing of the file reaches a terminal as it is, nor as a page.
        {bay(R"("\u001b]0;PWNED\u0007\u001b[2J": "1")"), BayFileFault::UnknownKey,
         "bay.\x1b]0;PWNED\x07\x1b[2J",
         "bay.\\x1b]0;PWNED\\x07\\x1b[2J: no such key in a bay file"},
        {bay(R"("steel": "Q3\u000055")"), BayFileFault::UnknownChoice, "bay.steel",
         "bay.steel: \"Q3\\x0055\" is none of Q235, Q355, Q390, Q420, Q460"},
        {bay("\"" + std::string(100000, 'k') + "\": 1"), BayFileFault::UnknownKey,
         "bay." + std::string(100000, 'k'),
         "bay." + std::string(56, 'k') + "…: no such key in a bay file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            ReadBayFileText(c.text);
            ADD_FAILURE() << "read";
        } catch (const BayFileError& e) {
            EXPECT_EQ(e.Problem().fault, c.fault);
            EXPECT_EQ(e.Problem().key, c.key);
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

TEST(BayFile, AFileTooLargeIsRefusedBeforeItIsRead) {
    const auto path = std::filesystem::temp_directory_path() / "large.deckplate";
    {
        std::ofstream large(path, std::ios::binary);
        large.seekp(static_cast<std::streamoff>(kLargestBayFile) * 1024);
        large.put('}');
    }
    try {
        ReadBayFile(path.string());
        ADD_FAILURE() << "read";
    } catch (const BayFileError& e) {
        EXPECT_EQ(e.Problem().fault, BayFileFault::TooLarge);
        EXPECT_EQ(e.Problem().size, kLargestBayFile * 1024 + 1);
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace deckplate::project
