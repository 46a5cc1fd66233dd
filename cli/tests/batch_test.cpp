// Schedules as spreadsheets write them, checked row by row.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc/design_basis.h"
#include "os/paths.h"
#include "os/tests/test_folder.h"
#include "schedule/csv_reader.h"

namespace deckplate::cli {
namespace {

// A fresh folder of the system's temporary folder, named as a script names a file: in UTF-8.
class TempFolder {
  public:
    const std::string& path() const { return path_; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_.path() / name, std::ios::binary) << bytes;
        return path_ + "/" + name;
    }
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& name : folder_.Files()) names.insert(name.string());
        return names;
    }

  private:
    os::Folder folder_;
    std::string path_ = os::Utf8Of(folder_.path());
};

class TempFile {
  public:
    explicit TempFile(const std::string& bytes) : path_(folder_.Write("schedule.csv", bytes)) {}
    const std::string& path() const { return path_; }

  private:
    TempFolder folder_;
    std::string path_;
};

std::string Read(const std::string& path) {
    std::ifstream file(os::PathFromUtf8(path), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

struct BatchRun {
    int status;
    std::string out;
    std::string err;
    std::vector<std::vector<std::string>> rows;  // parsed back, header first
};

BatchRun Batch(const std::string& schedule, BatchOptions options) {
    TempFile input(schedule);
    options.schedule = input.path();
    std::ostringstream out, err;
    BatchRun run{RunBatch(options, out, err), out.str(), err.str(), {}};
    TempFile output(run.out);
    std::FILE* f = std::fopen(output.path().c_str(), "rb");
    schedule::CsvReader reader(f);
    for (std::vector<std::string> row; reader.Next(row);) run.rows.push_back(row);
    std::fclose(f);
    return run;
}

BatchRun Batch(const std::string& schedule, DesignBasis basis = DesignBasis::Legacy) {
    BatchOptions options;
    options.defaults.Give("--basis", std::string(BasisName(basis)));
    return Batch(schedule, std::move(options));
}

std::string Column(const BatchRun& run, std::size_t row, const std::string& name) {
    const auto& header = run.rows.at(0);
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == name) return run.rows.at(row).at(i);
    ADD_FAILURE() << "no column " << name;
    return {};
}

const std::string kHeader = "name,dead,live,thickness,span,spacing,boundary,stiffener\r\n";

TEST(Batch, ChecksEachRowAsCheckDoes) {
    const BatchRun run = Batch(kHeader + "B1,1,2,6,2000,500,simple,80x8\r\n" +
                               "B2,1,2,6.0,1500,600,simple,L25x16x3\r\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.rows.size(), 3u);
    // The values deckplate-cli check shows for the same bays.
    EXPECT_EQ(Column(run, 1, "stiffener_stress_N/mm2"), "51.34");
    EXPECT_EQ(Column(run, 1, "composite_Ix_cm4"), "108.76");
    EXPECT_EQ(Column(run, 1, "composite_Yo_cm"), "1.9");
    EXPECT_EQ(Column(run, 1, "self_weight_kN/m2"), "0.6");
    EXPECT_EQ(Column(run, 1, "design_basis"), "legacy");
    EXPECT_EQ(Column(run, 1, "plate_stress_N/mm2"), "17.36");
    EXPECT_EQ(Column(run, 1, "stiffener_deflection_ratio"), "1433.9");
    EXPECT_EQ(Column(run, 1, "utilisation_stiffener_strength"), "0.239");  // 51.34 / 215
    EXPECT_EQ(Column(run, 1, "status"), "pass");
    EXPECT_EQ(Column(run, 2, "stiffener_stress_N/mm2"), "337.63");
    EXPECT_EQ(Column(run, 2, "stiffener_strength"), "★加劲肋强度超出限值<215N/mm2>,须重新计算");
    EXPECT_EQ(Column(run, 2, "stiffener_deflection"),
              "★加劲肋挠度1/ 129.5超出限值<1/200>，须重新计算");
    EXPECT_EQ(Column(run, 2, "status"), "fail");
    EXPECT_EQ(run.out.substr(0, 3), "\xef\xbb\xbf");
    // The check that governs each row and its utilisation, to sort a sheet by.
    EXPECT_EQ(Column(run, 1, "governing"), "stiffener_strength");
    EXPECT_EQ(Column(run, 1, "max_utilisation"), "0.239");
    EXPECT_EQ(Column(run, 2, "governing"), "stiffener_strength");
    EXPECT_EQ(Column(run, 2, "max_utilisation"), "1.570");  // 337.63 / 215
}

// What could be built but looks mistyped is checked and noted; stiffeners closer than they are
// wide are the row's error. One row a fault: a note lost, said of the wrong column, or a bay that
// cannot be built computed.
TEST(Batch, MistypedLookingRowsAreNoted) {
    const BatchRun run =
        Batch(kHeader + "metres,0.6,4,6,1.8,600,simple,60x6\r\n" +
              "swapped,1,2,6,2000,500,simple,6x60\r\n" + "both,1,2,6,2000,50,simple,80x8\r\n" +
              "touching,1,2,6,2000,0.6,simple,60x6\r\n" + "plain,1,2,6,2000,500,simple,80x8\r\n");
    const struct {
        std::size_t row;
        const char* status;
        const char* error;
        const char* note;
    } expected[] = {
        {1, "pass", "", "column 'span': 1.8 mm looks like metres typed: the program takes mm"},
        {2, "fail", "",
         "column 'stiffener': the flat bar 6x60 is thicker than it is high: height x thickness "
         "swapped?"},
        {3, "pass", "", "column 'spacing': 50 mm looks like metres typed: the program takes mm"},
        {4, "error",
         "line 5: column 'spacing': 0.6 mm is no wider than the stiffener itself, 6 mm, so the "
         "stiffeners cannot be built (spacings are in mm, centre to centre)",
         ""},
        {5, "pass", "", ""},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Column(run, e.row, "error"), e.error) << "row " << e.row;
        EXPECT_EQ(Column(run, e.row, "note"), e.note) << "row " << e.row;
        EXPECT_EQ(Column(run, e.row, "status"), e.status) << "row " << e.row;
    }
    // check says the same on standard error, and the window in a message (Form1 tests).
}

TEST(Batch, BadRowsNameTheirLineAndTheRestIsChecked) {
    const BatchRun run = Batch(
        kHeader + "ok,1,2,6,2000,500,simple,80x8\r\n" + "text,1kN,2,6,2000,500,simple,80x8\r\n" +
        "zero,1,2,6,2000,0,continuous,80x8\r\n" + "angle,1,2,6,2000,500,simple,L99x9x9\r\n" +
        "short,1,2,6\r\n" + "boundary,1,2,6,2000,500,fixed,80x8\r\n" +
        "ok2,1,2,6,2000,500,continuous,L63x40x5\r\n" + "no load,0,0,6,2000,500,simple,80x8\r\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.rows.size(), 9u);
    const struct {
        std::size_t row;
        const char* status;
        const char* error;
    } expected[] = {
        {1, "pass", ""},
        {2, "error", "line 3: column 'dead': '1kN' is not a number"},
        {3, "error", "line 4: column 'spacing': must be greater than 0 mm, not 0"},
        {4, "error", "line 5: column 'stiffener': 'L99x9x9' is not in the angle catalogue"},
        {5, "error", "line 6: no value in column 'span'"},
        {6, "error",
         "line 7: column 'boundary': 'fixed' is neither simple (简支, 四边简支) nor continuous "
         "(连续, 三跨及以上连续)"},
        {7, "pass", ""},
        {8, "error", "line 9: arithmetic fault: division by zero in plate deflection ratio"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Column(run, e.row, "status"), e.status) << "row " << e.row;
        EXPECT_EQ(Column(run, e.row, "error").substr(0, std::string(e.error).size()), e.error)
            << "row " << e.row;
        EXPECT_EQ(run.rows[e.row].size(), run.rows[0].size()) << "row " << e.row;
        if (std::string_view(e.status) == "error") {
            EXPECT_EQ(Column(run, e.row, "governing") + Column(run, e.row, "max_utilisation"), "")
                << "row " << e.row;
        }
    }
}

TEST(Batch, BasisColumnOverridesTheRunsBasis) {
    // Bay 80x8 of ChecksEachRowAsCheckDoes: q = 4 (legacy), plate 17.36, stiffener 51.34.
    // Current: the self-weight w = 0.0785·(6 + 640/500) = 0.57148 added to D = 1, so
    // q = 1.3·1.57148 + 1.5·2 = 5.042924 and the plate 17.36·5.042924/4 = 21.89; the spacing
    // 500 > 26·t = 156 mm takes γx = 1.0 at the stiffener's edge: Ms = 5.042924·0.5·2000²/8 =
    // 1260731 N·mm, σ = (6 + 80 − 19)·1260731/1087613.33 = 77.66 (Yo = 19 mm, Ix = 1087613.33
    // mm⁴ as in the legacy bay).
    const std::string header = "name,basis,dead,live,thickness,span,spacing,boundary,stiffener\r\n";
    const BatchRun run = Batch(header + "own legacy,legacy,1,2,6,2000,500,simple,80x8\r\n" +
                                   "own current,Current,1,2,6,2000,500,simple,80x8\r\n" +
                                   "run's,,1,2,6,2000,500,simple,80x8\r\n" +
                                   "unknown,2021,1,2,6,2000,500,simple,80x8\r\n" +
                                   "bad row,current,x,2,6,2000,500,simple,80x8\r\n",
                               DesignBasis::Current);
    ASSERT_EQ(run.rows.size(), 6u);
    const struct {
        const char *basis, *plateStress, *stiffenerStress, *error;
    } expected[] = {
        {"legacy", "17.36", "51.34", ""},
        {"current", "21.89", "77.66", ""},
        {"current", "21.89", "77.66", ""},
        {"", "", "", "line 5: column 'basis': '2021' is neither legacy nor current"},
        {"current", "", "", "line 6: column 'dead': 'x' is not a number"},
    };
    for (std::size_t row = 1; row < run.rows.size(); ++row) {
        const auto& e = expected[row - 1];
        EXPECT_EQ(Column(run, row, "design_basis"), e.basis) << "row " << row;
        EXPECT_EQ(Column(run, row, "plate_stress_N/mm2"), e.plateStress) << "row " << row;
        EXPECT_EQ(Column(run, row, "stiffener_stress_N/mm2"), e.stiffenerStress) << "row " << row;
        EXPECT_EQ(Column(run, row, "error"), e.error) << "row " << row;
        EXPECT_EQ(run.rows[row].size(), run.rows[0].size()) << "row " << row;
    }
}

TEST(Batch, PointLoadColumnsOverrideTheRunsPointLoad) {
    // The walkway's deck of check's worked bay: the run's 1.5 kN, a row's own 0 kN, a row's own
    // patch, and a refused force. A patch of the whole panel is a uniform 1.5 kN/m², whose
    // elastic deflection at b/a = 4 is 0.01282·10.92·q·a⁴/(E·t³) = 1.00 mm, beside the dead
    // load's 0.67 mm; the stiffener still takes the whole force at midspan and fails.
    const std::string header =
        "name,dead,live,thickness,span,spacing,boundary,stiffener,point_load,patch\r\n";
    BatchOptions options;
    options.defaults.Give("--basis", "legacy");
    options.defaults.Give("--point-load", "1.5");
    const BatchRun run = Batch(header + "run's,1,2,4,2000,500,simple,L45x28x3,,\r\n" +
                                   "none,1,2,4,2000,500,simple,L45x28x3,0,\r\n" +
                                   "own patch,1,2,4,2000,500,simple,L45x28x3,,500x2000\r\n" +
                                   "negative,1,2,4,2000,500,simple,L45x28x3,-1,\r\n",
                               options);
    ASSERT_EQ(run.rows.size(), 5u);
    const struct {
        const char *force, *deflection, *status;
    } expected[] = {
        {"1.5", "5.2", "fail"}, {"0", "0.67", "pass"}, {"1.5", "1.67", "fail"}, {"", "", "error"}};
    for (std::size_t row = 1; row < run.rows.size(); ++row) {
        const auto& e = expected[row - 1];
        EXPECT_EQ(Column(run, row, "point_load_kN"), e.force) << "row " << row;
        EXPECT_EQ(Column(run, row, "point_load_plate_deflection_mm"), e.deflection)
            << "row " << row;
        EXPECT_EQ(Column(run, row, "status"), e.status) << "row " << row;
        EXPECT_EQ(run.rows[row].size(), run.rows[0].size()) << "row " << row;
    }
}

TEST(Batch, BoundaryInEnglishOrChinese) {
    // The plate stress that check gives the bay without and with --continuous.
    const std::string ideographicSpace = "\xE3\x80\x80";
    const struct {
        std::string boundary;
        const char* plateStress;
    } cases[] = {
        {"simple", "17.36"},
        {"Simple", "17.36"},
        {"简支", "17.36"},
        {ideographicSpace + "四边简支" + ideographicSpace, "17.36"},
        {"continuous", "13.89"},
        {"连续", "13.89"},
        {" 三跨及以上连续 ", "13.89"},
    };
    std::string schedule = kHeader;
    for (const auto& c : cases) schedule += "B,1,2,6,2000,500," + c.boundary + ",80x8\r\n";
    const BatchRun run = Batch(schedule);
    ASSERT_EQ(run.rows.size(), std::size(cases) + 1);
    for (std::size_t row = 1; row < run.rows.size(); ++row) {
        EXPECT_EQ(Column(run, row, "plate_stress_N/mm2"), cases[row - 1].plateStress)
            << cases[row - 1].boundary << ": " << Column(run, row, "error");
    }
}

TEST(Batch, PatchStandsOnAPointLoad) {
    // --patch alone is the patch of the rows whose point_load column gives a force; a row's patch
    // without a force is the row's error, and a schedule without the column has no force at all.
    const std::string header =
        "name,dead,live,thickness,span,spacing,boundary,stiffener,point_load,patch\r\n";
    BatchOptions options;
    options.defaults.Give("--basis", "legacy");
    options.defaults.Give("--patch", "300x300");
    const BatchRun run = Batch(header + "run's patch,1,2,6,2000,500,simple,80x8,1.5,\r\n" +
                                   "own patch,1,2,6,2000,500,simple,80x8,1.5,500x2000\r\n" +
                                   "no load,1,2,6,2000,500,simple,80x8,,\r\n" +
                                   "patch only,1,2,6,2000,500,simple,80x8,,200x\r\n",
                               options);
    EXPECT_EQ(run.status, 1) << run.err;
    ASSERT_EQ(run.rows.size(), 5u);
    const struct {
        const char *patch, *error;
    } expected[] = {{"300x300", ""},
                    {"500x2000", ""},
                    {"", ""},
                    {"", "line 5: column 'patch': '200x' needs a point load"}};
    for (std::size_t row = 1; row < run.rows.size(); ++row) {
        EXPECT_EQ(Column(run, row, "point_load_patch_mm"), expected[row - 1].patch) << row;
        EXPECT_TRUE(Column(run, row, "error").starts_with(expected[row - 1].error)) << row;
    }
    const BatchRun without = Batch(kHeader + "B,1,2,6,2000,500,simple,80x8\r\n", options);
    EXPECT_EQ(without.status, 2);
    EXPECT_EQ(without.err,
              "deckplate-cli: --patch needs --point-load or a point_load column in the schedule; "
              "without a point load the patch '300x300' checks nothing\n");
}

TEST(Batch, LineNumbersAreSpreadsheetRows) {
    // A quoted cell holding a line break stays one row, as in the spreadsheet.
    const BatchRun run = Batch(
        "name,dead,live,thickness,span,spacing,boundary,stiffener,note\r\n"
        "a,1,2,6,2000,500,simple,80x8,\"two\r\nlines\"\r\n"
        "b,x,2,6,2000,500,simple,80x8,\r\n");
    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(Column(run, 1, "note"), "two\r\nlines");
    EXPECT_EQ(Column(run, 2, "error"), "line 3: column 'dead': 'x' is not a number");
}

TEST(Batch, SpreadsheetEncodingsAndQuoting) {
    const std::string rows = "\"Bay \"\"A\"\", level 2\",1,2,6,2000,500,simple,80x8,keep me\r\n";
    const std::string header = "Stiffener,name,dead,live,thickness,span,spacing,boundary,note\r\n";
    const std::string headerWithNote = kHeader.substr(0, kHeader.size() - 2) + ",note";
    // The row's first byte at `offset`: the header is padded out with one more column.
    const auto rowAt = [&](std::size_t offset, const std::string& name) {
        const std::string padded = headerWithNote + ",";
        return padded + std::string(offset - padded.size() - 2, 'x') + "\r\n" + name +
               ",1,2,6,2000,500,simple,80x8,x,\r\n";
    };
    struct {
        const char* name;
        std::string bytes;
        std::string firstName;
        std::string note;
        std::string warning{};  // on standard error; none when empty
    } cases[] = {
        {"UTF-8 with BOM", "\xef\xbb\xbf" + headerWithNote + "\r\n" + rows, "Bay \"A\", level 2",
         "keep me"},
        {"GBK",
         headerWithNote + "\r\n\xd2\xbb\xb2\xe3\xc6\xbd\xcc\xa8,1,2,6,2000,500,simple,80x8,x\r\n",
         "一层平台", "x"},
        {"UTF-8 without BOM, LF only", headerWithNote + "\n一层平台,1,2,6,2000,500,simple,80x8,x\n",
         "一层平台", "x"},
        {"GBK character cut by the first chunk's end", rowAt(65535, "\xe3\xdc"), "丬", "x"},
        {"GBK pair that reads as UTF-8 ends the first chunk", rowAt(65534, "\xd2\xbb\xb2\xe3"),
         "一层", "x"},
        {"UTF-8 with BOM holding GBK bytes",
         "\xef\xbb\xbf" + headerWithNote + "\r\n\xb2\xe3,1,2,6,2000,500,simple,80x8,x\r\n",
         "\xef\xbf\xbd\xef\xbf\xbd", "x",
         "starts with a UTF-8 byte-order mark, but line 2 is not UTF-8 (it reads as GBK: 层)"},
        {"GBK whose pairs are also UTF-8",
         headerWithNote + "\r\n\xc6\xbd\xcc\xa8"
                          "1,1,2,6,2000,500,simple,80x8,x\r\n",
         "平台1", "x"},
        {"UTF-8 letter whose bytes are also GBK",
         headerWithNote + "\r\né,1,2,6,2000,500,simple,80x8,x\r\n", "é", "x"},
    };
    for (const auto& c : cases) {
        const BatchRun run = Batch(c.bytes);
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        if (c.warning.empty())
            EXPECT_EQ(run.err, "") << c.name;
        else
            EXPECT_NE(run.err.find(c.warning), std::string::npos) << c.name << ": " << run.err;
        ASSERT_EQ(run.rows.size(), 2u) << c.name;
        EXPECT_EQ(run.rows[0][0], "name") << c.name;  // the input's BOM is not part of it
        EXPECT_EQ(run.rows[1][0], c.firstName) << c.name;
        EXPECT_EQ(Column(run, 1, "note"), c.note) << c.name;
    }
    // Columns in any order; the extra one is carried through.
    const BatchRun reordered = Batch(header + "80x8,B,1,2,6,2000,500,simple,n\r\n");
    EXPECT_EQ(reordered.status, 0) << reordered.err;
    EXPECT_EQ(Column(reordered, 1, "note"), "n");
    EXPECT_EQ(Column(reordered, 1, "Stiffener"), "80x8");
}

// What the reading notices is said on standard error once, for the line it concerns, warnings
// before notes: a note for each of the options and the rows, none for a row whose cells cannot be
// read, and a stopped run's warnings before its error.
TEST(Batch, SaysEachNoticeOnce) {
    const std::string mark = "\xef\xbb\xbf", gbkRow = "\xb6\xfe\xb2\xe3,1,2,6,2000,500,simple,80x8";
    const std::string header = "name,dead,live,thickness,span,spacing,boundary,stiffener,steel\r\n";
    const std::string q345 =
        "deckplate-cli: note: Q345 is the grade's name before GB/T "
        "1591-2018; taken as Q355\n";
    const auto notUtf8 = [](int line) {
        return "deckplate-cli: warning: the schedule 'S' starts with a UTF-8 byte-order mark, but "
               "line " +
               std::to_string(line) +
               " is not UTF-8 (it reads as GBK: 二层); its characters that are not UTF-8 are "
               "shown as \xef\xbf\xbd. Save the schedule again as UTF-8 CSV, or as GBK CSV "
               "without the mark\n";
    };
    const struct {
        const char* name;
        std::string schedule;
        const char* steel;  // --steel; none when empty
        std::string err;
    } cases[] = {
        {"two rows given as Q345 are one note",
         header + "A,1,2,6,2000,500,simple,80x8,Q345\r\nB,1,2,6,2000,500,simple,80x8,q345b\r\n", "",
         q345},
        {"a row whose later cell cannot be read has its error, not the note",
         "name,dead,live,thickness,span,spacing,boundary,stiffener,steel,safety_class\r\n"
         "A,1,2,6,2000,500,simple,80x8,Q345,9\r\nB,1,2,6,2000,500,simple,80x8,Q355,2\r\n",
         "", ""},
        {"the option's note and the rows' each said",
         header + "A,1,2,6,2000,500,simple,80x8,Q345\r\n", "Q345", q345 + q345},
        {"the first line not UTF-8 is named, once",
         mark + header + "A,1,2,6,2000,500,simple,80x8,Q345\r\n" + gbkRow + ",Q235\r\n" + gbkRow +
             ",Q235\r\n",
         "", notUtf8(3) + q345},
        {"a run that stops says its warning before its error",
         mark + header + gbkRow + ",Q345\r\n\"C,1\r\n", "",
         notUtf8(2) + "deckplate-cli: the schedule 'S' could not be read: a quote opened on line 3 "
                      "is never closed\n"},
    };
    for (const auto& c : cases) {
        BatchOptions options;
        if (*c.steel) options.defaults.Give("--steel", c.steel);
        BatchRun run = Batch(c.schedule, std::move(options));
        // The schedule's path, a temporary file's, as S.
        for (std::size_t at = run.err.find("the schedule '"); at != std::string::npos;
             at = run.err.find("the schedule '", at + 1)) {
            const std::size_t path = at + std::string("the schedule '").size();
            run.err.replace(path, run.err.find('\'', path) - path, "S");
        }
        EXPECT_EQ(run.err, c.err) << c.name;
    }
}

// A run that cannot complete leaves an earlier results file as it was, and nothing beside it.
TEST(Batch, StopsOnUnusableFilesAndKeepsTheEarlierResults) {
    const struct {
        const char* name;
        std::string schedule;      // written as schedule.csv
        std::string schedulePath;  // instead of schedule.csv; "." is the folder itself
        std::string output;        // in the folder; link.csv is a hard link to the schedule
        const char* message;
    } cases[] = {
        {"missing file", "", "/nonexistent/schedule.csv", "results.csv",
         "cannot read the schedule '/nonexistent/schedule.csv': No such file or directory"},
        {"missing columns", "name,dead,live,thickness,span,spacing\r\nB,1,2,6,2000,500\r\n", "",
         "results.csv", "no column boundary, stiffener"},
        {"empty", "", "", "results.csv", "is empty"},
        {"column named twice",
         "name,dead,live,dead,thickness,span,spacing,boundary,stiffener\r\n"
         "B,1,2,9,6,2000,500,simple,80x8\r\n",
         "", "results.csv", "has the column 'dead' more than once (B and D); keep one"},
        {"basis named twice",
         "basis,name,dead,live,thickness,span,spacing,boundary,stiffener, Basis\r\n"
         "legacy,B,1,2,6,2000,500,simple,80x8,current\r\n",
         "", "results.csv", "has the column 'basis' more than once (A and J); keep one"},
        {"folder", "", ".", "results.csv", "is a folder; give a CSV file"},
        {"UTF-16", std::string("\xff\xfen\0a\0m\0e\0,\0", 12), "", "results.csv",
         "could not be read: it is UTF-16 text (as a spreadsheet saves Unicode text); a schedule "
         "is CSV in UTF-8 or GBK"},
        {"semicolons", "name;dead;live;thickness;span;spacing;boundary;stiffener\r\n", "",
         "results.csv",
         "; its columns are separated by semicolons (;), but a schedule's are separated by commas"},
#ifndef _WIN32
        {"device", "", "/dev/zero", "results.csv",
         "the schedule '/dev/zero' is not a regular file (a device, a pipe or a socket)"},
#endif
        {"row longer than 1 MB", kHeader + std::string(1100000, 'x') + "\r\n", "", "results.csv",
         "could not be read: line 2 is longer than 1 MB"},
        {"quote never closed",
         kHeader + "B1,1,2,6,2000,500,simple,80x8\r\n\"B2,1,2,6,2000,500,simple,80x8\r\n" +
             "B3,1,2,6,2000,500,simple,80x8\r\n",
         "", "results.csv", "could not be read: a quote opened on line 3 is never closed"},
        {"output is the schedule", kHeader + "B,1,2,6,2000,500,simple,80x8\r\n", "", "link.csv",
         "is the schedule itself"},
        {"output named after a Windows device", kHeader + "B,1,2,6,2000,500,simple,80x8\r\n", "",
         "Aux.csv", "/Aux.csv' names a device on Windows"},
        {"output folder missing", kHeader + "B,1,2,6,2000,500,simple,80x8\r\n", "",
         "missing/results.csv", "cannot write the results: the folder '"},
        {"output read-only", kHeader + "B,1,2,6,2000,500,simple,80x8\r\n", "", "read-only.csv",
         "cannot write the results: cannot write '"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string schedule = folder.Write("schedule.csv", c.schedule);
        const std::string earlier = folder.Write("results.csv", "earlier results");
        std::filesystem::create_hard_link(schedule, folder.path() + "/link.csv");
        const std::string readOnly = folder.Write("read-only.csv", "earlier results");
        const auto readOnlyPermissions = std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read;
        std::filesystem::permissions(readOnly, readOnlyPermissions);
        const std::string schedulePath = c.schedulePath.empty()  ? schedule
                                         : c.schedulePath == "." ? folder.path()
                                                                 : c.schedulePath;
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch({.schedule = schedulePath, .output = folder.path() + "/" + c.output},
                           out, err),
                  2)
            << c.name;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << c.name << ": " << err.str();
        EXPECT_EQ(Read(earlier), "earlier results") << c.name;
        EXPECT_EQ(Read(schedule), c.schedule) << c.name;
        EXPECT_EQ(Read(readOnly), "earlier results") << c.name;
        EXPECT_EQ(folder.Files(), (std::set<std::string>{"link.csv", "read-only.csv", "results.csv",
                                                         "schedule.csv"}))
            << c.name;
        // Windows removes no read-only file, not even with its folder.
        std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
}

TEST(Batch, CompletedRunReplacesTheResultsFile) {
    TempFolder folder;
    const std::string schedule =
        folder.Write("schedule.csv", kHeader + "B,1,2,6,2000,500,simple,80x8\r\n");
    const std::string results = folder.Write("results.csv", "earlier results");
    std::ostringstream toFile, toStandardOutput, err;
    EXPECT_EQ(RunBatch({.schedule = schedule, .output = results}, toFile, err), 0) << err.str();
    EXPECT_EQ(RunBatch({.schedule = schedule}, toStandardOutput, err), 0);
    EXPECT_EQ(Read(results), toStandardOutput.str());
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"results.csv", "schedule.csv"}));
}

