#pragma once
// deckplate-cli on Windows. Windows hands a program its command line as UTF-16; the command
// line and everything it prints work in UTF-8, as on Linux. So the arguments are turned into
// UTF-8 on the way in, and on the way out standard output and standard error are
//   - a console window: the UTF-8 text goes to WriteConsoleW as UTF-16, which shows Chinese
//     whatever code page the console uses;
//   - redirected to a file or a pipe: the UTF-8 bytes, unchanged (no CR added before LF).

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace deckplate::app {

/// The program's arguments, argv[0] included, as UTF-8; a lone surrogate becomes U+FFFD.
class Utf8Arguments {
  public:
    Utf8Arguments(int argc, const wchar_t* const* argv);
    int Count() const { return static_cast<int>(pointers_.size()); }
    const char* const* Values() const { return pointers_.data(); }

  private:
    std::vector<std::string> arguments_;
    std::vector<const char*> pointers_;
};

/// A stream buffer that hands the UTF-8 written to it on as UTF-16, in whole characters: a
/// character split across two writes waits for its last byte. A byte that is not UTF-8
/// becomes U+FFFD.
class Utf16Buffer : public std::streambuf {
  public:
    /// `write` takes the text and says whether it got all of it.
    using Writer = std::function<bool(std::wstring_view)>;
    explicit Utf16Buffer(Writer write);
    ~Utf16Buffer() override;  // writes what is left, a cut-off character as U+FFFD
    Utf16Buffer(const Utf16Buffer&) = delete;
    Utf16Buffer& operator=(const Utf16Buffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool WriteBuffered(bool evenACutOffCharacter);

    Writer write_;
    std::array<char, 4096> buffer_{};
};

/// While it lives, std::cout and std::cerr write to a console window through WriteConsoleW
/// and to anything else in binary mode.
class ConsoleStreams {
  public:
    ConsoleStreams();
    ~ConsoleStreams();  // flushes, and gives the streams their own buffers back
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    struct Redirected {
        std::ostream* stream;
        std::streambuf* original;
        std::unique_ptr<Utf16Buffer> console;
    };
    void Attach(std::ostream& stream, unsigned long standardHandle, int descriptor);

    std::vector<Redirected> redirected_;
};

}  // namespace deckplate::app
