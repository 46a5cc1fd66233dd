#include "cli/design_output.h"

#include <cmath>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "calc/number_text.h"
#include "schedule/values.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

using sizing::Candidate;
using sizing::DesignResult;

std::string Fixed(double value, int decimals) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(decimals) << value;
    return s.str();
}

// One column of design's text table: its heading, its width, its side and its text.
struct TextColumn {
    const char* heading;
    int width;
    bool left;
    std::string (*text)(const Candidate&);
};

constexpr TextColumn kTextColumns[] = {
    {"plate(mm)", 10, true, [](const Candidate& c) { return c.thickness; }},
    {"stiffener", 12, true, [](const Candidate& c) { return c.stiffener; }},
    {"spacing", 8, false, [](const Candidate& c) { return PlainNumberText(c.spacing); }},
    {"w(kN/m2)", 13, false, [](const Candidate& c) { return Fixed(c.selfWeight, 3); }},
    {"plate-str", 12, false,
     [](const Candidate& c) { return Fixed(c.utilisation.plateStrength, 3); }},
    {"plate-defl", 12, false,
     [](const Candidate& c) { return Fixed(c.utilisation.plateDeflection, 3); }},
    {"stiff-str", 12, false,
     [](const Candidate& c) { return Fixed(c.utilisation.stiffenerStrength, 3); }},
    {"stiff-defl", 12, false,
     [](const Candidate& c) { return Fixed(c.utilisation.stiffenerDeflection, 3); }},
};

// The point load's utilisations, after the others when the request has a point load.
const Utilisation::PointLoad& PointUse(const Candidate& c) { return *c.utilisation.pointLoad; }
constexpr TextColumn kPointLoadTextColumns[] = {
    {"pt-plate-str", 13, false,
     [](const Candidate& c) { return Fixed(PointUse(c).plateStrength, 3); }},
    {"pt-plate-defl", 14, false,
     [](const Candidate& c) { return Fixed(PointUse(c).plateDeflection, 3); }},
    {"pt-stiff-str", 13, false,
     [](const Candidate& c) { return Fixed(PointUse(c).stiffenerStrength, 3); }},
    {"pt-stiff-defl", 14, false,
     [](const Candidate& c) { return Fixed(PointUse(c).stiffenerDeflection, 3); }},
};

// A cell padded to its column's width, one blank of which stays between it and its neighbour
// however wide the text: 100000000 mm spacings and utilisations of thousands do not run
// together.
void Cell(std::ostream& out, const TextColumn& column, std::string_view text) {
    if (column.left)
        out << std::left << std::setw(column.width - 1) << text << ' ';
    else
        out << ' ' << std::right << std::setw(column.width - 1) << text;
}

}  // namespace

std::vector<double> ParseSpacings(const std::string& text) {
    using schedule::ValueError;
    const auto first = text.find(':');
    const auto second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos)
        throw ValueError("--spacings: '" + text + "' is not FROM:TO:STEP, e.g. 400:1000:100");
    const double from = schedule::StrictNumber(text.substr(0, first), "--spacings FROM");
    const double to =
        schedule::StrictNumber(text.substr(first + 1, second - first - 1), "--spacings TO");
    const double step = schedule::StrictNumber(text.substr(second + 1), "--spacings STEP");
    switch (sizing::CheckSpacingRange(from, to, step)) {
        case sizing::RangeFault::None:
            return sizing::SpacingRange(from, to, step);
        case sizing::RangeFault::Order:
            throw ValueError("--spacings: needs 0 < FROM <= TO and STEP > 0");
        case sizing::RangeFault::TooFine: {
            std::ostringstream finest;
            finest << sizing::kFinestStep;
            throw ValueError("--spacings: the step " + text.substr(second + 1) +
                             " mm is too small; the finest step is " + finest.str() + " mm");
        }
        case sizing::RangeFault::TooMany:
            break;
    }
    throw ValueError("--spacings: " + text + " gives more than " +
                     std::to_string(sizing::kMostSpacings) + " spacings; take a larger step");
}

void PrintDesign(const DesignResult& result, bool json, std::ostream& out) {
    const std::size_t shown = result.passing.size();
    const auto toJson = [](const Candidate& c) {
        const Utilisation& u = c.utilisation;
        nlohmann::json candidate{{"thickness", c.thickness},
                                 {"stiffener", c.stiffener},
                                 {"spacing", c.spacing},
                                 {"self_weight", c.selfWeight},
                                 {"utilisation",
                                  {{"plate_strength", u.plateStrength},
                                   {"plate_deflection", u.plateDeflection},
                                   {"stiffener_strength", u.stiffenerStrength},
                                   {"stiffener_deflection", u.stiffenerDeflection}}},
                                 {"governing", u.GoverningCheck()}};
        if (const auto& p = u.pointLoad) {
            nlohmann::json& use = candidate["utilisation"];
            use["point_load_plate_strength"] = p->plateStrength;
            use["point_load_plate_deflection"] = p->plateDeflection;
            use["point_load_stiffener_strength"] = p->stiffenerStrength;
            use["point_load_stiffener_deflection"] = p->stiffenerDeflection;
        }
        return candidate;
    };
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (std::size_t i = 0; i < shown; ++i) list.push_back(toJson(result.passing[i]));
        nlohmann::json document{
            {"version", DECKPLATE_VERSION}, {"basis", BasisName(result.basis)}, {"passing", list}};
        if (result.passing.empty() && result.closest) document["closest"] = toJson(*result.closest);
        out << document.dump(2) << '\n';
        return;
    }
    const auto cells = [&](auto text) {
        for (const TextColumn& column : kTextColumns) Cell(out, column, text(column));
        if (result.pointLoad)
            for (const TextColumn& column : kPointLoadTextColumns) Cell(out, column, text(column));
    };
    const auto heading = [&] {
        cells([](const TextColumn& column) { return std::string(column.heading); });
        out << "  governing\n";
    };
    const auto row = [&](const Candidate& c) {
        cells([&](const TextColumn& column) { return column.text(c); });
        out << "  " << c.utilisation.GoverningCheck() << '\n';
    };
    const char* const checks = result.pointLoad ? "all eight checks" : "all four checks";
    if (result.passing.empty()) {
        out << "No candidate passes " << checks << " under the " << BasisName(result.basis)
            << " basis (" << result.candidates << " checked, " << result.faults
            << " skipped on an arithmetic fault).\n";
        if (result.closest) {
            out << "Closest (lowest governing utilisation):\n";
            heading();
            row(*result.closest);
        }
        return;
    }
    out << result.passingCount << " of " << result.candidates << " candidates pass " << checks
        << " under the " << BasisName(result.basis) << " basis";
    if (result.faults > 0) out << " (" << result.faults << " skipped on an arithmetic fault)";
    out << "; the " << shown << " lightest (utilisations: 1.000 is the limit):\n";
    heading();
    for (std::size_t i = 0; i < shown; ++i) row(result.passing[i]);
}

}  // namespace deckplate::cli
