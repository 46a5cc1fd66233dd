#include "cli/run_files.h"

#include <system_error>

#include "input/values.h"
#include "os/file_identity.h"
#include "os/paths.h"
#include "os/shown_text.h"

namespace deckplate::cli {
namespace {

// A device (/dev/null, /dev/stdout) keeps nothing that a write could lose: every output of a run
// may go there.
bool KeepsNothing(const std::filesystem::path& file) {
    std::error_code unknown;
    const std::filesystem::file_status status = std::filesystem::status(file, unknown);
    return !unknown && std::filesystem::exists(status) &&
           !std::filesystem::is_regular_file(status) && !std::filesystem::is_directory(status);
}

}  // namespace

void RunFiles::Input(std::string option, std::string named, const std::string& path) {
    files_.push_back({.option = std::move(option),
                      .named = std::move(named),
                      .path = path,
                      .file = os::PathFromUtf8(path)});
}

void RunFiles::Output(std::string option, const std::string& path, const std::string& mayRewrite) {
    const std::filesystem::path file = os::PathFromUtf8(path);
    for (const File& earlier : files_) {
        if (earlier.option == mayRewrite || KeepsNothing(file) || !os::SameFile(file, earlier.file))
            continue;
        throw input::ValueError(
            option + " '" + os::ShownWhole(path) + "' is " + earlier.named +
            (earlier.path == path ? "" : " ('" + os::ShownWhole(earlier.path) + "')") +
            (earlier.output
                 ? "; one would replace the other: give each its own file"
                 : "; writing there would replace it: give " + option + " another file"));
    }
    files_.push_back({.option = option,
                      .named = "the file " + option + " writes",
                      .output = true,
                      .path = path,
                      .file = file});
}

bool RunFiles::IsRunFile(const std::filesystem::path& path) const {
    for (const File& file : files_)
        if (os::SameFile(path, file.file)) return true;
    return false;
}

report::BookFormat BookFormatOf(std::string_view option, const std::string& path) {
    const std::filesystem::path file = os::PathFromUtf8(path);
    if (const auto format = report::BookFormatOf(file)) return *format;
    // A device (/dev/null, /dev/stdout) has no name to say: it gets the web page, which a pipe
    // can take as it comes (a Word package goes back over what it wrote).
    if (KeepsNothing(file)) return report::BookFormat::Html;
    throw input::ValueError(std::string(option) + ": the book '" + os::ShownWhole(path) +
                            "' must be named .docx (a Word document) or .html/.htm (a web "
                            "page)");
}

}  // namespace deckplate::cli
