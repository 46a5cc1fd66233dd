#pragma once
// The bay file (.deckplate): one bay and its project, as UTF-8 JSON an engineer can read and a
// script can write.
//
//   {"format": "deckplate-bay", "format_version": 1, "program_version": "1.1.0",
//    "project": {"name": …, "number": …, …, "date": …},
//    "bay": {"dead": "1.5", "live": "4", "thickness": "6", "span": "2000", "spacing": "500",
//            "simply_supported": true, "continuous": false, "stiffener": "flat_bar",
//            "flat_bar_height": "80", "flat_bar_thickness": "8", "angle": "",
//            "basis": "current", "steel": "Q355", "check_point_load": true,
//            "point_load": "1.5", "patch_across": "200", "patch_along": "200"}}
//
// A box is kept as the text it holds; a file written by hand may give a plain number instead
// ("dead": 1.5). Reading is strict: a fault is a BayFileProblem (what, where, the value), worded
// by each front end, and nothing of a bad file is taken — not a key given twice, nor a project
// field the options would refuse (project_info.h).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "project/project_info.h"
#include "project/saved_bay.h"

namespace deckplate::project {

/// The file's "format".
inline constexpr std::string_view kBayFileFormat = "deckplate-bay";
/// The layout this program writes and the newest it reads.
inline constexpr int kBayFileVersion = 1;
/// The extension, without its dot.
inline constexpr std::string_view kBayFileExtension = "deckplate";
/// The largest bay file read, bytes: a real one is under 2 kB.
inline constexpr std::uintmax_t kLargestBayFile = 1024 * 1024;

struct BayFile {
    std::string programVersion{};  ///< of the program that wrote it; read only as information
    ProjectInfo project{};
    SavedBay bay{};

    friend bool operator==(const BayFile&, const BayFile&) = default;
};

/// Why a bay file cannot be taken.
enum class BayFileFault {
    CannotOpen,     ///< the system refuses it (`reason`: the system's reason)
    IsFolder,       ///< the path is a folder
    NotAFile,       ///< a device, a pipe or a socket: no bay file, and perhaps never ending
    TooLarge,       ///< larger than kLargestBayFile (`size`: its size)
    NotJson,        ///< not JSON at `line`, `column`
    Truncated,      ///< the JSON ends before it is complete
    NotABayFile,    ///< no "format": "deckplate-bay"
    NewerVersion,   ///< "format_version" `version` is newer than kBayFileVersion
    WrongType,      ///< `key`'s value is not `expected`
    UnknownKey,     ///< `key` is none of the file's
    RepeatedKey,    ///< `key` is given twice: which would count is anyone's guess
    Negative,       ///< `key`'s number is below 0 (`value`)
    UnknownAngle,   ///< `key`'s designation is not in the catalogue (`value`)
    UnknownChoice,  ///< `key`'s text is none of the choices (`value`)
    ProjectText,    ///< `key`, a field of the project, holds `value`, which it may not (`text`)
};

/// What the value of a key should have been.
enum class Expected { Object, Text, TextOrNumber, TrueOrFalse, WholeNumber };

/// What is wrong and where; `key` and `value` as the file has them, to be shown through
/// os::ShownText.
struct BayFileProblem {
    BayFileFault fault = BayFileFault::NotJson;
    std::string key{};  ///< where, as "bay.dead" or "format_version"
    std::string value{};
    std::error_code reason{};  ///< CannotOpen: the system's reason
    ProjectTextFault text = ProjectTextFault::NotUtf8;
    std::string choices{};  ///< UnknownChoice: the texts taken, as "flat_bar, angle"
    Expected expected = Expected::Text;
    long long line = 0, column = 0;
    long long version = 0;
    std::uintmax_t size = 0;
};

/// The problem in English, for the command line: "bay.dead: -2 is below 0".
std::string BayFileProblemText(const BayFileProblem& problem);

class BayFileError : public std::runtime_error {
  public:
    explicit BayFileError(BayFileProblem problem);
    const BayFileProblem& Problem() const { return problem_; }

  private:
    BayFileProblem problem_;
};

/// The file's text: UTF-8 JSON, two-space indented, ending with a line break.
std::string BayFileText(const BayFile& file);

/// Reads a bay file's text. Throws BayFileError.
BayFile ReadBayFileText(std::string_view text);

/// Reads the bay file at `path` (UTF-8). Throws BayFileError.
BayFile ReadBayFile(std::string_view path);

}  // namespace deckplate::project
