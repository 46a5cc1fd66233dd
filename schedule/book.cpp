#include "schedule/book.h"

#include <charconv>
#include <chrono>

#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/today.h"
#include "os/utf8.h"
#include "schedule/book_names.h"
#include "version/deckplate_version.h"

namespace deckplate::schedule {

std::optional<ProjectTextFault> ProjectTextProblem(std::string_view text) {
    std::size_t characters = 0;
    while (!text.empty()) {
        const std::size_t length = os::Utf8CharacterLength(text);
        if (length == 0) return ProjectTextFault::NotUtf8;
        const auto lead = static_cast<unsigned char>(text.front());
        // C0, DEL and C1 (U+0080 to U+009F, written C2 80 to C2 9F).
        const bool control = lead < 0x20 || lead == 0x7f ||
                             (lead == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0);
        if (control) return ProjectTextFault::ControlCharacter;
        text.remove_prefix(length);
        ++characters;
    }
    if (characters > kMostProjectCharacters) return ProjectTextFault::TooLong;
    return std::nullopt;
}

bool IsIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto number = [&](std::size_t at, std::size_t length, int& value) {
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + length, value);
        return error == std::errc() && end == first + length && value >= 0;
    };
    int year = 0, month = 0, day = 0;
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day)) return false;
    return std::chrono::year_month_day(std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

report::ProjectInfo Dated(report::ProjectInfo project) {
    if (project.date.empty()) project.date = os::TodayIso();
    return project;
}

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

BookFolder::BookFolder(const std::filesystem::path& folder, report::ProjectInfo project)
    : folder_(folder), project_(Dated(std::move(project))) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!error && !std::filesystem::is_directory(folder_, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error) {
        throw BookError("cannot make the folder for the books '" + os::Utf8Of(folder_) +
                        "': " + error.message());
    }
}

void BookFolder::Write(const BayInput& bay, std::string_view rowName, long long line) {
    const auto inFolder = [&](const std::string& name) { return folder_ / os::PathFromUtf8(name); };
    // A book of an earlier run is replaced; one of this run never is.
    const std::filesystem::path path =
        inFolder(BookFileName(rowName, line, [&](const std::string& name) {
            const std::optional<os::FileIdentity> file = os::IdentityOf(inFolder(name));
            return file && written_.contains(*file);
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
