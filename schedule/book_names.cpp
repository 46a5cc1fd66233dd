#include "schedule/book_names.h"

#include "os/paths.h"

namespace deckplate::schedule {
namespace {

constexpr std::size_t kLongestStem = 150;  // bytes; both systems allow 255 per name

// Cut at a character boundary: never inside a UTF-8 sequence.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

}  // namespace

std::string SafeFileStem(std::string_view name) {
    std::string stem;
    for (const char c : CutToWholeCharacters(name, kLongestStem)) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        stem +=
            control || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ? '_' : c;
    }
    const std::size_t first = stem.find_first_not_of(' ');
    const std::size_t last = stem.find_last_not_of(". ");
    if (first == std::string::npos || last == std::string::npos || last < first) return {};
    stem = stem.substr(first, last - first + 1);
    return os::IsWindowsDeviceName(stem) ? "_" + stem : stem;
}

std::string BookFileName(std::string_view rowName, long long line,
                         const std::function<bool(const std::string&)>& taken,
                         std::string_view extension) {
    std::string stem = SafeFileStem(rowName);
    if (stem.empty()) stem = "line-" + std::to_string(line);
    std::string name = stem + std::string(extension);
    for (int copy = 2; taken(name); ++copy)
        name = stem + "-" + std::to_string(copy) + std::string(extension);
    return name;
}

}  // namespace deckplate::schedule
