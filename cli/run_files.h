#pragma once
// The files one run of a command reads and writes, each named by what gives it. No output of a
// run may replace one of its inputs or another of its outputs: a book written over the bay file it
// was made from, or a schedule's results over the schedule's book, would lose a file and say
// nothing. One rule for every command that writes files (check --save, book -o, batch -o, --book
// and --books): two names reach one file when the file system says so (another spelling, a hard
// or a symbolic link), or, for files not written yet, when their paths are one (os::SameFile).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "report/book_file.h"

namespace deckplate::cli {

/// The format a book's name given by `option` asks for: .docx Word, .html or .htm HTML, and HTML
/// for a device (/dev/null, /dev/stdout). Throws input::ValueError naming the option for any
/// other name.
report::BookFormat BookFormatOf(std::string_view option, const std::string& path);

class RunFiles {
  public:
    /// A file the run reads, given by `option` ("--from", "SCHEDULE"), as a message names it:
    /// "the bay file --from reads", "the schedule itself".
    void Input(std::string option, std::string named, const std::string& path);

    /// A file, or a folder (--books), the run writes, given by `option`. Throws
    /// input::ValueError naming both when it reaches a file of the run already named, unless
    /// that is the one `mayRewrite` gives (check --save writes the bay it read --from back).
    void Output(std::string option, const std::string& path, const std::string& mayRewrite = "");

    /// Whether `path` reaches one of the run's files: a book a row names must go elsewhere.
    bool IsRunFile(const std::filesystem::path& path) const;

  private:
    struct File {
        std::string option;
        std::string named;  ///< as a message names it
        bool output = false;
        std::string path;  ///< as given, UTF-8
        std::filesystem::path file;
    };
    std::vector<File> files_;
};

}  // namespace deckplate::cli