TEST(Batch, ResultsWrittenToAFileAreSummedUp) {
    TempFolder folder;
    const std::string schedule = folder.Write(
        "schedule.csv",
        kHeader + "B1,1,2,6,2000,500,simple,80x8\r\n" + "B2,1,2,6,2000,500,simple,L25x16x3\r\n" +
            "B3,1,2,6,2000,0,simple,80x8\r\n" + "B4,1,2,6,2000,500,simple,80x8\r\n");
    const std::string results = folder.path() + "/results.csv";
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch({.schedule = schedule, .output = results}, out, err), 1);
    EXPECT_EQ(err.str(), "deckplate-cli: wrote " + results +
                             ": of 4 rows, 2 passed, 1 failed and 1 had an error\n");
}

TEST(Batch, BooksForComputedRowsNamedAfterThem) {
    TempFolder folder;
    const std::string schedule = folder.Write(
        "schedule.csv",
        kHeader + "A,1,2,6,2000,500,simple,80x8\r\n" + "a,1,2,6,2000,500,simple,L25x16x3\r\n" +
            "CON,1,2,6,2000,500,simple,80x8\r\n" + "B/2,1,2,6,2000,500,simple,80x8\r\n" +
            ",1,2,6,2000,500,simple,80x8\r\n" + "bad,1,2,6,2000,0,simple,80x8\r\n" +
            "É,1,2,6,2000,500,simple,80x8\r\n" + "é,1,2,6,2000,500,simple,80x8\r\n" +
            "Σ,1,2,6,2000,500,simple,80x8\r\n" + "σ,1,2,6,2000,500,simple,80x8\r\n" +
            "Ａ,1,2,6,2000,500,simple,80x8\r\n" + "ａ,1,2,6,2000,500,simple,80x8\r\n");
    const std::string books = folder.path() + "/books/new";  // made when missing
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch({.schedule = schedule, .books = books}, out, err), 1) << err.str();
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(os::PathFromUtf8(books)))
        written.insert(os::Utf8Of(entry.path().filename()));
        // The disk decides which names are one file: Windows' takes a and A, é and É, σ and Σ, ａ
        // and Ａ (full width, as Chinese input methods type them) for one.
