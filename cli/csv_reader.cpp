#include "csv_reader.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace deckplate::cli {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

bool HasNonAscii(const char* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) return true;
    return false;
}

}  // namespace

bool IsUtf8(const char* bytes, std::size_t length) {
    std::size_t i = 0;
    while (i < length) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const std::size_t extra = c < 0x80           ? 0
                                  : (c >> 5) == 0x6  ? 1
                                  : (c >> 4) == 0xe  ? 2
                                  : (c >> 3) == 0x1e ? 3
                                                     : 99;
        if (extra == 99 || (extra > 0 && c < 0xc2)) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= length) return true;  // cut off by the chunk's end
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xc0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string GbkToUtf8(const char* bytes, std::size_t length) {
    iconv_t cd = iconv_open("UTF-8", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
    std::string out;
    out.resize(length * 3 + 4);
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        // A byte GBK does not define: write U+FFFD and go on after it.
        if (outLeft < 3) break;
        std::memcpy(outPtr, "\xef\xbf\xbd", 3);
        outPtr += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

CsvReader::CsvReader(std::FILE* file) : file_(file) {
    if (csv_init(&parser_, 0) != 0) throw std::runtime_error("cannot start the CSV parser");
}

CsvReader::~CsvReader() { csv_free(&parser_); }

std::string CsvReader::ToUtf8(const char* text, std::size_t length) const {
    if (encoding_ == TextEncoding::Gbk && HasNonAscii(text, length)) return GbkToUtf8(text, length);
    return std::string(text, length);
}

void CsvReader::OnField(void* field, std::size_t length, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->current_.push_back(reader->ToUtf8(static_cast<const char*>(field), length));
}

void CsvReader::OnRecord(int, void* self) {
    auto* reader = static_cast<CsvReader*>(self);
    reader->ready_.push_back(std::move(reader->current_));
    reader->current_.clear();
}

bool CsvReader::ReadChunk() {
    std::array<char, kChunkSize> buffer;
    std::size_t length = std::fread(buffer.data(), 1, buffer.size(), file_);
    const char* data = buffer.data();
    bytesRead_ += static_cast<long long>(length);
    if (atStart_ && length > 0) {
        atStart_ = false;
        if (length >= 3 && std::string_view(data, 3) == "\xef\xbb\xbf") {
            encoding_ = TextEncoding::Utf8;
            data += 3;
            length -= 3;
        }
    }
    // Until the first byte beyond ASCII, both encodings read the same; the first chunk that has
    // one decides for the whole file.
    if (encoding_ == TextEncoding::Unknown && HasNonAscii(data, length))
        encoding_ = IsUtf8(data, length) ? TextEncoding::Utf8 : TextEncoding::Gbk;
    if (length == 0) {
        if (std::ferror(file_)) throw std::runtime_error("the file could not be read");
        csv_fini(&parser_, OnField, OnRecord, this);
        finished_ = true;
        return false;
    }
    if (csv_parse(&parser_, data, length, OnField, OnRecord, this) != length)
        throw std::runtime_error(csv_strerror(csv_error(&parser_)));
    return true;
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

}  // namespace deckplate::cli
