#include "schedule/book.h"

#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "schedule/book_names.h"
#include "version/deckplate_version.h"

namespace deckplate::schedule {

void WriteBook(const report::BookInput& input, const std::filesystem::path& path) {
    const std::string book = report::CalculationBook(input);
    os::ReplaceTextFile(path, book, os::TextEncoding::Utf8);
}

bool WriteScheduleBook(const report::ScheduleBookInput& input,
                       std::span<const report::ScheduleBookRow> rows,
                       const std::filesystem::path& path, const report::BookProgress& progress) {
    os::FileReplacement file(path);
    if (!report::WriteScheduleBook(file.Stream(), input, rows, progress)) return false;
    file.Commit();
    return true;
}

BookFolder::BookFolder(const std::filesystem::path& folder, project::ProjectInfo project,
                       Reserved reserved)
    : folder_(folder),
      project_(project::Dated(std::move(project))),
      reserved_(std::move(reserved)) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!error && !std::filesystem::is_directory(folder_, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error) {
        throw BookError("cannot make the folder for the books '" +
                        os::ShownWhole(os::Utf8Of(folder_)) + "': " + error.message());
    }
}

void BookFolder::Write(const BayInput& bay, std::string_view rowName, long long line) {
    const auto inFolder = [&](const std::string& name) { return folder_ / os::PathFromUtf8(name); };
    // A book of an earlier run is replaced; one of this run, or another file of the run, never
    // is.
    const std::filesystem::path path =
        inFolder(BookFileName(rowName, line, [&](const std::string& name) {
            const std::optional<os::FileIdentity> file = os::IdentityOf(inFolder(name));
            return (file && written_.contains(*file)) || (reserved_ && reserved_(inFolder(name)));
        }));
    try {
        WriteBook({.bay = bay,
                   .bayName = std::string(rowName),
                   .project = project_,
                   .version = DECKPLATE_VERSION},
                  path);
    } catch (const os::FileError& e) {
        throw BookError("cannot write the book of line " + std::to_string(line) + ": " + e.what());
    }
    if (const std::optional<os::FileIdentity> file = os::IdentityOf(path)) written_.insert(*file);
}

}  // namespace deckplate::schedule
