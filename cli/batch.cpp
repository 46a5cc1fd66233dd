#include "cli/batch.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/notice_lines.h"
#include "cli/progress.h"
#include "cli/run_files.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "schedule/book.h"
#include "schedule/schedule_run.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

// What the options give a run beside its schedule.
struct RunSettings {
    schedule::RowDefaults defaults;  ///< each row's inputs where its own cells are empty
    project::ProjectInfo project;
    std::optional<report::doc::ImageRun> logo;
    report::BookFormat bookFormat = report::BookFormat::Html;  ///< --book's
    RunFiles files;
};

// Read before the schedule is opened, so that a wrong value, an output that would replace another
// file of the run or a logo that cannot be used stops the run before any row. Throws
// input::ValueError, report::BookFileError.
RunSettings ReadSettings(const BatchOptions& options, std::ostream& err) {
    RunSettings run;
    run.defaults.bay = options.defaults.Read(BaySource(std::nullopt), BayUse::Run, err);
    const input::InputOption& patch = input::RowOf(BayField::Patch).option;
    if (const std::optional<std::string> text = options.defaults.Text(patch))
        run.defaults.patch = input::ParsePatch(*text, {std::string(patch.name), BayField::Patch});
    // No output may replace the schedule, the bay file of the project or another output.
    run.files.Input("SCHEDULE", "the schedule itself", options.schedule);
    ProjectFile(run.files, options.project);
    for (const auto& [option, path] :
         {std::pair{"-o", &options.output}, std::pair{"--book", &options.book},
          std::pair{"--books", &options.books}})
        if (!path->empty()) run.files.Output(option, input::OutputFile(*path, {option}));
    if (!options.book.empty()) run.bookFormat = BookFormatOf("--book", options.book);
    if (options.docx && options.books.empty())
        throw input::ValueError(
            "--docx writes the books of --books DIR as Word documents: give --books DIR with it");
    if (options.project.Any() && options.books.empty() && options.book.empty())
        throw input::ValueError(
            "the project information goes into calculation books: give --book FILE.docx or "
            "--books DIR with it");
    run.project = ReadProjectInfo(options.project);
    if (!options.book.empty() || !options.books.empty()) run.logo = report::ReadLogo(run.project);
    return run;
}

// With --books, the folder each computed row's book goes into as the row is checked: elsewhere
// than a file of the run, as elsewhere than another row's book. Throws schedule::BookError.
std::optional<schedule::BookFolder> BookFolderOf(const BatchOptions& options,
                                                 const RunSettings& run) {
    if (options.books.empty()) return std::nullopt;
    return std::optional<schedule::BookFolder>(
        std::in_place, os::PathFromUtf8(options.books), run.project,
        options.docx ? report::BookFormat::Docx : report::BookFormat::Html,
        [&files = run.files](const std::filesystem::path& path) { return files.IsRunFile(path); });
}

// Checks every row into `results`: with --books, each computed row's book is written as the row
// is checked; with --book, every row is kept in `bookRows` for the whole schedule's book (its
// summary takes each row's bay, or its error), written once every row is checked. Throws
// os::FileError, schedule::BookError, report::BookFileError, schedule::ScheduleError.
schedule::Summary CheckRows(schedule::RowReader& rows, const RunSettings& run,
                            const BatchOptions& options, std::ostream& results,
                            std::vector<report::ScheduleBookRow>& bookRows) {
    std::optional<schedule::BookFolder> books = BookFolderOf(options, run);
    Progress progress(rows.Size());  // its bar gone when the run is, before anything more is said
    const auto checked = [&](const schedule::ScheduleRow& row, const schedule::RowCheck& result) {
        if (books && result.check) books->Write(*row.bay, *result.check, row.name, row.line);
        if (!options.book.empty()) bookRows.push_back(schedule::BookRowOf(row, result));
    };
    // Nothing stops the run but its end or a failed results stream (which Commit reports): it
    // always has a summary.
    return *schedule::RunSchedule(
        rows, run.defaults, results,
        {.checked = checked, .progress = [&](const schedule::RunProgress& at) {
             progress.Update(at.line, at.bytesRead);
             return true;
         }});
}

