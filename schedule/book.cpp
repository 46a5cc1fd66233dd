#include "schedule/book.h"

#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "report/zip_package.h"
#include "schedule/book_names.h"

namespace deckplate::schedule {

bool WriteScheduleBook(const report::ScheduleBookInput& input,
                       std::span<const report::ScheduleBookRow> rows,
                       const std::filesystem::path& path, report::BookFormat format,
                       const report::BookProgress& progress) {
    os::FileReplacement file(path);
    try {
        if (!report::WriteScheduleBook(input, rows, file.Stream(), format, progress)) return false;
    } catch (const report::PackageError&) {
        // A failed write says why on Commit; a destination that cannot seek cannot hold Word.
        if (!file.Stream()) file.Commit();
        throw os::FileError(os::FileStep::Write, path,
                            std::make_error_code(std::errc::invalid_seek));
    }
    file.Commit();
    return true;
}

BookFolder::BookFolder(const std::filesystem::path& folder, project::ProjectInfo project,
                       report::BookFormat format, Reserved reserved)
    : folder_(folder),
      book_(report::BookInputOf({}, {}, std::move(project))),
      format_(format),
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

void BookFolder::Write(const BayInput& bay, const BayCheck& check, std::string_view rowName,
                       long long line) {
    const auto inFolder = [&](const std::string& name) { return folder_ / os::PathFromUtf8(name); };
    // A book of an earlier run is replaced; one of this run, or another file of the run, never
    // is.
    const std::filesystem::path path = inFolder(BookFileName(
        rowName, line,
        [&](const std::string& name) {
            const std::optional<os::FileIdentity> file = os::IdentityOf(inFolder(name));
            return (file && written_.contains(*file)) || (reserved_ && reserved_(inFolder(name)));
        },
        report::ExtensionOf(format_)));
    book_.bay = bay;
    book_.bayName = std::string(rowName);
    try {
        report::WriteBook(book_, check, path, format_);
    } catch (const os::FileError& e) {
        throw BookError("cannot write the book of line " + std::to_string(line) + ": " + e.what());
    }
    if (const std::optional<os::FileIdentity> file = os::IdentityOf(path)) written_.insert(*file);
}

}  // namespace deckplate::schedule
