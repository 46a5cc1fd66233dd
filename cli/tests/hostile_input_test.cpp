// What a hostile bay file, schedule or option gives the command line: every message shows it
// safely, the project information takes only what the options would, a part beyond the strength
// table is refused, and nothing is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli/tests/cli_run.h"
#include "os/paths.h"
#include "os/tests/test_folder.h"

namespace deckplate::cli {
namespace {

namespace fs = std::filesystem;

const std::string kBay = "--dead 1 --live 2 --thickness 6 --span 2000 --spacing 500";

// A bay file of the worked flat bar bay with `project`'s members, and `bay`'s members in place of
// the bay's own of their keys.
std::string BayFile(const std::string& project, const std::string& bay) {
    const std::pair<const char*, const char*> worked[] = {{"dead", "1"},
                                                          {"live", "2"},
                                                          {"thickness", "6"},
                                                          {"span", "2000"},
                                                          {"spacing", "500"},
                                                          {"stiffener", "flat_bar"},
                                                          {"flat_bar_height", "80"},
                                                          {"flat_bar_thickness", "8"}};
    std::string members = bay;
    for (const auto& [key, value] : worked) {
        std::string quoted(1, '"');
        (quoted += key) += '"';
        if (bay.find(quoted + ":") != std::string::npos) continue;
        (((members += members.empty() ? "" : ", ") += quoted) += ": \"") += value;
        members += '"';
    }
    return R"({"format": "deckplate-bay", "format_version": 1, "project": {)" + project +
           R"(}, "bay": {)" + members + "}}";
}

// Whether a terminal would act on a byte of `text` rather than show it.
bool HasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n') || byte == 0x7f;
    });
}

TEST(HostileInput, MessagesShowWhatTheyQuoteSafelyAndShortly) {
    const std::string escapes = R"(\u001b]0;PWNED\u0007\u001b[2J)";
    const std::string shown = "\\x1b]0;PWNED\\x07\\x1b[2J";
    const struct {
        const char* name;
        std::string bay;  // the bay file's members after the flat bar's, or a schedule's row
        std::string options;
        std::string message;
    } cases[] = {
        {"steel", std::string(R"("basis": "current", "steel": ")") + escapes + "\"", "",
         std::string("bay.steel: \"") + shown + "\" is none of"},
        {"unknown key", std::string("\"") + escapes + "\": 1", "",
         std::string("bay.") + shown + ": no such key"},
        {"angle", std::string(R"("stiffener": "angle", "angle": "L)") + escapes + "\"", "",
         std::string("bay.angle: \"L") + shown + "\" is not in the angle catalogue"},
        {"basis", std::string(R"("basis": ")") + escapes + "\"", "",
         std::string("bay.basis: \"") + shown + "\" is none"},
        {"box", std::string(R"("span": ")") + escapes + "\"", "",
         std::string("bay.span: '") + shown + "' is not a number"},
        {"NUL", R"("basis": "current", "steel": "Q3\u000055")", "",
         "bay.steel: \"Q3\\x0055\" is none of Q235, Q355, Q390, Q420, Q460\n"},
        {"long key", std::string("\"") + std::string(100000, 'k') + "\": 1", "",
         std::string("bay.") + std::string(56, 'k') + "…: no such key"},
        {"option", "", "--angle \x1b[2J", "--angle: '\\x1b[2J' is not in the angle catalogue"},
        // A message names the file's own keys, and says what is missing as missing.
        {"patch side below the plate",
         R"("check_point_load": true, "point_load": "1.5", "patch_across": "1.5", "patch_along": "200")",
         "",
         "bay.patch_across/patch_along: each side must be at least the plate's thickness, 6 mm, "
         "not 1.5x200"},
        {"flat bar height left empty", R"("flat_bar_height": "")", "",
         "bay.flat_bar_height: no value given; a number is needed"},
        {"command line word", "", "\x1b[2J", "'\\x1b[2J' belongs to no option of check"},
    };
    for (const auto& c : cases) {
        os::Folder folder;
        const fs::path bay = folder.path() / "bay.deckplate";
        std::ofstream(bay, std::ios::binary) << BayFile("", c.bay);
        std::vector<std::string> arguments{"check", "--from", os::Utf8Of(bay)};
        if (!c.options.empty()) {
            const std::size_t blank = c.options.find(' ');
            arguments.push_back(c.options.substr(0, blank));
            if (blank != std::string::npos) arguments.push_back(c.options.substr(blank + 1));
        }
        const InProcessRun run = RunInProcess(arguments);
        EXPECT_EQ(run.status, kBadArguments) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_FALSE(HasControl(run.err)) << c.name << ": " << run.err;
        EXPECT_LT(run.err.size(), 400u) << c.name;
    }
}

TEST(HostileInput, ScheduleErrorsShowTheCellSafely) {
    os::Folder folder;
    const fs::path schedule = folder.path() / "s.csv";
    std::ofstream(schedule, std::ios::binary)
        << "name,dead,live,thickness,span,spacing,boundary,stiffener\r\n"
        << "A,1,2,6,2000,500,simple,\x1b]0;PWNED\x07\r\n";
    const InProcessRun run = RunInProcess({"batch", os::Utf8Of(schedule)});
    EXPECT_EQ(run.status, kLimitExceeded);
    EXPECT_NE(run.out.find("column 'stiffener': '\\x1b]0;PWNED\\x07' is not a flat bar"),
              std::string::npos)
        << run.out;
}

