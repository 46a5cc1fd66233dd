#pragma once
// The stream buffer of a file being replaced: bytes gather in a fixed buffer and go to the
// system's file when it is full or flushed. The first failure stops all writing and is kept, so
// that the one who commits the file can say why it could not be written. The stream can seek
// (a zip writer goes back to fill in a part's sizes): what is buffered goes out first, then the
// system's file moves; a file that cannot seek, such as a pipe, fails the seek and nothing else.

#include <array>
#include <cstddef>
#include <ios>
#include <streambuf>
#include <system_error>

namespace deckplate::os {

class WriteBuffer : public std::streambuf {
  public:
    /// Writes out what is buffered; false when anything could not be written.
    bool Flush() { return Drain() && !error_; }
    /// The first failure, if any: why the file could not be written.
    std::error_code Failure() const { return error_; }

  protected:
    WriteBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    /// Writes some of `length` bytes to the file: how many, or 0 with `failure` set.
    virtual std::size_t WriteSome(const char* bytes, std::size_t length,
                                  std::error_code& failure) = 0;
    /// Moves the file's position as lseek does: the new position, or -1 when it cannot.
    virtual std::streamoff SeekTo(std::streamoff offset, std::ios_base::seekdir from) = 0;

    pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                     std::ios_base::openmode which) override {
        if (!(which & std::ios_base::out) || !Drain()) return pos_type(off_type(-1));
        return pos_type(SeekTo(offset, from));
    }
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override {
        return seekoff(off_type(position), std::ios_base::beg, which);
    }

    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

  private:
    bool Drain() {
        if (error_) return false;
        for (const char* next = pbase(); next < pptr();) {
            const std::size_t written =
                WriteSome(next, static_cast<std::size_t>(pptr() - next), error_);
            if (error_) return false;
            next += written;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return true;
    }

    std::error_code error_;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace deckplate::os
