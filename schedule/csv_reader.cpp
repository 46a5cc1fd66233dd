#include "schedule/csv_reader.h"

#include <array>
#include <cerrno>
#include <optional>
#include <string_view>

#include "os/encoding_guess.h"
#include "os/gbk.h"
#include "os/shown_text.h"
#include "os/utf8.h"

namespace deckplate::schedule {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

std::size_t FirstNonAscii(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) return i;
    return std::string_view::npos;
}

}  // namespace

std::string ScheduleProblemText(const ScheduleProblem& p) {
    const std::string schedule = "the schedule '" + os::ShownWhole(p.path) + "'";
    const std::string line = std::to_string(p.line);
    std::string reading;  // why the file could not be read on
    switch (p.fault) {
        case ScheduleFault::IsFolder:
            return schedule + " is a folder; give a CSV file";
        case ScheduleFault::NotAFile:
            return schedule +
                   " is not a regular file (a device, a pipe or a socket); give a CSV "
                   "file";
        case ScheduleFault::CannotOpen:
            return "cannot read " + schedule + ": " + p.reason.message();
        case ScheduleFault::Empty:
            return schedule + " is empty";
        case ScheduleFault::MissingColumns: {
            std::string missing;
            for (const std::string& column : p.columns)
                missing += (missing.empty() ? "" : ", ") + column;
            std::string text = "the schedule has no column " + missing +
                               "; the header row needs name, dead, live, thickness, span, "
                               "spacing, boundary, stiffener";
            if (p.separator != '\0') {
                text += std::string("; its columns are separated by ") +
                        (p.separator == ';' ? "semicolons (;)" : "tabs") +
                        ", but a schedule's are separated by commas (,): save it as CSV with "
                        "commas";
            }
            return text;
        }
        case ScheduleFault::RepeatedColumn:
            return "the schedule has the column '" + p.columns.front() + "' more than once (" +
                   p.letters + "); keep one";
        case ScheduleFault::ReadFailed:
            reading = "the file could not be read: " + p.reason.message();
            break;
        case ScheduleFault::Utf16:
            reading =
                "it is UTF-16 text (as a spreadsheet saves Unicode text); a schedule is CSV in "
                "UTF-8 or GBK: save it as CSV UTF-8 (comma delimited)";
            break;
        case ScheduleFault::Malformed:
            reading = p.detail;
            break;
        case ScheduleFault::QuoteNeverClosed:
            reading = "a quote opened on line " + line + " is never closed";
            break;
        case ScheduleFault::QuoteTooLong:
            reading = "a quote opened on line " + line + " is not closed within 1 MB";
            break;
        case ScheduleFault::RowTooLong:
            reading = "line " + line + " is longer than 1 MB; a schedule's rows are far shorter";
            break;
    }
    return p.path.empty() ? reading : schedule + " could not be read: " + reading;
}

ScheduleError::ScheduleError(ScheduleProblem problem)
    : std::runtime_error(ScheduleProblemText(problem)), problem_(std::move(problem)) {}

CsvReader::CsvReader(std::FILE* file, input::Notices* notices) : file_(file), notices_(notices) {
    csv_init(&parser_, 0);  // fails only when given no parser
}

CsvReader::~CsvReader() { csv_free(&parser_); }

std::string CsvReader::ToUtf8(const char* text, std::size_t length) {
    if (FirstNonAscii({text, length}) == std::string_view::npos) return std::string(text, length);
    if (encoding_ == ScheduleEncoding::Gbk) return os::DecodeGbk(std::string_view(text, length));
    // UTF-8 by its byte-order mark or by the deciding chunk; a stray byte is still not written.
    // A spreadsheet that puts the mark before GBK text deserves a word: its Chinese is lost.
    using input::NoticeKind;
    if (markedUtf8_ && notices_ && !notices_->Has(NoticeKind::NotUtf8AfterMark) &&
        !os::IsUtf8(text, length, false)) {
        const std::string gbk = os::DecodeGbk({text, length});
        const bool readsAsGbk = gbk.find("\xef\xbf\xbd") == std::string::npos;
        notices_->Add({.kind = NoticeKind::NotUtf8AfterMark,
                       .line = Line(),
                       .asGbk = readsAsGbk ? std::optional(gbk) : std::nullopt});
    }
    return os::ValidUtf8(text, length);
}