// One rule for the project information, whatever gives it: the options, the bay file a bay is
// read --from, or the bay file --project names.
TEST(HostileInput, ProjectInformationFromEverySourceTakesOnlyWhatTheOptionsWould) {
    const struct {
        const char* name;
        const char* option;
        std::string key;  // in the bay file
        std::string text;
        std::string json;  // the text as JSON writes it
        bool taken;
    } values[] = {
        {"no such day", "--date", "date", "2026-02-30", "2026-02-30", false},
        {"a word for a date", "--date", "date", "明天", "明天", false},
        {"a five-digit year", "--date", "date", "99999-01-01", "99999-01-01", false},
        {"a line break", "--project-name", "name", "某厂\n平台", R"(某厂\n平台)", false},
        {"ESC", "--part", "part", "\x1b[2J", R"(\u001b[2J)", false},
        {"a page", "--checked-by", "checked_by", std::string(10000, 'x'), std::string(10000, 'x'),
         false},
        {"200 characters", "--project-name", "name", std::string(200, 'x'), std::string(200, 'x'),
         true},
    };
    for (const auto& v : values) {
        for (const char* source : {"option", "--from", "--project"}) {
            SCOPED_TRACE(std::string(v.name) + " from " + source);
            os::Folder folder;
            const fs::path bay = folder.path() / "bay.deckplate", book = folder.path() / "b.html";
            std::ofstream(bay, std::ios::binary)
                << BayFile(std::string("\"") + v.key + "\": \"" + v.json + "\"", "");
            std::vector<std::string> arguments{"book", "-o", os::Utf8Of(book)};
            const std::string given(source);
            if (given != "--from") {
                std::istringstream words(kBay + " --flat-bar 80x8");
                for (std::string word; words >> word;) arguments.push_back(word);
            }
            if (given == "option") {
                arguments.push_back(v.option);
                arguments.push_back(v.text);
            } else {
                arguments.push_back(given);
                arguments.push_back(os::Utf8Of(bay));
            }
            const InProcessRun run = RunInProcess(arguments);
            EXPECT_EQ(run.status, v.taken ? kAllPass : kBadArguments) << run.err;
            EXPECT_EQ(fs::exists(book), v.taken);
            if (v.taken) continue;
            const std::string where =
                given == "option" ? std::string(v.option) + ": " : "project." + v.key + ": ";
            EXPECT_NE(run.err.find(where), std::string::npos) << run.err;
            EXPECT_FALSE(HasControl(run.err)) << run.err;
        }
    }
}

TEST(HostileInput, APartBeyondTheStrengthTableIsRefused) {
    const std::string current = " --basis current --steel ";
    const struct {
        const char* name;
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"Q355 flat bar 80 mm thick", kBay + " --flat-bar 300x80" + current + "Q355", kBadArguments,
         "--flat-bar (300x80) thickness: 80 mm is thicker than the strength table of Q355 goes "
         "(to 63 mm, GB 50017-2017 Table 4.4.1); the code gives no design strength for it"},
        {"Q235 plate 101 mm thick",
         "--dead 1 --live 2 --thickness 101 --span 2000 --spacing 500 --flat-bar 80x8" + current +
             "Q235",
         kBadArguments,
         "--thickness: 101 mm is thicker than the strength table of Q235 goes (to 100"},
        {"Q235 flat bar 80 mm thick", kBay + " --flat-bar 300x80" + current + "Q235", kAllPass, ""},
        {"legacy basis, one strength for all", kBay + " --flat-bar 300x80 --basis legacy", kAllPass,
         ""},
        {"Q235 with the legacy basis", kBay + " --flat-bar 80x8 --basis legacy --steel q235",
         kAllPass, ""},
        {"Q355 with the legacy basis", kBay + " --flat-bar 80x8 --basis legacy --steel Q355",
         kBadArguments, "--steel Q355 needs --basis current"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"check"};
        std::istringstream words(c.arguments);
        for (std::string word; words >> word;) arguments.push_back(word);
        const InProcessRun run = RunInProcess(arguments);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    }
    // A bay file's part is named by its key; a schedule's row by its column.
    os::Folder folder;
    const fs::path bay = folder.path() / "bay.deckplate";
    std::ofstream(bay, std::ios::binary)
        << BayFile("", R"("flat_bar_thickness": "80", "basis": "current", "steel": "Q390")");
    const InProcessRun fromFile = RunInProcess({"check", "--from", os::Utf8Of(bay)});
    EXPECT_EQ(fromFile.status, kBadArguments);
    EXPECT_NE(fromFile.err.find("bay.flat_bar_thickness: 80 mm is thicker than the strength "
                                "table of Q390 goes (to 63 mm"),
              std::string::npos)
        << fromFile.err;
    const fs::path schedule = folder.path() / "s.csv";
    std::ofstream(schedule, std::ios::binary)
        << "name,dead,live,thickness,span,spacing,boundary,stiffener,basis,steel\r\n"
        << "A,1,2,6,2000,500,simple,300x80,current,Q460\r\n";
    const InProcessRun row = RunInProcess({"batch", os::Utf8Of(schedule)});
    EXPECT_NE(row.out.find("line 2: column 'stiffener' (300x80) thickness: 80 mm is thicker"),
              std::string::npos)
        << row.out;
}

}  // namespace
}  // namespace deckplate::cli
