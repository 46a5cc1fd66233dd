// No output of a run replaces one of its inputs or another of its outputs, however it is named;
// a refused run writes nothing and changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "cli/tests/cli_run.h"
#include "os/paths.h"
#include "os/tests/test_folder.h"

namespace deckplate::cli {
namespace {

namespace fs = std::filesystem;

const std::string kBayFile = R"({"format": "deckplate-bay", "format_version": 1,
  "project": {"name": "某厂"},
  "bay": {"dead": "1", "live": "2", "thickness": "6", "span": "2000", "spacing": "500",
          "stiffener": "flat_bar", "flat_bar_height": "80", "flat_bar_thickness": "8"}})";
const std::string kFlatBarBay =
    "--dead 1 --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8";
const std::string kScheduleHeader = "name,dead,live,thickness,span,spacing,boundary,stiffener\r\n";

// A folder with a bay file, a project's bay file, a schedule, earlier results and a hard link to
// the bay file; each argument's "D/" stands for the folder.
class RunFolder {
  public:
    RunFolder() {
        Write("bay.deckplate", kBayFile);
        Write("p.deckplate", kBayFile);
        Write("s.csv", kScheduleHeader + "A,1,2,6,2000,500,simple,80x8\r\n");
        Write("r.csv", "earlier results");
        fs::create_hard_link(folder_.path() / "bay.deckplate", folder_.path() / "hard.deckplate");
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_.path() / os::PathFromUtf8(name), std::ios::binary) << bytes;
    }
    // `text` with each "D/" standing for the folder.
    std::string Expand(std::string text) const {
        const std::string folder = Path("");
        for (std::size_t at = 0; (at = text.find("D/", at)) != std::string::npos;
             at += folder.size())
            text.replace(at, 2, folder);
        return text;
    }
    std::vector<std::string> Arguments(const std::string& line) const {
        std::vector<std::string> words;
        std::istringstream in(Expand(line));
        for (std::string word; in >> word;) words.push_back(word);
        return words;
    }
    std::string Path(const std::string& name) const {
        return os::Utf8Of(folder_.path()) + "/" + name;
    }
    // Every file's bytes, by name.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const fs::path& name : folder_.Files())
            files[os::Utf8Of(name)] = os::Read(folder_.path() / name);
        return files;
    }

  private:
    os::Folder folder_;
};

TEST(RunFiles, NoOutputReplacesAnInputOrAnotherOutput) {
    const struct {
        const char* name;
        std::string arguments;
        const char* message;
    } cases[] = {
        {"book over the bay file it is made from", "book --from D/bay.deckplate -o D/bay.deckplate",
         "-o 'D/bay.deckplate' is the bay file --from reads; writing there would replace it: give "
         "-o another file"},
        {"book over the bay file by another spelling",
         "book --from D/bay.deckplate -o D/./bay.deckplate",
         "is the bay file --from reads ('D/bay.deckplate')"},
        {"book over a hard link to the bay file", "book --from D/bay.deckplate -o D/hard.deckplate",
         "is the bay file --from reads"},
        {"book over the project's bay file",
         "book " + kFlatBarBay + " --project D/p.deckplate -o D/p.deckplate",
         "-o 'D/p.deckplate' is the bay file --project reads"},
        {"results and book one file", "batch D/s.csv -o D/r.csv --book D/r.csv",
         "--book 'D/r.csv' is the file -o writes; one would replace the other: give each its own "
         "file"},
        {"book over the project's bay file",
         "batch D/s.csv --book D/p.deckplate --project D/p.deckplate",
         "--book 'D/p.deckplate' is the bay file --project reads"},
        {"results over the schedule", "batch D/s.csv -o D/s.csv",
         "-o 'D/s.csv' is the schedule itself"},
        {"books' folder at the results", "batch D/s.csv -o D/new.csv --books D/new.csv",
         "--books 'D/new.csv' is the file -o writes"},
        {"books' folder at the schedule", "batch D/s.csv --books D/s.csv",
         "--books 'D/s.csv' is the schedule itself"},
    };
    for (const auto& c : cases) {
        RunFolder folder;
        const auto before = folder.Files();
        const InProcessRun run = RunInProcess(folder.Arguments(c.arguments));
        EXPECT_EQ(run.status, kBadArguments) << c.name;
        const std::string message = folder.Expand(c.message);
        EXPECT_NE(run.err.find(message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(folder.Files(), before) << c.name;
    }
}

TEST(RunFiles, WhatLosesNothingIsWritten) {
    // --save writes the bay it read --from back, as the window's 保存 does.
    {
        RunFolder folder;
        const InProcessRun run = RunInProcess(
            folder.Arguments("check --from D/bay.deckplate --live 3 --save D/bay.deckplate"));
        EXPECT_EQ(run.status, kAllPass) << run.err;
        EXPECT_EQ(RunInProcess(folder.Arguments("check --from D/bay.deckplate")).out, run.out);
        EXPECT_NE(folder.Files().at("bay.deckplate").find("\"live\": \"3\""), std::string::npos);
    }
    // A row's book named like a file of the run goes beside it, as a second row of one name does.
    {
        RunFolder folder;
        folder.Write("row.html", kScheduleHeader + "row,1,2,6,2000,500,simple,80x8\r\n" +
                                     "all,1,2,6,2000,500,simple,80x8\r\n" +
                                     "res,1,2,6,2000,500,simple,80x8\r\n");
        const std::string schedule = folder.Files().at("row.html");
        const InProcessRun run = RunInProcess(folder.Arguments(
            "batch D/row.html --books D/ --book D/all.html -o D/res.html --project D/p.deckplate"));
        EXPECT_EQ(run.status, kAllPass) << run.err;
        const auto files = folder.Files();
        EXPECT_EQ(files.at("row.html"), schedule);
        EXPECT_EQ(files.at("p.deckplate"), kBayFile);
        EXPECT_NE(files.at("all.html").find("<h2 id=\"summary\">汇总</h2>"), std::string::npos);
        EXPECT_TRUE(files.at("res.html").starts_with("\xef\xbb\xbfname,"));
        for (const char* book : {"row-2.html", "all-2.html", "res-2.html"})
            EXPECT_NE(files.at(book).find("构件："), std::string::npos) << book;
    }
#ifndef _WIN32
    // A device keeps nothing a write could lose.
    {
        RunFolder folder;
        EXPECT_EQ(
            RunInProcess(folder.Arguments("batch D/s.csv -o /dev/null --book /dev/null")).status,
            kAllPass);
    }
#endif
}

}  // namespace
}  // namespace deckplate::cli
