#include "cli/batch.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/progress.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "schedule/book.h"
#include "schedule/schedule_run.h"
#include "schedule/values.h"

namespace deckplate::cli {

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    schedule::RunDefaults defaults;
    try {
        defaults.basis = schedule::ParseBasis(options.basis, "--basis");
        // Read once here so that a wrong value stops the run before any row: the rows read it
        // again, each with its own cells.
        schedule::ParsePointLoad(options.pointLoad.force.value_or("0"), options.pointLoad.patch,
                                 "--point-load", "--patch");
        defaults.pointLoad = options.pointLoad;
        if (!options.output.empty()) schedule::OutputFile(options.output, "-o");
    } catch (const schedule::ValueError& e) {
        err << "deckplate-cli: " << e.what() << "\n";
        return kBadArguments;
    }
    const std::filesystem::path output = os::PathFromUtf8(options.output);
    try {
        schedule::Schedule rows(options.schedule, [&err](const std::string& warning) {
            err << "deckplate-cli: warning: " << warning << "\n";
        });
        if (!options.output.empty() && rows.IsFile(output)) {
            err << "deckplate-cli: -o '" << options.output
                << "' is the schedule itself; write the results to another file\n";
            return kBadArguments;
        }
        // The output is touched only now that the schedule has its columns, and a file there
        // is replaced only once every row is written: a failed or killed run leaves it as it was.
        std::optional<os::FileReplacement> outputFile;
        if (!options.output.empty()) outputFile.emplace(output);
        std::optional<schedule::BookFolder> books;
        if (!options.books.empty()) books.emplace(os::PathFromUtf8(options.books));
        std::ostream& results = outputFile ? outputFile->Stream() : out;
        std::optional<Progress> progress;
        const schedule::RowProgress update = [&](long long line, long long bytes, long long size) {
            if (!progress) progress.emplace(size);
            progress->Update(line, bytes);
            return true;
        };
        const auto summary = rows.Check(defaults, results, books ? &*books : nullptr, update);
        progress.reset();
        if (outputFile) {
            outputFile->Commit();
        } else if (!results.flush()) {
            err << "deckplate-cli: writing the results failed\n";
            return kBadArguments;
        }
        return summary->AllPass() ? kAllPass : kLimitExceeded;
    } catch (const os::FileError& e) {
        err << "deckplate-cli: cannot write the results: " << e.what() << "\n";
        return kBadArguments;
    } catch (const schedule::BookError& e) {
        err << "deckplate-cli: " << e.what() << "\n";
        return kBadArguments;
    } catch (const schedule::ScheduleError& e) {
        err << "deckplate-cli: " << e.what() << "\n";
        return kBadArguments;
    }
}

}  // namespace deckplate::cli
