#include "os/paths.h"

#include <algorithm>
#include <array>

namespace deckplate::os {

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string FileNameOf(std::string_view text) { return Utf8Of(PathFromUtf8(text).filename()); }

bool IsWindowsDeviceName(std::string_view name) {
    // The part before the first dot, less the blanks Windows drops at its end.
    std::string device(name.substr(0, name.find('.')));
    device.erase(device.find_last_not_of(' ') + 1);
    // Windows compares these without regard to the case of their ASCII letters.
    std::transform(device.begin(), device.end(), device.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    static constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    if (std::find(kDevices.begin(), kDevices.end(), device) != kDevices.end()) return true;
    if (!device.starts_with("com") && !device.starts_with("lpt")) return false;
    const std::string_view port = std::string_view(device).substr(3);
    return (port.size() == 1 && port[0] >= '0' && port[0] <= '9') || port == "¹" || port == "²" ||
           port == "³";
}

}  // namespace deckplate::os
