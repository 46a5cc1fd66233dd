#include "app/windows_console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "os/wide_text.h"

namespace deckplate::app {
namespace {

/// How many leading bytes of `text` end on a whole character: a last character whose lead
/// byte promises more bytes than follow it is held back.
std::size_t WholeCharactersLength(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(size, 3); ++back) {
        const auto c = static_cast<unsigned char>(text[size - back]);
        if ((c & 0xc0) == 0x80) continue;  // a continuation byte: its lead is further back
        const std::size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

bool WriteConsoleText(HANDLE console, std::wstring_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
        if (!WriteConsoleW(console, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

Utf8Arguments::Utf8Arguments(int argc, const wchar_t* const* argv) {
    for (int i = 0; i < argc; ++i) arguments_.push_back(os::Utf8FromWide(argv[i]));
    for (const std::string& argument : arguments_) pointers_.push_back(argument.c_str());
}

Utf16Buffer::Utf16Buffer(Writer write) : write_(std::move(write)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

Utf16Buffer::~Utf16Buffer() { WriteBuffered(true); }

bool Utf16Buffer::WriteBuffered(bool evenACutOffCharacter) {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t whole =
        evenACutOffCharacter ? pending.size() : WholeCharactersLength(pending);
    const bool written = whole == 0 || write_(os::WideFromUtf8(pending.substr(0, whole)));
    // The start of a cut-off character moves to the front, to meet the rest of it.
    const std::size_t kept = pending.size() - whole;
    std::memmove(buffer_.data(), pending.data() + whole, kept);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(kept));
    return written;
}

Utf16Buffer::int_type Utf16Buffer::overflow(int_type c) {
    if (!WriteBuffered(false)) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int Utf16Buffer::sync() { return WriteBuffered(false) ? 0 : -1; }

ConsoleStreams::ConsoleStreams() {
    Attach(std::cout, STD_OUTPUT_HANDLE, _fileno(stdout));
    Attach(std::cerr, STD_ERROR_HANDLE, _fileno(stderr));
}

ConsoleStreams::~ConsoleStreams() {
    for (Redirected& r : redirected_) {
        r.stream->flush();
        r.stream->rdbuf(r.original);
    }
}

void ConsoleStreams::Attach(std::ostream& stream, unsigned long standardHandle, int descriptor) {
    HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
        _setmode(descriptor, _O_BINARY);
        return;
    }
    auto console = std::make_unique<Utf16Buffer>(
        [handle](std::wstring_view text) { return WriteConsoleText(handle, text); });
    std::streambuf* original = stream.rdbuf(console.get());
    redirected_.push_back({&stream, original, std::move(console)});
}

}  // namespace deckplate::app
