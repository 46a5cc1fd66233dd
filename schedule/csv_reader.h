#pragma once
// Reads a schedule as spreadsheets write it: RFC 4180 quoting (through libcsv), UTF-8 with or
// without byte-order mark, or GBK as a Chinese spreadsheet saves it. Records are read one at a
// time from fixed-size chunks, so memory stays flat however long the file; a row longer than
// kLongestRow stops the reading, so a file that is no schedule (/dev/zero) cannot fill memory.

#include <csv.h>

#include <cstdio>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "input/notices.h"

namespace deckplate::schedule {

/// What a schedule's text is written in; Unknown until its first byte beyond ASCII decides.
enum class ScheduleEncoding { Unknown, Utf8, Gbk };

/// The longest row a schedule may have, bytes. Real rows are a few hundred.
constexpr std::size_t kLongestRow = 1024 * 1024;

/// Why a schedule cannot be read or used.
enum class ScheduleFault {
    IsFolder,          ///< the path is a folder
    NotAFile,          ///< a device, a pipe or a socket: no schedule, and perhaps never ending
    CannotOpen,        ///< the system refuses to open it (`reason`)
    Empty,             ///< not even a header row
    ReadFailed,        ///< reading stopped part-way (`reason`)
    Utf16,             ///< UTF-16 text, as a spreadsheet saves "Unicode text"
    Malformed,         ///< libcsv gave up (`detail`: its words)
    QuoteNeverClosed,  ///< a quote opened on `line` runs to the end of the file
    QuoteTooLong,      ///< a quote opened on `line` is still open 1 MB later
    RowTooLong,        ///< `line` is longer than kLongestRow
    MissingColumns,    ///< `columns` are not in the header
    RepeatedColumn,    ///< `columns` (one) heads the columns at `letters` ("B and D")
};

struct ScheduleProblem {
    ScheduleFault fault = ScheduleFault::ReadFailed;
    std::string path{};  ///< the schedule's, UTF-8, once known
    long long line = 0;
    std::error_code reason{};  ///< the system's, when it refused
    std::string detail{};      ///< libcsv's words
    std::vector<std::string> columns{};
    std::string letters{};
    /// The separator a one-cell header seems to use instead of commas: ';' or '\t'; 0 for none.
    char separator = '\0';
};

/// The problem as the command line says it, in English; the path and the file's text shown
/// through os::ShownText.
std::string ScheduleProblemText(const ScheduleProblem& problem);

/// The schedule cannot be read on, or lacks what a schedule needs.
class ScheduleError : public std::runtime_error {
  public:
    explicit ScheduleError(ScheduleProblem problem);
    const ScheduleProblem& Problem() const { return problem_; }

  private:
    ScheduleProblem problem_;
};

class CsvReader {
  public:
    /// What may not read as the schedule means goes to `notices` (NoticeKind::NotUtf8AfterMark,
    /// once), when given.
    explicit CsvReader(std::FILE* file, input::Notices* notices = nullptr);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    /// The next record's fields as UTF-8; false at the end of the file. Throws ScheduleError.
    bool Next(std::vector<std::string>& fields);

    /// Bytes of the file read so far (for progress).
    long long BytesRead() const { return bytesRead_; }

  private:
    static void OnField(void* field, std::size_t length, void* self);
    static void OnRecord(int terminator, void* self);
    void ReadChunk();
    void Decide(std::string_view chunk, bool atEnd);
    void Parse(std::string_view bytes);
    void Finish();
    std::string ToUtf8(const char* text, std::size_t length);
    /// The spreadsheet row being read: the header is line 1.
    long long Line() const { return recordsEnded_ + 1; }

    std::FILE* file_;
    input::Notices* notices_;
    csv_parser parser_{};
    std::vector<std::string> current_;
    std::deque<std::vector<std::string>> ready_;
    ScheduleEncoding encoding_ = ScheduleEncoding::Unknown;
    std::string undecided_;    // from the first byte beyond ASCII, until the encoding is decided
    bool markedUtf8_ = false;  // by a byte-order mark
    bool atStart_ = true;
    bool finished_ = false;
    long long bytesRead_ = 0;
    long long recordsEnded_ = 0;
    std::size_t rowBytes_ = 0;   // of the fields of the current row read so far
    long long longRowLine_ = 0;  // the first row found longer than kLongestRow
};

}  // namespace deckplate::schedule
