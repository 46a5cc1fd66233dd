// Schedules as spreadsheets write them, checked row by row.
#include "batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "csv_reader.h"

namespace deckplate::cli {
namespace {

class TempFile {
  public:
    explicit TempFile(const std::string& bytes) {
        char name[] = "/tmp/deckplate_schedule_XXXXXX";
        const int fd = mkstemp(name);
        path_ = name;
        std::FILE* f = fdopen(fd, "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

struct BatchRun {
    int status;
    std::string out;
    std::string err;
    std::vector<std::vector<std::string>> rows;  // parsed back, header first
};

BatchRun Batch(const std::string& schedule) {
    TempFile input(schedule);
    std::ostringstream out, err;
    BatchRun run{RunBatch(input.path(), "", out, err), out.str(), err.str(), {}};
    TempFile output(run.out);
    std::FILE* f = std::fopen(output.path().c_str(), "rb");
    CsvReader reader(f);
    for (std::vector<std::string> row; reader.Next(row);) run.rows.push_back(row);
    std::fclose(f);
    return run;
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
    EXPECT_EQ(Column(run, 1, "self_weight_kN/m2"), "0.8");
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
}

TEST(Batch, BadRowsNameTheirLineAndTheRestIsChecked) {
    const BatchRun run = Batch(
        kHeader + "ok,1,2,6,2000,500,simple,80x8\r\n" + "text,1kN,2,6,2000,500,simple,80x8\r\n" +
        "zero,1,2,6,2000,0,continuous,80x8\r\n" + "angle,1,2,6,2000,500,simple,L99x9x9\r\n" +
        "short,1,2,6\r\n" + "boundary,1,2,6,2000,500,fixed,80x8\r\n" +
        "ok2,1,2,6,2000,500,continuous,L63x40x5\r\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.rows.size(), 8u);
    const struct {
        std::size_t row;
        const char* status;
        const char* error;
    } expected[] = {
        {1, "pass", ""},
        {2, "error", "line 3: column 'dead': '1kN' is not a number"},
        {3, "error", "line 4: arithmetic fault: division by zero in self-weight"},
        {4, "error", "line 5: column 'stiffener': 'L99x9x9' is not in the angle catalogue"},
        {5, "error", "line 6: no value in column 'span'"},
        {6, "error", "line 7: column 'boundary': 'fixed' is neither simple nor continuous"},
        {7, "pass", ""},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Column(run, e.row, "status"), e.status) << "row " << e.row;
        EXPECT_EQ(Column(run, e.row, "error").substr(0, std::string(e.error).size()), e.error)
            << "row " << e.row;
        EXPECT_EQ(run.rows[e.row].size(), run.rows[0].size()) << "row " << e.row;
    }
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
    struct {
        const char* name;
        std::string bytes;
        std::string firstName;
        std::string note;
    } cases[] = {
        {"UTF-8 with BOM", "\xef\xbb\xbf" + headerWithNote + "\r\n" + rows, "Bay \"A\", level 2",
         "keep me"},
        {"GBK",
         headerWithNote + "\r\n\xd2\xbb\xb2\xe3\xc6\xbd\xcc\xa8,1,2,6,2000,500,simple,80x8,x\r\n",
         "一层平台", "x"},
        {"UTF-8 without BOM, LF only", headerWithNote + "\n一层平台,1,2,6,2000,500,simple,80x8,x\n",
         "一层平台", "x"},
    };
    for (const auto& c : cases) {
        const BatchRun run = Batch(c.bytes);
        EXPECT_EQ(run.status, 0) << c.name << run.err;
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

TEST(Batch, StopsOnUnusableFiles) {
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch("/nonexistent/schedule.csv", "", out, err), 2);
    EXPECT_NE(err.str().find("cannot read"), std::string::npos);

    const BatchRun missing = Batch("name,dead,live,thickness,span,spacing\r\nB,1,2,6,2000,500\r\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("no column boundary, stiffener"), std::string::npos) << missing.err;

    const BatchRun empty = Batch("");
    EXPECT_EQ(empty.status, 2);

    TempFile input(kHeader + "B,1,2,6,2000,500,simple,80x8\r\n");
    EXPECT_EQ(RunBatch(input.path(), "/nonexistent/out.csv", out, err), 2);
}

TEST(Encoding, Detection) {
    EXPECT_TRUE(IsUtf8("abc", 3));
    EXPECT_TRUE(IsUtf8("\xe4\xb8\x80", 3));       // 一
    EXPECT_TRUE(IsUtf8("\xe4\xb8", 2));           // cut off by a chunk's end
    EXPECT_FALSE(IsUtf8("\xd2\xbb\xb2\xe3", 4));  // 一层 in GBK
    EXPECT_FALSE(IsUtf8("\xc0\x80", 2));          // overlong
    EXPECT_EQ(GbkToUtf8("\xd2\xbb\xb2\xe3", 4), "一层");
    EXPECT_EQ(GbkToUtf8("\x80", 1), "€");
    EXPECT_EQ(GbkToUtf8("a\xff"
                        "b",
                        3),
              "a\xef\xbf\xbd"
              "b");
}

}  // namespace
}  // namespace deckplate::cli
