// 文件 → 批量验算…: a whole platform's schedule checked as the command line's batch checks it,
// with the window's design basis and point load as the defaults the schedule's columns override.
// The results file gets the same bytes as `batch -o` writes, in one step, and only when the run
// is complete: a cancelled run leaves no file, not even a part of one.
#include <filesystem>
#include <sstream>

#include "calc/number_text.h"
#include "form/form1.h"
#include "form/schedule_summary_dialog.h"
#include "form/task_progress.h"
#include "os/paths.h"

namespace deckplate::form {

using enum Control;

namespace {

// "<schedule name>_结果.csv" beside the schedule.
std::string ProposedResults(const std::string& schedulePath) {
    const std::filesystem::path path = os::PathFromUtf8(schedulePath);
    return os::Utf8Of(path.parent_path() / os::PathFromUtf8(os::Utf8Of(path.stem()) + "_结果.csv"));
}

}  // namespace

schedule::PointLoadOptions Form1::PointLoadDefault() const {
    if (!PointLoadShown()) return {};
    const auto text = [this](Control box) { return PlainNumberText(Read(box)); };
    return {text(Text14), text(Text15) + "x" + text(Text16)};
}

void Form1::Schedule_Click() {
    if (RefuseInput(InputUse::Schedule)) return;
    ScheduleRunRecord run;
    try {
        run.defaults = {basis_, PointLoadDefault()};
    } catch (const ArithmeticError& error) {
        ReportArithmeticFault(error);  // a number beyond the double range
        return;
    }
    run.schedule = platform_.ChooseOpenFile("排表", "csv");
    if (run.schedule.empty()) return;
    const std::string name = os::Utf8Of(os::PathFromUtf8(run.schedule).filename());
    std::optional<schedule::Schedule> rows;
    try {
        rows.emplace(run.schedule,
                     [&run](const std::string& warning) { run.warnings.push_back(warning); });
    } catch (const schedule::ScheduleError& error) {
        platform_.ReportError("无法批量验算“" + name + "”：\n" + error.what());
        return;
    }
    run.results = platform_.ChooseSaveFile(ProposedResults(run.schedule));
    if (run.results.empty()) return;
    if (rows->IsFile(os::PathFromUtf8(run.results))) {
        platform_.ReportError("结果不能写入排表本身（" + name + "）。请另选一个文件。");
        return;
    }
    std::ostringstream results;
    std::optional<schedule::Summary> summary;
    try {
        TaskProgress progress(platform_, "批量验算");
        summary = rows->Check(run.defaults, results, nullptr,
                              [&progress](long long, long long read, long long size) {
                                  return progress(size > 0 ? double(read) / double(size) : 1);
                              });
    } catch (const schedule::ScheduleError& error) {
        platform_.ReportError("无法批量验算“" + name + "”：\n" + error.what());
        return;
    }
    if (!summary) return;  // cancelled
    try {
        platform_.WriteTextFile(run.results, results.str(), os::TextEncoding::Utf8);
    } catch (const os::FileError& error) {
        if (!SaveElsewhere(error, run.results, results.str(), os::TextEncoding::Utf8,
                           ProposedResults(run.schedule), "结果未能保存"))
            return;
    }
    run.summary = std::move(*summary);
    ScheduleSummaryDialog dialog(platform_, std::move(run));
    platform_.RunDialog(dialog);
}

}  // namespace deckplate::form
