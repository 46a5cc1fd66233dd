// 文件 → 批量验算…: a whole platform's schedule checked as the command line's batch checks it,
// with the window's design basis and point load as the defaults the schedule's columns override.
// The results file gets the same bytes as `batch -o` writes, streamed into a file that replaces
// an earlier one in one step, and only when the run is complete: a cancelled run leaves no file,
// not even a part of one, and memory stays flat however long the schedule.
#include <filesystem>
#include <new>

#include "form/error_report.h"
#include "form/form1.h"
#include "form/schedule_summary_dialog.h"
#include "form/schedule_words.h"
#include "form/task_progress.h"
#include "input/value_words.h"
#include "os/paths.h"
#include "schedule/schedule_run.h"

namespace deckplate::form {

using enum Control;

namespace {

// "<schedule name>_结果.csv" beside the schedule.
std::string ProposedResults(const std::string& schedulePath) {
    const std::filesystem::path path = os::PathFromUtf8(schedulePath);
    return os::Utf8Of(path.parent_path() / os::PathFromUtf8(os::Utf8Of(path.stem()) + "_结果.csv"));
}

// Checks every row into `results`, keeping every row for the books. Empty when the user
// pressed 取消. Throws schedule::ScheduleError.
std::optional<schedule::Summary> CheckRows(Platform& platform, schedule::RowReader& rows,
                                           ScheduleRunRecord& run, std::ostream& results) {
    TaskProgress progress(platform, "批量验算");
    const auto keep = [&run](const schedule::ScheduleRow& row, const schedule::RowCheck& result) {
        if (run.booksLost) return;
        try {
            run.rows.push_back(schedule::BookRowOf(row, result));
        } catch (const std::bad_alloc&) {
            // The results matter more than the books: they go on without them.
            run.rows = {};
            run.booksLost = true;
        }
    };
    return schedule::RunSchedule(
        rows, run.defaults, results,
        {.checked = keep,
         .progress = [&](const schedule::RunProgress& at) { return progress(at.Done()); }});
}

}  // namespace

schedule::RowDefaults Form1::ScheduleDefaults() const {
    // What the window lends a schedule: its settings (the basis, the grade, the safety class,
    // whether the dead load includes the self-weight) and its point load; a row's own cells
    // override them.
    const BayInput window = ReadBayFor(InputUse::Schedule);
    schedule::RowDefaults defaults;
    defaults.bay.basis = window.basis;
    defaults.bay.steel = window.steel;
    defaults.bay.safetyClass = window.safetyClass;
    defaults.bay.deadIncludesSelfWeight = window.deadIncludesSelfWeight;
    defaults.bay.pointLoad = window.pointLoad;
    if (window.pointLoad)
        defaults.patch = input::Patch{window.pointLoad->across, window.pointLoad->along};
    return defaults;
}

void Form1::Schedule_Click() {
    ScheduleRunRecord run;
    try {
        if (RefuseInput(InputUse::Schedule)) return;
        run.defaults = ScheduleDefaults();
        run.project = BookProject();
    } catch (const ArithmeticError& error) {
        ReportArithmeticFault(error);  // a number beyond the double range
        return;
    }
    run.schedule = platform_.ChooseOpenFile("排表", "csv");
    if (run.schedule.empty()) return;
    const std::string name = os::FileNameOf(run.schedule);
    const auto reportUnreadable = [&](const schedule::ScheduleError& error) {
        platform_.ReportError("无法批量验算“" + name + "”：\n" +
                              ScheduleProblemWords(error.Problem()));
    };
    input::Notices notices;  // the reading's of the schedule open
    const auto open = [&run, &notices](std::optional<schedule::RowReader>& rows) {
        rows.reset();
        notices = {};
        rows.emplace(run.schedule, &notices);
    };
    std::optional<schedule::RowReader> rows;
    try {
        open(rows);  // a schedule that cannot be read is told before anything is asked
    } catch (const schedule::ScheduleError& error) {
        reportUnreadable(error);
        return;
    }
    run.results = platform_.ChooseSaveFile(ProposedResults(run.schedule));
    while (!run.results.empty()) {
        try {
            if (!rows) open(rows);
            if (rows->IsFile(os::PathFromUtf8(run.results))) {
                platform_.ReportError("结果不能写入排表本身（" + name + "）。请另选一个文件。");
                return;
            }
            const std::unique_ptr<FileWriter> file = platform_.StartFile(run.results);
            std::optional<schedule::Summary> summary =
                CheckRows(platform_, *rows, run, file->Stream());
            if (!summary) return;  // cancelled: the file is not put in place
            file->Commit();
            run.summary = std::move(*summary);
            break;
        } catch (const schedule::ScheduleError& error) {
            reportUnreadable(error);
            return;
        } catch (const os::FileError& error) {
            // Another place for the results, and the run again from the first row.
            platform_.ReportError("结果未能保存。\n" + FileErrorText(error) + "\n请另选位置保存。");
            run.results = platform_.ChooseSaveFile(ProposedResults(run.schedule));
            rows.reset();
            run.rows.clear();
            run.booksLost = false;
        } catch (const std::bad_alloc&) {
            platform_.ReportError("内存不足，批量验算未能完成；结果文件未写入。");
            return;
        }
    }
    if (run.results.empty()) return;
    // The summary says what may not read as the schedule means, then what was read as meant but
    // is worth knowing (a grade's former name, read as today's), as the command line does.
    for (const input::Notice& notice : notices.Take())
        run.warnings.push_back(input::NoticeWords(notice));
    ScheduleSummaryDialog dialog(platform_, std::move(run));
    platform_.RunDialog(dialog);
}

}  // namespace deckplate::form
