// deckplate-cli as a script sees it: the built executable, its output and its exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

// `errors`: where standard error goes, as a shell redirection; `before`: a command that runs it.
CliRun RunCli(const std::string& arguments, const char* errors = "2>/dev/null",
              const std::string& before = "") {
    const std::string command =
        before + std::string(DECKPLATE_CLI) + " " + arguments + " " + errors;
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// A bay checked on the legacy basis, whose numbers stay as they always were; kBayAnyBasis leaves
// the basis to the test.
const std::string kBayAnyBasis = "--dead 1 --live 2 --thickness 6 --span 2000 --spacing 500 ";
const std::string kBay = kBayAnyBasis + "--basis legacy ";

struct StatusCase {
    const char* name;
    std::string arguments;
    int status;
};
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class ExitStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatusTest, TellsScriptsWhatHappened) {
    EXPECT_EQ(RunCli(GetParam().arguments).status, GetParam().status) << GetParam().arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ExitStatusTest,
    testing::Values(
        StatusCase{"AllPass", "check " + kBay + "--flat-bar 80x8", 0},
        StatusCase{"AnglePasses", "check " + kBay + "--angle L63x40x5", 0},
        StatusCase{"Exceeded", "check " + kBay + "--angle L25x16x3", 1},
        // The walkway's deck passes the uniform load and fails 1.5 kN on 200 × 200 mm.
        StatusCase{"PointLoadExceeded",
                   "check --dead 1 --live 2 --thickness 4 --span 2000 --spacing 500 --angle "
                   "L45x28x3 --point-load 1.5",
                   1},
        StatusCase{"NegativePointLoad", "check " + kBay + "--flat-bar 80x8 --point-load -1", 2},
        StatusCase{"PatchWithoutSecondSide",
                   "check " + kBay + "--flat-bar 80x8 --point-load 1.5 --patch 200", 2},
        StatusCase{"PatchWithoutPointLoad", "check " + kBay + "--flat-bar 80x8 --patch 200x200", 2},
        StatusCase{
            "NegativeLoads",
            "check --dead -1 --live -2 --thickness 6 --span 2000 --spacing 500 --angle L25x16x3",
            2},
        StatusCase{"NegativeFlatBar", "check " + kBay + "--flat-bar -80x-8", 2},
        StatusCase{
            "NotANumber",
            "check --dead 1kN --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8", 2},
        StatusCase{
            "Infinity",
            "check --dead inf --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8", 2},
        StatusCase{
            "HexNumber",
            "check --dead 0x10 --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
            2},
        StatusCase{
            "BeyondDoubleRange",
            "check --dead 1e999 --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
            2},
        StatusCase{"MissingOption",
                   "check --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8", 2},
        StatusCase{"RepeatedOption", "check " + kBay + "--span 3000 --flat-bar 80x8", 2},
        StatusCase{"OptionWithoutValue", "check " + kBay + "--flat-bar", 2},
        StatusCase{"BothStiffeners", "check " + kBay + "--flat-bar 80x8 --angle L63x40x5", 2},
        StatusCase{"NoStiffener", "check " + kBay, 2},
        StatusCase{"UnknownDesignation", "check " + kBay + "--angle L63x40x9", 2},
        StatusCase{"UnknownBasis", "check " + kBayAnyBasis + "--flat-bar 80x8 --basis 2021", 2},
        StatusCase{"FlatBarWithoutThickness", "check " + kBay + "--flat-bar 80", 2},
        StatusCase{"NoCommand", "", 2}, StatusCase{"UnknownCommand", "verify", 2},
        StatusCase{
            "ZeroThickness",
            "check --dead 1 --live 2 --thickness 0 --span 2000 --spacing 500 --flat-bar 80x8", 2},
        StatusCase{"ZeroLoads",
                   "check --basis legacy --dead 0 --live 0 --thickness 6 --span 2000 --spacing 500 "
                   "--flat-bar 80x8",
                   3},
        StatusCase{"ZeroSpacing",
                   "check --dead 1 --live 2 --thickness 6 --span 2000 --spacing 0 --continuous "
                   "--flat-bar 80x8",
                   2},
        StatusCase{"Catalogue", "angles", 0},
        StatusCase{"DesignFindsOne", "design --dead 1 --live 2 --span 2000 --spacing 500", 0},
        StatusCase{"DesignNothingPasses", "design --dead 50 --live 100 --span 6000 --spacing 1000",
                   1},
        StatusCase{"DesignWithoutSpacing", "design --dead 1 --live 2 --span 2000", 2},
        StatusCase{"DesignNegativeSpacing", "design --dead 1 --live 2 --span 2000 --spacing -500",
                   2},
        StatusCase{"DesignEveryCandidateFaults",
                   "design --basis legacy --dead 0 --live 0 --span 2000 --spacing 500 --json", 3},
        StatusCase{"DesignCurrentBasis",
                   "design --dead 1 --live 2 --span 2000 --spacing 500 --basis current", 0},
        StatusCase{"DesignUnknownFamily",
                   "design --dead 1 --live 2 --span 2000 --spacing 500 --stiffener tube", 2},
        StatusCase{"BatchMissingFile", "batch /nonexistent/schedule.csv", 2},
        StatusCase{"BookPasses", "book " + kBay + "--flat-bar 80x8 -o /dev/null", 0},
        StatusCase{"BookExceeded", "book " + kBay + "--angle L25x16x3 --name B1 -o /dev/null", 1},
        StatusCase{"BookWithoutFile", "book " + kBay + "--flat-bar 80x8", 2},
        StatusCase{"BookUnwritable", "book " + kBay + "--flat-bar 80x8 -o /nonexistent/b.html", 2},
        StatusCase{"BookArithmeticFault",
                   "book --basis legacy --dead 0 --live 0 --thickness 6 --span 2000 --spacing 500 "
                   "--flat-bar 80x8 "
                   "-o /dev/null",
                   3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckText, ShowsTheWindowsResultsAsEngineersWriteThem) {
    const CliRun run = RunCli("check " + kBay + "--flat-bar 80x8");
    ASSERT_EQ(run.status, 0);
    for (const char* line :
         {"  静荷载：1 kN/m²\n", "  弯矩最大值：0.12 kN·m\n", "  加劲肋弯矩：1 kN·m\n",
          "  加劲肋挠度：1.39 mm\n", "  加劲肋强度：51.34 N/mm²\n", "  扁钢形心与短肢边距：4 cm\n",
          "  扁钢强轴惯性矩：34.13 cm⁴\n", "  扁钢截面面积：6.4 cm²\n",
          "  组合截面形心与铺板边距：1.9 cm\n", "  组合截面强轴惯性矩：108.76 cm⁴\n",
          "  铺板及加劲肋自重：0.6 kN/m²\n", "  荷载组合：1.2×恒+1.4×活（GB 50009-2012）\n",
          "  铺板强度：0.081\n", "  铺板挠度：0.180\n", "加劲肋挠度满足要求\n",
          "加劲肋强度满足要求\n", "钢铺板挠度满足要求\n", "钢铺板强度满足要求\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

// However a designation is typed, the outputs write it as the catalogue does.
TEST(CheckText, WritesDesignationsInTheCataloguesForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"--flat-bar 80*8", "扁钢 80x8"},
        {"--flat-bar 8e1X8", "扁钢 80x8"},
        {"--flat-bar 80×8", "扁钢 80x8"},
        {"--angle l63x40x5", "不等边角钢 L63x40x5"},
        {"--angle L63X40X5", "不等边角钢 L63x40x5"},
        {"--angle L63×40×5", "不等边角钢 L63x40x5"},
    };
    for (const auto& [stiffener, written] : cases) {
        const CliRun run = RunCli("check " + kBay + stiffener);
        EXPECT_EQ(run.status, 0) << stiffener;
        EXPECT_NE(run.out.find(std::string("  加劲肋类型：") + written + "\n"), std::string::npos)
            << stiffener << " gave: " << run.out;
    }
}

TEST(CheckJson, HasEveryKeyAtFullPrecision) {
    const CliRun run = RunCli("check " + kBay + "--flat-bar 80x8 --json");
    ASSERT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    const auto& plate = json.at("plate");
    for (const char* key : {"q", "qk", "alpha", "beta", "moment", "stress", "deflection"})
        EXPECT_TRUE(plate.at(key).is_number()) << key;
    for (const char* key : {"moment", "deflection", "stress"})
        EXPECT_TRUE(plate.at("display").at(key).is_string()) << key;
    const auto& s = json.at("stiffener");
    for (const char* key : {"be", "Ap", "Ip", "As", "Is", "ys", "Yo", "Ix", "Ms", "deflection",
                            "stress_top", "stress_bottom", "stress", "self_weight"})
        EXPECT_TRUE(s.at(key).is_number()) << key;
    const std::pair<const char*, const char*> display[] = {{"moment", " 1"},
                                                           {"deflection", " 1.39"},
                                                           {"stress", " 51.34"},
                                                           {"centroid", " 4"},
                                                           {"inertia", " 34.13"},
                                                           {"area", " 6.4"},
                                                           {"composite_centroid", " 1.9"},
                                                           {"composite_inertia", " 108.76"},
                                                           {"self_weight", " .6"}};
    for (const auto& [key, text] : display) EXPECT_EQ(s.at("display").at(key), text) << key;
    for (const auto* part : {&plate, &s}) {
        EXPECT_TRUE(part->at("utilisation").at("strength").is_number());
        EXPECT_TRUE(part->at("utilisation").at("deflection").is_number());
        EXPECT_FALSE(part->at("strength").at("exceeded").get<bool>());
        EXPECT_TRUE(part->at("deflection_check").at("ratio").is_number());
        EXPECT_TRUE(part->at("deflection_check").at("text").is_string());
    }
    EXPECT_EQ(s.at("utilisation").at("strength").get<double>(), 51.34 / 215);
    EXPECT_EQ(plate.at("utilisation").at("deflection").get<double>(),
              150 / plate.at("deflection_check").at("ratio").get<double>());
    EXPECT_EQ(json.at("basis"), "legacy");
    EXPECT_EQ(json.at("factors"), (nlohmann::json{{"dead", 1.2}, {"live", 1.4}}));
    EXPECT_EQ(plate.at("f"), 215);
    EXPECT_EQ(s.at("f"), 215);
    // Full round-trip precision, not the displayed two decimals.
    EXPECT_EQ(s.at("Ix").get<double>(),
              16.0 * 16.0 * 1080 + 3240 + 512000.0 * 8 / 12 + 27.0 * 27.0 * 640);
    EXPECT_EQ(plate.at("deflection").get<double>(),
              0.1422 * 3 * 62500000000.0 / (206000 * 216.0) / 1000);
}

TEST(CheckJson, CurrentBasisStatesItsFactorsAndLimits) {
    // P = 5 > 4 kN/m²: γQ = 1.4; a flat bar 18 mm thick: f = 205. The floor's self-weight
    // w = 0.0785·(6 + 200·18/500) = 1.0362 kN/m² is added to D: q = 1.0·(1.3·2.0362 + 1.4·5) =
    // 9.64706 (γ0 = 1.0, safety class 2 by default).
    const CliRun run = RunCli(
        "check --dead 1 --live 5 --thickness 6 --span 2000 --spacing 500 --flat-bar 200x18 "
        "--basis current --json");
    ASSERT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("basis"), "current");
    EXPECT_EQ(json.at("factors"), (nlohmann::json{{"dead", 1.3}, {"live", 1.4}}));
    EXPECT_EQ(json.at("plate").at("q"), 1.0 * (1.3 * (1 + 0.0785 * (6 + 3600.0 / 500)) + 1.4 * 5));
    EXPECT_EQ(json.at("plate").at("f"), 215);
    EXPECT_EQ(json.at("stiffener").at("f"), 205);
    EXPECT_EQ(json.at("stiffener").at("utilisation").at("strength"),
              json.at("stiffener").at("stress").get<double>() / 205);
}

// What a checker reads first: the bay as checked and the loads the checks took. Each row one
// fault: an input left out of the block, the self-weight added twice or not at all, γ0 of the
// wrong class, the continuous plate's shares missing, the legacy basis' caveat lost.
TEST(CheckJson, InputsAndLoadsAreTheBayAsChecked) {
    const double w = 0.0785 * (6 + 640.0 / 500);  // 80 × 8 at 500 mm on a 6 mm plate
    const struct {
        const char* name;
        std::string arguments;
        nlohmann::json inputs;  ///< the keys the row asserts
        nlohmann::json loads;
        const char* textLines;  ///< the lines of the text output that say the same
    } cases[] = {
        {"the current basis by default",
         kBayAnyBasis + "--flat-bar 80x8",
         {{"basis", "current"},
          {"safety_class", 2},
          {"dead_includes_self_weight", false},
          {"weld", "double"},
          {"weld_size", nullptr},
          {"point_load", nullptr}},
         {{"self_weight_added", w},
          {"dead_total", 1 + w},
          {"gamma0", 1.0},
          {"safety_class", 2},
          {"stiffener_dead_share", 1.0},
          {"stiffener_live_share", 1.0}},
         "  结构安全等级：二级（γ0 = 1.0）\n  自重：另加 0.57 kN/m²（钢铺板及加劲肋）\n"},
        {"class 1 and the self-weight in D",
         kBayAnyBasis + "--flat-bar 80x8 --safety-class 1 --dead-includes-self-weight --continuous",
         {{"safety_class", 1}, {"dead_includes_self_weight", true}, {"boundary", "continuous"}},
         {{"self_weight_added", 0.0},
          {"dead_total", 1.0},
          {"gamma0", 1.1},
          {"stiffener_dead_share", 1.143},
          {"stiffener_live_share", 1.223}},
         "  结构安全等级：一级（γ0 = 1.1）\n  自重：已含于静荷载\n"},
        {"an intermittent weld",
         kBayAnyBasis + "--flat-bar 80x8 --weld intermittent --weld-size 5 --weld-segment 60@120",
         {{"weld", "intermittent"}, {"weld_size", 5.0}, {"weld_segment", "60@120"}},
         {{"gamma0", 1.0}},
         "焊缝（双面断续角焊缝 hf = 5 mm，60@120，E43）\n"},
        // The text names the grade whose strengths the check took, without the quality mark.
        {"a grade with its mark",
         kBayAnyBasis + "--flat-bar 80x8 --steel Q355B",
         {{"steel", "Q355B"}},
         {{"gamma0", 1.0}},
         "  钢材牌号：Q355\n  加劲肋类型：扁钢 80x8\n"},
        {"a point load on a patch",
         kBayAnyBasis + "--angle L63x40x5 --point-load 2.5 --patch 100x350",
         {{"point_load", 2.5}, {"patch", "100x350"}},
         {{"gamma0", 1.0}},
         "\n集中荷载 2.5 kN，作用面 100×350 mm\n  钢铺板弯矩："},
        {"the legacy basis",
         kBay + "--flat-bar 80x8 --point-load 1.5",
         {{"basis", "legacy"}, {"point_load", 1.5}, {"patch", "200x200"}},
         {{"self_weight_added", 0.0}, {"gamma0", 1.0}},
         "  注：按 GB 50009-2012 的荷载分项系数复核原有计算；该规范的分项系数自 2022-01-01 起已由 "
         "GB 55001-2021 取代，新设计应按现行规范计算。\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli("check " + c.arguments + " --json");
        ASSERT_LE(run.status, 1) << c.name;
        const auto json = nlohmann::json::parse(run.out);
        for (const auto& [key, value] : c.inputs.items())
            EXPECT_EQ(json.at("inputs").at(key), value) << c.name << ": inputs." << key;
        for (const auto& [key, value] : c.loads.items())
            EXPECT_EQ(json.at("loads").at(key), value) << c.name << ": loads." << key;
        // The legacy basis knows none of the current basis' inputs.
        if (json.at("basis") == "legacy") {
            EXPECT_FALSE(json.at("inputs").contains("safety_class")) << c.name;
            EXPECT_EQ(json.at("note").get<std::string>().find("按 GB 50009-2012"), 0u) << c.name;
        }
        EXPECT_NE(RunCli("check " + c.arguments).out.find(c.textLines), std::string::npos)
            << c.name;
    }
}

// A bay that looks mistyped is checked and noted on standard error, naming the option.
TEST(CheckText, MistypedLookingInputsAreNoted) {
    const CliRun run = RunCli(
        "check --dead 0.6 --live 4 --thickness 6 --span 1.8 --spacing 600 "
        "--flat-bar 6x60",
        "2>&1 >/dev/null");
    EXPECT_EQ(run.out,
              "deckplate-cli: note: --span: 1.8 mm looks like metres typed: the program takes mm\n"
              "deckplate-cli: note: --flat-bar: the flat bar 6x60 is thicker than it is high: "
              "height x thickness swapped?\n");
}

TEST(CheckJson, ArithmeticFaultIsAnErrorObject) {
    const CliRun run = RunCli(
        "check --basis legacy --dead 0 --live 0 --thickness 6 --span 2000 --spacing 500 --flat-bar "
        "80x8 --json");
    EXPECT_EQ(run.status, 3);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("error").at("kind"), "division_by_zero");
    EXPECT_NE(json.at("error").at("message").get<std::string>().find("plate deflection ratio"),
              std::string::npos);
    const CliRun invalid = RunCli(
        "check --basis legacy --dead 0 --live 0 --thickness 1e-200 --span 2000 --spacing 500 "
        "--flat-bar "
        "80x8 --json");
    EXPECT_EQ(nlohmann::json::parse(invalid.out).at("error").at("kind"), "invalid_operation");
}

TEST(BadArguments, MessagesNameTheOption) {
    const std::pair<std::string, const char*> cases[] = {
        {"check " + kBay + "--span 3000 --flat-bar 80x8", "--span is given more than once"},
        {"check " + kBay + "--flat-bar", "--flat-bar needs a value"},
        {"check " + kBay + "--angle L63x40x9",
         "'L63x40x9' is not in the angle catalogue; the nearest are L63x40x6 and L63x40x7"},
        {"check " + kBay + "--angle L63x40", "'deckplate-cli angles' lists the designations"},
        {"check --dead 1kN --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
         "--dead: '1kN' is not a number"},
        {"check " + kBay, "the stiffener is missing"},
        {"book " + kBay + "--flat-bar 80x8 -o /nonexistent/nul.html",
         "-o: '/nonexistent/nul.html' names a device on Windows"},
        {"batch schedule.csv --basis gb2021", "--basis: 'gb2021' is neither legacy nor current"},
        {"check --dead --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
         "deckplate-cli: --dead needs a value\n"},
        {"check --dead -nan --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
         "--dead: '-nan' is not a number"},
        {"design --dead 1e308 --live 2 --span 2000 --spacing 500",
         "(overflow in plate stress); the numbers outgrew what can be computed; look at the "
         "largest input, --dead 1e308\n"},
        {"design --dead 1 --live 2 --span 2000 --spacings 1e308:1e308:1",
         "(overflow in plate moment); the numbers outgrew what can be computed; look at the "
         "largest input, --spacings 1e308:1e308:1\n"},
        {"design --dead 1 --live 2 --span 2000 --spacing 500 --top 1.5",
         "--top: '1.5' is not a whole number; give 1 to 100000"},
        {"design --dead 1 --live 2 --span 2000 --spacing 500 --least-thickness 9",
         "--least-thickness: the thickest plate of the list is 8.0 mm, not 9\n"},
        {"check --dead 1 --live 2 --thickness -6 --span 2000 --spacing 500 --flat-bar 80x8",
         "--thickness: must be greater than 0 mm, not -6\n"},
        {"check --dead 1 --live -2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8",
         "--live: must be 0 kN/m² or more, not -2\n"},
        {"check " + kBay + "--flat-bar 80x8 --point-load 1.5 --patch 0.001x0.001",
         "--patch: each side must be at least the plate's thickness, 6 mm, not 0.001x0.001\n"},
        {"design --basis legacy --dead 0 --live 0 --span 2000 --spacing 500 --json",
         "nothing was checked: all 3393 candidates hit an arithmetic fault (division by zero in "
         "plate deflection ratio"},
        {"book " + kBay + "--flat-bar 80x8 -o b.html --project-name \"$(printf 'A\\tB')\"",
         "--project-name: the text holds a line break or another control character"},
        {"book " + kBay + "--flat-bar 80x8 -o b.html --checked-by " + std::string(201, 'x'),
         "--checked-by: the text is longer than 200 characters"},
        {"book " + kBay + "--flat-bar 80x8 -o b.html --date 2023-02-29",
         "--date: must be a date written YYYY-MM-DD, such as 2024-05-31, not 2023-02-29"},
        {"book " + kBay + "--flat-bar 80x8 -o b.html --project /nonexistent/bay.deckplate",
         "--project /nonexistent/bay.deckplate: cannot be read"},
        {"batch schedule.csv --project-name 某厂",
         "the project information goes into calculation books: give --book FILE.docx or --books "
         "DIR with it"},
        // A wrong command line names what is wrong, the nearest name and where the names are.
        {"",
         "deckplate-cli: no command given; the commands are check, book, angles, batch, "
         "design ('deckplate-cli --help' describes them, 'deckplate-cli COMMAND --help' lists "
         "a command's options)\n"},
        {"help", "deckplate-cli: unknown command 'help'; the commands are check, book"},
        {"chek", "deckplate-cli: unknown command 'chek'; did you mean check? The commands are"},
        {"-V", "deckplate-cli: unknown option -V; did you mean --version? The commands are"},
        {"check --dead 1 --live 2 --thicknes 6 --span 2000 --spacing 500 --flat-bar 80x8",
         "deckplate-cli: check has no option --thicknes; did you mean --thickness? "
         "('deckplate-cli check --help' lists its options)\n"},
        {"check " + kBay + "--flat-bar 80x8 --point-lod 1.5",
         "check has no option --point-lod; did you mean --point-load?"},
        {"check " + kBay + "--flat-bar 80x8 1.5", "'1.5' belongs to no option of check"},
        {"design --dead 1 --live 2 --span 2000 --spacing 500 --patch 200x200",
         "deckplate-cli: --patch needs --point-load: without a point load the patch '200x200' "
         "checks nothing\n"},
        {"batch " EXAMPLE_SCHEDULE " --patch 200x200",
         "--patch needs --point-load or a point_load column in the schedule"},
        // A bay file's value is read as its option would be, and named by the file and its key.
        {"check --from " EXAMPLE_BAY " --spacing 0",
         "deckplate-cli: --spacing: must be greater than 0 mm, not 0\n"},
        {"check --from /nonexistent/bay.deckplate",
         "--from /nonexistent/bay.deckplate: cannot be read"},
        {"check --dead 1 --live 2 --thickness 6 --span 2000 --flat-bar 80x8",
         "--spacing is required, unless --from FILE.deckplate gives it\n"},
        // A book whose checks fail is still written, and says so.
        {"book " + kBay + "--angle L25x16x3 -o /dev/null",
         "deckplate-cli: wrote /dev/null: 2 of 4 checks failed\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const std::string said = RunCli(arguments, "2>&1").out;
        EXPECT_NE(said.find(message), std::string::npos) << arguments << " said: " << said;
    }
}

// A bay saved by check is checked again to the same output, options beside it overriding it.
TEST(BayFile, CheckSavesWhatCheckFromReadsBack) {
    const auto file = std::filesystem::temp_directory_path() / "cli_test_bay.deckplate";
    const std::string bay =
        "--dead 0.1 --thickness 4.5 --span 2000 --spacing 600 --continuous "
        "--angle l63X40*5 --basis current --steel q355 --point-load 1.5 "
        "--patch 150x100 ";
    const CliRun first =
        RunCli("check " + bay + "--live 2.0000000000000004 --save " + file.string());
    EXPECT_EQ(RunCli("check --from " + file.string()).out, first.out);
    EXPECT_EQ(RunCli("check --from " + file.string() + " --live 5").out,
              RunCli("check " + bay + "--live 5").out);
    std::filesystem::remove(file);
}

TEST(Design, EveryCandidateFaultingSaysOnlyThat) {
    EXPECT_EQ(
        RunCli("design --basis legacy --dead 0 --live 0 --span 2000 --spacing 500", "2>&1").out,
        "deckplate-cli: nothing was checked: all 3393 candidates hit an arithmetic fault "
        "(division by zero in plate deflection ratio spacing/deflection); look for a zero "
        "input\n");
    const CliRun json =
        RunCli("design --basis legacy --dead 0 --live 0 --span 2000 --spacing 500 --json");
    EXPECT_EQ(nlohmann::json::parse(json.out).at("error").at("kind"), "division_by_zero");
}

TEST(Book, WritesTheFileOnlyWhenTheCheckCompletes) {
    char folder[] = "/tmp/deckplate_book_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/平台A.html";
    const auto read = [&] {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    std::ofstream(path) << "earlier book";
    const std::string fault = RunCli(
                                  "book --basis legacy --dead 0 --live 0 --thickness 6 --span 2000 "
                                  "--spacing 500 --flat-bar 80x8 -o " +
                                      path,
                                  "2>&1")
                                  .out;
    EXPECT_NE(fault.find("division by zero in plate deflection ratio"), std::string::npos);
    EXPECT_NE(fault.find("no book was written"), std::string::npos);
    EXPECT_EQ(read(), "earlier book");
    EXPECT_EQ(RunCli("book " + kBay + "--flat-bar 80x8 --name 'Bay <1>' -o " + path).status, 0);
    EXPECT_TRUE(read().starts_with("<!DOCTYPE html>"));
    EXPECT_NE(read().find("Bay &lt;1&gt;"), std::string::npos);
    // The bay file's project fills the title block; an option replaces one of its fields.
    ASSERT_EQ(RunCli("book --from " EXAMPLE_BAY " --stage 初步设计 -o " + path).status, 0);
    EXPECT_NE(read().find("<td colspan=\"3\">某厂 3# 平台</td>"), std::string::npos);
    EXPECT_NE(read().find("<th>设计阶段</th><td>初步设计</td>"), std::string::npos);
    ASSERT_EQ(
        RunCli("book " + kBay + "--flat-bar 80x8 --project " EXAMPLE_BAY " -o " + path).status, 0);
    EXPECT_NE(read().find("<th>设计阶段</th><td>施工图</td>"), std::string::npos);
    EXPECT_EQ(RunCli("book " + kBay + "--flat-bar 80x8 -o " + path).status, 0);
    const std::string book = read();
    // A read-only book is kept, as an editor keeps it.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(RunCli("book " + kBay + "--flat-bar 80x8 --name other -o " + path).status, 2);
    EXPECT_EQ(read(), book);
    std::filesystem::remove_all(folder);
}

// Opening a FIFO for reading waits until some program opens it for writing: every command that
// reads a file refuses one at once, as it refuses a device. `timeout` ends a run that waits
// (status 124), so that a regression fails its row rather than hang the tests.
TEST(ReadFiles, APipeOrADeviceIsRefusedAtOnce) {
    char folder[] = "/tmp/deckplate_fifo_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string fifo = std::string(folder) + "/fifo.deckplate";
    const std::string book = std::string(folder) + "/b.html";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"check --from " + fifo, "--from " + fifo + ": is not a regular file"},
        {"book --from " + fifo + " -o " + book, "is not a regular file"},
        {"book " + kBay + "--flat-bar 80x8 --project " + fifo + " -o " + book,
         "--project " + fifo + ": is not a regular file"},
        {"batch " + fifo, "the schedule '" + fifo + "' is not a regular file"},
        {"batch " EXAMPLE_SCHEDULE " --book " + book + " --project " + fifo,
         "is not a regular file"},
        {"design --from " + fifo, "is not a regular file"},
        {"check --from /dev/zero", "--from /dev/zero: is not a regular file"},
        {"batch /dev/zero", "the schedule '/dev/zero' is not a regular file"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = RunCli(arguments, "2>&1", "timeout 10 ");
        EXPECT_EQ(run.status, 2) << arguments << " said: " << run.out;
        EXPECT_NE(run.out.find(message), std::string::npos) << arguments << " said: " << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(book));
    std::filesystem::remove_all(folder);
}

TEST(Angles, ListsTheWholeCatalogue) {
    const CliRun run = RunCli("angles");
    EXPECT_NE(run.out.find("L25x16x3"), std::string::npos);
    EXPECT_NE(run.out.find("L140x90x10"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 52);
}

}  // namespace