void CsvReader::OnField(void* field, std::size_t length, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->current_.push_back(reader->ToUtf8(static_cast<const char*>(field), length));
    reader->rowBytes_ += length + 1;
    if (reader->rowBytes_ > kLongestRow && reader->longRowLine_ == 0)
        reader->longRowLine_ = reader->Line();
}

void CsvReader::OnRecord(int, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->ready_.push_back(std::move(reader->current_));
    reader->current_.clear();
    reader->rowBytes_ = 0;
    ++reader->recordsEnded_;
}

void CsvReader::ReadChunk() {
    std::array<char, kChunkSize> buffer;
    const std::size_t length = std::fread(buffer.data(), 1, buffer.size(), file_);
    if (length == 0 && std::ferror(file_))
        throw ScheduleError({.fault = ScheduleFault::ReadFailed,
                             .reason = std::error_code(errno, std::generic_category())});
    bytesRead_ += static_cast<long long>(length);
    std::string_view chunk(buffer.data(), length);
    if (atStart_ && length > 0) {
        atStart_ = false;
        // UTF-16 (a spreadsheet's "Unicode text") has a zero byte beside every ASCII letter.
        const bool utf16 = chunk.starts_with("\xff\xfe") || chunk.starts_with("\xfe\xff") ||
                           (length >= 2 && (chunk[0] == '\0') != (chunk[1] == '\0'));
        if (utf16) {
            throw ScheduleError({.fault = ScheduleFault::Utf16});
        }
        if (chunk.starts_with("\xef\xbb\xbf")) {
            encoding_ = ScheduleEncoding::Utf8;
            markedUtf8_ = true;
            chunk.remove_prefix(3);
        }
    }
    const bool atEnd = length == 0;
    if (encoding_ == ScheduleEncoding::Unknown)
        Decide(chunk, atEnd);
    else
        Parse(chunk);
    if (atEnd) Finish();
}

// Until the first byte beyond ASCII both encodings read the same, and bytes go to the parser as
// they come. From that byte on they wait until a chunk's worth of them, or the end of the file,
// decides the encoding for the whole file on whole characters: a character that a chunk's end
// cuts in two is never judged by its first byte alone.
void CsvReader::Decide(std::string_view chunk, bool atEnd) {
    if (undecided_.empty()) {
        const std::size_t first = FirstNonAscii(chunk);
        Parse(chunk.substr(0, first));
        if (first == std::string_view::npos) return;
        chunk.remove_prefix(first);
    }
    undecided_.append(chunk);
    if (undecided_.size() < kChunkSize && !atEnd) return;
    encoding_ =
        os::LooksLikeGbk(undecided_, !atEnd) ? ScheduleEncoding::Gbk : ScheduleEncoding::Utf8;
    Parse(undecided_);
    undecided_ = std::string();
}

void CsvReader::Parse(std::string_view bytes) {
    if (bytes.empty()) return;
    if (csv_parse(&parser_, bytes.data(), bytes.size(), OnField, OnRecord, this) != bytes.size())
        throw ScheduleError(
            {.fault = ScheduleFault::Malformed, .detail = csv_strerror(csv_error(&parser_))});
    // The row so far: its finished fields and the one the parser is still collecting.
    if (longRowLine_ == 0 && rowBytes_ + parser_.entry_pos > kLongestRow) {
        if (parser_.quoted) {
            throw ScheduleError({.fault = ScheduleFault::QuoteTooLong, .line = Line()});
        }
        longRowLine_ = Line();
    }
    if (longRowLine_ != 0) {
        throw ScheduleError({.fault = ScheduleFault::RowTooLong, .line = longRowLine_});
    }
}

void CsvReader::Finish() {
    finished_ = true;
    // Only the end is judged strictly: a quote still open there has swallowed the rest of the
    // file, and its record would otherwise look like a row with columns missing.
    csv_set_opts(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    if (csv_fini(&parser_, OnField, OnRecord, this) != 0) {
        throw ScheduleError({.fault = ScheduleFault::QuoteNeverClosed, .line = Line()});
    }
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    while (ready_.empty()) {
        if (finished_) return false;
        ReadChunk();
    }
    fields = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

}  // namespace deckplate::schedule
