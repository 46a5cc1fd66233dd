#pragma once
// Reads a schedule as spreadsheets write it: RFC 4180 quoting (through libcsv), UTF-8 with or
// without byte-order mark, or GBK as a Chinese spreadsheet saves it. Records are read one at a
// time from fixed-size chunks, so memory stays flat however long the file.

#include <csv.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace deckplate::cli {

enum class TextEncoding { Unknown, Utf8, Gbk };

class CsvReader {
  public:
    explicit CsvReader(std::FILE* file);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    /// The next record's fields as UTF-8; false at the end of the file.
    bool Next(std::vector<std::string>& fields);

    /// Bytes of the file read so far (for progress).
    long long BytesRead() const { return bytesRead_; }

  private:
    static void OnField(void* field, std::size_t length, void* self);
    static void OnRecord(int terminator, void* self);
    bool ReadChunk();
    std::string ToUtf8(const char* text, std::size_t length) const;

    std::FILE* file_;
    csv_parser parser_{};
    std::vector<std::string> current_;
    std::deque<std::vector<std::string>> ready_;
    TextEncoding encoding_ = TextEncoding::Unknown;
    bool atStart_ = true;
    bool finished_ = false;
    long long bytesRead_ = 0;
};

/// True when the bytes are well-formed UTF-8 (a sequence cut off at the end counts as fine).
bool IsUtf8(const char* bytes, std::size_t length);

/// GBK (code page 936) bytes as UTF-8; a byte sequence GBK does not define becomes U+FFFD.
std::string GbkToUtf8(const char* bytes, std::size_t length);

}  // namespace deckplate::cli