#ifdef _WIN32
    const bool oneFileWhateverTheCase = true;
#else
    const bool oneFileWhateverTheCase = false;
#endif
    const struct {
        std::string row, file, fileOnACaselessDisk;
    } named[] = {
        {"A", "A.html", "A.html"},         {"a", "a.html", "a-2.html"},
        {"CON", "_CON.html", "_CON.html"}, {"B/2", "B_2.html", "B_2.html"},
        {"É", "É.html", "É.html"},         {"é", "é.html", "é-2.html"},
        {"Σ", "Σ.html", "Σ.html"},         {"σ", "σ.html", "σ-2.html"},
        {"Ａ", "Ａ.html", "Ａ.html"},      {"ａ", "ａ.html", "ａ-2.html"},
    };
    std::set<std::string> expected = {"line-6.html"};
    for (const auto& book : named) {
        const std::string& file = oneFileWhateverTheCase ? book.fileOnACaselessDisk : book.file;
        expected.insert(file);
        // Each book its own row's: none replaced another.
        EXPECT_NE(Read(books + "/" + file).find("构件：" + book.row + "<"), std::string::npos)
            << file;
    }
    EXPECT_EQ(written, expected);
    const std::string& a = oneFileWhateverTheCase ? named[1].fileOnACaselessDisk : named[1].file;
    EXPECT_NE(Read(books + "/" + a).find("★加劲肋强度："), std::string::npos);
}

