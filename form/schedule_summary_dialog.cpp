#include "form/schedule_summary_dialog.h"

#include <algorithm>
#include <filesystem>

#include "form/book_files.h"
#include "form/error_report.h"
#include "form/task_progress.h"
#include "input/bay_inputs.h"
#include "os/paths.h"
#include "report/zip_package.h"
#include "schedule/book.h"
#include "version/deckplate_version.h"

namespace deckplate::form {
namespace {

using enum SummaryControl;
using enum DialogKind;

constexpr int Id(SummaryControl control) { return static_cast<int>(control); }

// clang-format off
constexpr DialogRow kRows[] = {
    {Id(Summary),       "Summary",       Label,        180,   180,  8640,  3300, ""},
    {Id(OpenResults),   "OpenResults",   PushButton,   180,  3660,  2100,   450, "打开结果"},
    {Id(WriteBooks),    "WriteBooks",    PushButton,  2460,  3660,  2100,   450, "写计算书…"},
    {Id(OneFilePerRow), "OneFilePerRow", CheckBox,    4680,  3720,  1920,   330, "每行一个文件"},
    {Id(Close),         "Close",         PushButton,  6720,  3660,  2100,   450, "关 闭", true},
};
// clang-format on
static_assert(RowsInOrder(kRows), "row i of the table must describe control i");
constexpr DialogTable kTable{"批量验算", 9000, 4290, kRows};

std::string Rows(long long count) { return std::to_string(count) + " 行"; }

// "<schedule name>_计算书.docx" beside the schedule.
std::string ProposedBook(const std::string& schedulePath) {
    const std::filesystem::path path = os::PathFromUtf8(schedulePath);
    return os::Utf8Of(path.parent_path() /
                      os::PathFromUtf8(os::Utf8Of(path.stem()) + "_计算书.docx"));
}

bool Computed(const report::ScheduleBookRow& row) { return row.bay.has_value(); }

}  // namespace

const DialogTable& ScheduleSummaryDialogTable() { return kTable; }

std::string SummaryText(const ScheduleRunRecord& run) {
    const schedule::Summary& s = run.summary;
    std::string text = "排表：" + run.schedule + "\n结果：" + run.results + "\n\n共 " +
                       Rows(s.rows) + "：通过 " + Rows(s.passed) + "，超限 " + Rows(s.exceeded) +
                       "，出错 " + Rows(s.errors) + "。";
    if (!s.firstErrors.empty()) {
        text += s.errors > static_cast<long long>(s.firstErrors.size())
                    ? "\n出错的行（前 " + std::to_string(s.firstErrors.size()) + " 个）："
                    : std::string("\n出错的行：");
        for (const schedule::RowError& error : s.firstErrors)
            text += "\n第 " + std::to_string(error.line) + " 行：" + RowErrorWords(error);
    }
    // The window lends a row whose cell is empty its own choices: say which, since the command
    // line's defaults differ from them.
    std::string lent;
    const BayInput& bay = run.defaults.bay;
    for (const input::InputRow& row : input::BayInputs()) {
        if (!row.batch || (row.currentOnly && bay.basis != DesignBasis::Current)) continue;
        const std::string words = row.words(bay);
        if (!words.empty())
            lent += (lent.empty() ? "" : "，") + std::string(row.chinese) + " " + words;
    }
    text += "\n列为空的行取窗口的设置：" + lent + "。";
    for (const std::string& warning : run.warnings) text += "\n注意：" + warning;
    if (run.booksLost)
        text += "\n内存不足，未能留下各行的数据：计算书请用 deckplate-cli batch --books 写出。";
    return text;
}

ScheduleSummaryDialog::ScheduleSummaryDialog(Platform& platform, ScheduleRunRecord run)
    : Dialog(kTable), platform_(platform), run_(std::move(run)) {
    SetText(static_cast<int>(Summary), SummaryText(run_));
    // A book is written for the computed rows only.
    const bool computed = std::ranges::any_of(run_.rows, Computed);
    SetEnabled(static_cast<int>(WriteBooks), computed);
    SetEnabled(static_cast<int>(OneFilePerRow), computed);
}

void ScheduleSummaryDialog::OnClicked(int control) {
    switch (static_cast<SummaryControl>(control)) {
        case OpenResults:
            if (const std::string failure = platform_.OpenFile(run_.results, Viewer::Associated);
                !failure.empty())
                platform_.ReportError(failure);
            break;
        case WriteBooks:
            WriteBook();
            break;
        case Close:
            Cancel();
            break;
        case Summary:
        case OneFilePerRow:
            break;
    }
}

void ScheduleSummaryDialog::WriteBook() {
    if (State(static_cast<int>(OneFilePerRow)).checked)
        WriteBookFolder();
    else
        WriteOneBook();
}

void ScheduleSummaryDialog::WriteOneBook() {
    const std::string path = platform_.ChooseSaveFile(ProposedBook(run_.schedule), kBookKinds);
    if (path.empty()) return;
    const std::optional<report::BookFormat> format = ChosenBookFormat(platform_, path);
    if (!format) return;
    try {
        const report::ScheduleBookInput input{.project = run_.project,
                                              .version = DECKPLATE_VERSION,
                                              .logo = report::ReadLogo(run_.project)};
        const std::unique_ptr<FileWriter> file = platform_.StartFile(path);
        const std::size_t rows = run_.rows.size();
        TaskProgress progress(platform_, "写计算书");
        const bool whole = report::WriteScheduleBook(
            input, run_.rows, file->Stream(), *format,
            [&](std::size_t written) { return progress(double(written) / double(rows)); });
        if (!whole) return;  // cancelled: the file is not put in place
        file->Commit();
    } catch (const os::FileError& error) {
        platform_.ReportError("计算书未能写入。\n" + FileErrorText(error));
        return;
    } catch (const report::BookFileError& error) {
        platform_.ReportError("计算书未能写入。\n" + BookFileWords(error.Problem()));
        return;
    } catch (const report::PackageError&) {
        // Word goes back over what it wrote; the file's own failure is what Commit reports.
        platform_.ReportError("计算书未能写入：写入文件时出错。");
        return;
    }
    SetText(static_cast<int>(Summary), SummaryText(run_) + "\n\n已将计算书写入：" + path);
    if (const std::string failure = platform_.OpenFile(path, Viewer::Browser); !failure.empty())
        platform_.ReportError(failure);
}

void ScheduleSummaryDialog::WriteBookFolder() {
    const std::string folder = platform_.ChooseFolder("选择写入计算书的文件夹");
    if (folder.empty()) return;
    std::size_t written = 0;
    const auto computed = static_cast<std::size_t>(std::ranges::count_if(run_.rows, Computed));
    try {
        schedule::BookFolder books(os::PathFromUtf8(folder), run_.project,
                                   report::BookFormat::Docx);
        TaskProgress progress(platform_, "写计算书");
        for (const report::ScheduleBookRow& row : run_.rows) {
            if (!row.bay || !row.check) continue;
            if (!progress(double(written) / double(computed))) return;  // cancelled
            books.Write(*row.bay, *row.check, row.name, row.line);
            ++written;
        }
    } catch (const schedule::BookError& error) {
        platform_.ReportError(std::string("计算书未能写完：") + error.what());
        return;
    } catch (const report::BookFileError& error) {
        platform_.ReportError("计算书未能写入。\n" + BookFileWords(error.Problem()));
        return;
    }
    SetText(static_cast<int>(Summary),
            SummaryText(run_) + "\n\n已将 " + std::to_string(written) + " 份计算书写入：" + folder);
}

}  // namespace deckplate::form
