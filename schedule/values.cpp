#include "schedule/values.h"

#include <charconv>
#include <cmath>

#include "calc/angle_catalogue.h"
#include "os/paths.h"

namespace deckplate::schedule {
namespace {

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

}  // namespace

double StrictNumber(std::string_view text, std::string_view option) {
    const std::string name(option);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    // from_chars would also take "inf", "nan" and hexadecimal; only plain decimals are allowed.
    bool plain = !digits.empty();
    for (char c : digits) plain = plain && IsNumberCharacter(c);
    double value = 0;
    const auto [end, ec] =
        plain ? std::from_chars(digits.data(), digits.data() + digits.size(), value)
              : std::from_chars_result{digits.data(), std::errc::invalid_argument};
    if (ec == std::errc::result_out_of_range)
        throw ValueError(name + ": " + std::string(text) + " is out of the range of numbers");
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        throw ValueError(name + ": '" + std::string(text) + "' is not a number");
    return value;
}

long long WholeNumber(std::string_view text, std::string_view option, long long least,
                      long long most) {
    const std::string range = std::to_string(least) + " to " + std::to_string(most);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::invalid_argument || end != text.data() + text.size()) {
        throw ValueError(std::string(option) + ": '" + std::string(text) +
                         "' is not a whole number; give " + range);
    }
    if (ec == std::errc::result_out_of_range || value < least || value > most) {
        throw ValueError(std::string(option) + ": must be " + range + ", not " + std::string(text));
    }
    return value;
}

double Length(std::string_view text, std::string_view option) {
    const double value = StrictNumber(text, option);
    if (!(value > 0)) {
        throw ValueError(std::string(option) + ": must be greater than 0 mm, not " +
                         std::string(text));
    }
    return value;
}

double Load(std::string_view text, std::string_view option) {
    const double value = StrictNumber(text, option);
    if (value < 0)
        throw ValueError(std::string(option) + ": must be 0 kN/m2 or more, not " +
                         std::string(text));
    return value;
}

FlatBar ParseFlatBar(std::string_view text, std::string_view option) {
    const std::size_t x = text.find_first_of("xX*");
    if (x == std::string_view::npos) {
        throw ValueError(std::string(option) + ": '" + std::string(text) +
                         "' is not a flat bar; write height x thickness in mm, e.g. 80x8");
    }
    const std::string part = std::string(option) + " (" + std::string(text) + ")";
    return {Length(text.substr(0, x), part + " height"),
            Length(text.substr(x + 1), part + " thickness")};
}

AngleValues ParseAngle(std::string_view designation, std::string_view option) {
    const auto position = FindAngle(designation);
    if (!position) {
        throw ValueError(std::string(option) + ": '" + std::string(designation) +
                         "' is not in the angle catalogue; 'deckplate-cli angles' lists the "
                         "designations, e.g. L63x40x5");
    }
    return AngleSection(*position);
}

PointLoad ParsePointLoad(std::string_view force, std::string_view patch,
                         std::string_view forceOption, std::string_view patchOption) {
    const double kilonewtons = StrictNumber(force, forceOption);
    if (kilonewtons < 0) {
        throw ValueError(std::string(forceOption) + ": must be 0 kN or more, not " +
                         std::string(force));
    }
    const std::size_t x = patch.find_first_of("xX*");
    if (x == std::string_view::npos) {
        throw ValueError(std::string(patchOption) + ": '" + std::string(patch) +
                         "' is not a patch; write across x along the stiffeners in mm, e.g. "
                         "200x200");
    }
    const std::string part = std::string(patchOption) + " (" + std::string(patch) + ")";
    return {kilonewtons, Length(patch.substr(0, x), part + " across"),
            Length(patch.substr(x + 1), part + " along")};
}

DesignBasis ParseBasis(std::string_view text, std::string_view option) {
    for (const DesignBasis basis : {DesignBasis::Legacy, DesignBasis::Current})
        if (text == BasisName(basis)) return basis;
    throw ValueError(std::string(option) + ": '" + std::string(text) +
                     "' is neither legacy nor current");
}

std::string OutputFile(std::string_view text, std::string_view option) {
    if (os::IsWindowsDeviceName(os::Utf8Of(os::PathFromUtf8(text).filename()))) {
        throw ValueError(std::string(option) + ": '" + std::string(text) +
                         "' names a device on Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
                         "LPT9, with any extension), where nothing would be saved; choose another "
                         "name");
    }
    return std::string(text);
}

Stiffener ParseStiffener(std::string_view text, std::string_view option) {
    if (!text.empty() && (text.front() == 'L' || text.front() == 'l'))
        return ParseAngle(text, option);
    return ParseFlatBar(text, option);
}

}  // namespace deckplate::schedule