// One book of the whole schedule: every row in its summary, a row in error with its error, then
// each computed row's sections in the schedule's order, the project in the title block of it and
// of every book in the folder beside it.
TEST(Batch, OneBookOfTheWholeSchedule) {
    TempFolder folder;
    const std::string schedule =
        folder.Write("schedule.csv", kHeader + "A,1,2,6,2000,500,simple,80x8\r\n" +
                                         "bad,1,2,6,2000,0,simple,80x8\r\n" +
                                         "B,1,2,6,2000,500,simple,L25x16x3\r\n");
    const std::string book = folder.path() + "/计算书.html", books = folder.path() + "/books";
    std::ostringstream out, err;
    const BatchOptions options{.schedule = schedule,
                               .books = books,
                               .book = book,
                               .project = {.name = "某厂", .date = "2024-05-31"}};
    EXPECT_EQ(RunBatch(options, out, err), 1) << err.str();
    const std::string text = Read(book);
    std::size_t previous = 0;
    // The title names no file; a row in error says why in the book's own language.
    EXPECT_EQ(text.find("schedule.csv"), std::string::npos);
    for (const char* part :
         {"排表计算书，共 2 项", "<td colspan=\"3\">某厂</td>", "<h2 id=\"summary\">汇总</h2>",
          "<a href=\"#bay-1\">A</a>",
          "<td>bad</td><td class=\"number\">3</td><td colspan=\"8\">出错："
          "加劲肋间距必须大于 0 mm，现为 0</td>",
          "<a href=\"#bay-2\">B</a>", "<h2 id=\"bay-1\">", "id=\"bay-1-conclusion\"",
          "<h2 id=\"bay-2\">", "★加劲肋强度：", "</html>"}) {
        const std::size_t at = text.find(part, previous);
        ASSERT_NE(at, std::string::npos) << part << " missing or out of order";
        previous = at + 1;
    }
    EXPECT_NE(Read(books + "/A.html").find("<td colspan=\"3\">某厂</td>"), std::string::npos);

    // The schedule itself is no place for the book.
    std::ostringstream again;
    EXPECT_EQ(RunBatch({.schedule = schedule, .book = schedule}, out, again), 2);
    EXPECT_NE(again.str().find("is the schedule itself"), std::string::npos) << again.str();
    EXPECT_TRUE(Read(schedule).starts_with(kHeader));
}

TEST(Batch, BooksFolderThatCannotBeMadeStopsTheRun) {
    TempFolder folder;
    const std::string schedule =
        folder.Write("schedule.csv", kHeader + "A,1,2,6,2000,500,simple,80x8\r\n");
    const std::string results = folder.Write("results.csv", "earlier results");
    const std::string file = folder.Write("books", "a file, not a folder");
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch({.schedule = schedule, .output = results, .books = file}, out, err), 2);
    EXPECT_NE(err.str().find("cannot make the folder for the books '" + file + "'"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(Read(results), "earlier results");
}

}  // namespace
}  // namespace deckplate::cli
