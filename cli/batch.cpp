#include "cli/batch.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/run_files.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "schedule/book.h"
#include "schedule/results_writer.h"
#include "schedule/row_check.h"
#include "schedule/row_reader.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    schedule::RowDefaults defaults;
    project::ProjectInfo project;
    std::optional<report::doc::ImageRun> logo;
    report::BookFormat bookFormat = report::BookFormat::Html;
    RunFiles files;
    try {
        // Read once here so that a wrong value stops the run before any row.
        defaults.bay = options.defaults.Read(BaySource(std::nullopt), BayUse::Run, err);
        const input::InputOption& patch = input::RowOf(BayField::Patch).option;
        if (const std::optional<std::string> text = options.defaults.Text(patch))
            defaults.patch = input::ParsePatch(*text, {std::string(patch.name), BayField::Patch});
        // No output may replace the schedule, the bay file of the project or another output.
        files.Input("SCHEDULE", "the schedule itself", options.schedule);
        ProjectFile(files, options.project);
        for (const auto& [option, path] :
             {std::pair{"-o", &options.output}, std::pair{"--book", &options.book},
              std::pair{"--books", &options.books}})
            if (!path->empty()) files.Output(option, input::OutputFile(*path, {option}));
        if (!options.book.empty()) bookFormat = BookFormatOf("--book", options.book);
        if (options.docx && options.books.empty())
            throw input::ValueError(
                "--docx writes the books of --books DIR as Word documents: give --books DIR with "
                "it");
        if (options.project.Any() && options.books.empty() && options.book.empty())
            throw input::ValueError(
                "the project information goes into calculation books: give --book FILE.docx or "
                "--books DIR with it");
        project = ReadProjectInfo(options.project);
        // A logo that cannot be used stops the run before any row, as a wrong option does.
        if (!options.book.empty() || !options.books.empty()) logo = report::ReadLogo(project);
    } catch (const input::ValueError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    } catch (const report::BookFileError& e) {
        err << "deckplate-cli: no book was written: " << e.what() << "\n";
        return kBadArguments;
    }
    const std::filesystem::path output = os::PathFromUtf8(options.output);
    const std::filesystem::path bookFile = os::PathFromUtf8(options.book);
    try {
        schedule::RowReader rows(options.schedule, [&](const schedule::EncodingWarning& warning) {
            err << "deckplate-cli: warning: the schedule '" << os::ShownWhole(options.schedule)
                << "' " << schedule::EncodingWarningText(warning) << "\n";
        });
        // A patch stands on the run's point load or on a row's own: without either it checks
        // nothing, as check refuses it.
        if (defaults.patch && !defaults.bay.pointLoad && !rows.Has(BayField::PointLoad)) {
            err << "deckplate-cli: --patch needs --point-load or a point_load column in the "
                   "schedule; without a point load the patch '"
                << os::ShownText(*options.defaults.Text(input::RowOf(BayField::Patch).option))
                << "' checks nothing\n";
            return kBadArguments;
        }
        // The output is touched only now that the schedule has its columns, and a file there
        // is replaced only once every row is written: a failed or killed run leaves it as it was.
        std::optional<os::FileReplacement> outputFile;
        if (!options.output.empty()) outputFile.emplace(output);
        std::optional<schedule::BookFolder> books;
        // A row's book goes elsewhere than a file of the run, as it goes elsewhere than another
        // row's book.
        if (!options.books.empty()) {
            books.emplace(
                os::PathFromUtf8(options.books), project,
                options.docx ? report::BookFormat::Docx : report::BookFormat::Html,
                [&files](const std::filesystem::path& path) { return files.IsRunFile(path); });
        }
        // The whole schedule's book takes each row's bay, or its error, for its summary: the
        // rows' inputs are kept, their books written once every row is checked.
        std::vector<report::ScheduleBookRow> bookRows;
        std::ostream& results = outputFile ? outputFile->Stream() : out;

        schedule::ResultsWriter writer(results, rows.Header(), rows.Scope(defaults));
        schedule::RowChecker checker;
        schedule::Summary summary;
        std::optional<Progress> progress;
        // A failed write (disk full) stops the run; the output's Commit says why.
        for (schedule::ScheduleRow row; results && rows.Next(defaults, row);) {
            const schedule::RowCheck result = checker.Check(row);
            writer.Write(row, result);
            if (books && result.check) books->Write(*row.bay, *result.check, row.name, row.line);
            if (!options.book.empty()) {
                bookRows.push_back({.line = row.line,
                                    .name = row.name,
                                    .bay = result.check ? row.bay : std::nullopt,
                                    .check = result.check,
                                    .error = result.error ? schedule::RowErrorWords(*result.error)
                                                          : std::string()});
            }
            summary.Count(result);
            if (!progress) progress.emplace(rows.Size());
            progress->Update(row.line, rows.BytesRead());
        }
        progress.reset();
        if (rows.ReadQ345()) NoteQ345(err);
        // The book before the results: a book that cannot be written leaves the results file as
        // it was, as any other failed run does.
        if (!options.book.empty()) {
            try {
                schedule::WriteScheduleBook(
                    {.project = project, .version = DECKPLATE_VERSION, .logo = logo}, bookRows,
                    bookFile, bookFormat);
            } catch (const os::FileError& e) {
                err << "deckplate-cli: cannot write the book: " << os::ShownWhole(e.what()) << "\n";
                return kBadArguments;
            }
        }
        if (outputFile) {
            outputFile->Commit();
        } else if (!results.flush()) {
            err << "deckplate-cli: writing the results failed\n";
            return kBadArguments;
        }
        if (summary.AllPass()) return kAllPass;
        // On standard output the status column says it; written to a file, the exit status
        // alone would leave a user wondering what is in it.
        if (outputFile) {
            err << "deckplate-cli: wrote " << os::ShownWhole(options.output) << ": of "
                << summary.rows << (summary.rows == 1 ? " row, " : " rows, ") << summary.passed
                << " passed, " << summary.exceeded << " failed and " << summary.errors
                << " had an error\n";
        }
        return kLimitExceeded;
    } catch (const os::FileError& e) {
        err << "deckplate-cli: cannot write the results: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    } catch (const schedule::BookError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    } catch (const report::BookFileError& e) {
        err << "deckplate-cli: no book was written: " << e.what() << "\n";
        return kBadArguments;
    } catch (const schedule::ScheduleError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    }
}

}  // namespace deckplate::cli