// With --book, the whole schedule's book; false, said on `err`, when it cannot be written.
bool WriteWholeBook(const BatchOptions& options, const RunSettings& run,
                    std::span<const report::ScheduleBookRow> rows, std::ostream& err) {
    try {
        schedule::WriteScheduleBook(
            {.project = run.project, .version = DECKPLATE_VERSION, .logo = run.logo}, rows,
            os::PathFromUtf8(options.book), run.bookFormat);
        return true;
    } catch (const os::FileError& e) {
        err << "deckplate-cli: cannot write the book: " << os::ShownWhole(e.what()) << "\n";
        return false;
    }
}

// The exit status of a complete run. On standard output the status column says how each row
// went; written to a file, the exit status alone would leave a user wondering what is in it.
int StatusOf(const schedule::Summary& summary, const BatchOptions& options, std::ostream& err) {
    if (summary.AllPass()) return kAllPass;
    if (!options.output.empty()) {
        err << "deckplate-cli: wrote " << os::ShownWhole(options.output) << ": of " << summary.rows
            << (summary.rows == 1 ? " row, " : " rows, ") << summary.passed << " passed, "
            << summary.exceeded << " failed and " << summary.errors << " had an error\n";
    }
    return kLimitExceeded;
}

// The run of a schedule whose settings are read: its header read, each row checked into the
// results and the books, then the notes of the rows said. What the schedule's reading notices
// goes to `notices`, its warnings said as soon as the header is read. Throws os::FileError,
// schedule::BookError, report::BookFileError, schedule::ScheduleError.
int CheckSchedule(const BatchOptions& options, const RunSettings& run, input::Notices& notices,
                  std::ostream& out, std::ostream& err) {
    schedule::RowReader rows(options.schedule, &notices);
    SayNotices(err, notices.Take(input::Severity::Warning), options.schedule);
    // A patch stands on the run's point load or on a row's own: without either it checks
    // nothing, as check refuses it.
    if (run.defaults.patch && !run.defaults.bay.pointLoad && !rows.Has(BayField::PointLoad)) {
        err << "deckplate-cli: --patch needs --point-load or a point_load column in the "
               "schedule; without a point load the patch '"
            << os::ShownText(*options.defaults.Text(input::RowOf(BayField::Patch).option))
            << "' checks nothing\n";
        return kBadArguments;
    }
    // The output is touched only now that the schedule has its columns, and a file there is
    // replaced only once every row is written: a failed or killed run leaves it as it was.
    std::optional<os::FileReplacement> outputFile;
    if (!options.output.empty()) outputFile.emplace(os::PathFromUtf8(options.output));
    std::ostream& results = outputFile ? outputFile->Stream() : out;
    std::vector<report::ScheduleBookRow> bookRows;
    const schedule::Summary summary = CheckRows(rows, run, options, results, bookRows);
    SayNotices(err, notices.Take(), options.schedule);
    // The book before the results: a book that cannot be written leaves the results file as it
    // was, as any other failed run does.
    if (!options.book.empty() && !WriteWholeBook(options, run, bookRows, err)) return kBadArguments;
    if (outputFile) {
        outputFile->Commit();  // a failed write (disk full) stopped the run: Commit says why
    } else if (!results.flush()) {
        err << "deckplate-cli: writing the results failed\n";
        return kBadArguments;
    }
    return StatusOf(summary, options, err);
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    RunSettings run;
    try {
        run = ReadSettings(options, err);
    } catch (const input::ValueError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    } catch (const report::BookFileError& e) {
        err << "deckplate-cli: no book was written: " << e.what() << "\n";
        return kBadArguments;
    }
    input::Notices notices;
    std::string failure;
    try {
        return CheckSchedule(options, run, notices, out, err);
    } catch (const os::FileError& e) {
        failure = "cannot write the results: " + os::ShownWhole(e.what());
    } catch (const schedule::BookError& e) {
        failure = os::ShownWhole(e.what());
    } catch (const report::BookFileError& e) {
        failure = std::string("no book was written: ") + e.what();
    } catch (const schedule::ScheduleError& e) {
        failure = os::ShownWhole(e.what());
    }
    // A run that stopped leaves no results for its notes to speak of; a warning on the schedule's
    // text may tell why it stopped.
    SayNotices(err, notices.Take(input::Severity::Warning), options.schedule);
    err << "deckplate-cli: " << failure << "\n";
    return kBadArguments;
}

}  // namespace deckplate::cli
