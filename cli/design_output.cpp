#include "cli/design_output.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"
#include "input/values.h"
#include "schedule/results_writer.h"
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
    std::string heading;
    int width;
    bool left;
    std::function<std::string(const Candidate&)> text;
};

// A check's heading, short enough for a terminal's table: "plate-str", "pt-stiff-defl".
std::string ShortHeading(std::string_view key) {
    constexpr std::pair<std::string_view, std::string_view> kShorter[] = {
        {"point_load", "pt"}, {"stiffener", "stiff"}, {"strength", "str"}, {"deflection", "defl"}};
    std::string heading;
    for (std::string_view rest = key; !rest.empty();) {
        std::string_view word = rest.substr(0, rest.find('_'));
        if (rest.starts_with("point_load")) word = rest.substr(0, 10);
        rest.remove_prefix(std::min(word.size() + 1, rest.size()));
        for (const auto& [longer, shorter] : kShorter)
            if (word == longer) word = shorter;
        if (!heading.empty()) heading += '-';
        heading += word;
    }
    return heading;
}

// The design's own columns, then a utilisation for each check the request's bays have.
std::vector<TextColumn> TextColumns(const CheckScope& scope) {
    std::vector<TextColumn> columns{
        {"plate(mm)", 10, true,
         [](const Candidate& c) { return PlateThicknessText(c.thickness.mm); }},
        {"stiffener", 12, true, [](const Candidate& c) { return StiffenerName(c.stiffener); }},
        {"spacing", 8, false, [](const Candidate& c) { return PlainNumberText(c.spacing); }},
        {"w(kN/m²)", 13, false, [](const Candidate& c) { return Fixed(c.selfWeight, 3); }},
    };
    for (const CheckRow& check : Checks()) {
        if (!InScope(check, scope)) continue;
        const std::string heading = ShortHeading(check.key);
        columns.push_back({heading, std::max(12, static_cast<int>(heading.size()) + 1), false,
                           [id = check.id](const Candidate& c) {
                               return schedule::UtilisationText(c.utilisation[id]);
                           }});
    }
    return columns;
}

// A cell padded to its column's width, one blank of which stays between it and its neighbour
// however wide the text: 100000000 mm spacings and utilisations of thousands do not run
// together. A terminal shows "²" as one character, written in two bytes.
void Cell(std::ostream& out, const TextColumn& column, std::string_view text) {
    const auto characters = static_cast<int>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    const std::string blanks(static_cast<std::size_t>(std::max(0, column.width - 1 - characters)),
                             ' ');
    if (column.left)
        out << text << blanks << ' ';
    else
        out << ' ' << blanks << text;
}

}  // namespace

std::vector<double> ParseSpacings(const std::string& text) {
    using input::ValueError;
    const auto colon = text.find(':');
    const auto second = colon == std::string::npos ? colon : text.find(':', colon + 1);
    if (second == std::string::npos)
        throw ValueError("--spacings: '" + text + "' is not FROM:TO:STEP, e.g. 400:1000:100");
    const double from = input::StrictNumber(text.substr(0, colon), {"--spacings FROM"});
    const double to =
        input::StrictNumber(text.substr(colon + 1, second - colon - 1), {"--spacings TO"});
    const double step = input::StrictNumber(text.substr(second + 1), {"--spacings STEP"});
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
        nlohmann::json candidate{{"thickness", PlateThicknessText(c.thickness.mm)},
                                 {"stiffener", StiffenerName(c.stiffener)},
                                 {"spacing", c.spacing},
                                 {"self_weight", c.selfWeight},
                                 {"governing", RowOf(u.GoverningCheck()).key}};
        for (const CheckRow& check : Checks())
            if (u.Has(check.id)) candidate["utilisation"][std::string(check.key)] = u[check.id];
        return candidate;
    };
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (std::size_t i = 0; i < shown; ++i) list.push_back(toJson(result.passing[i]));
        nlohmann::json document{{"version", DECKPLATE_VERSION},
                                {"basis", BasisName(result.basis)},
                                {"steel", GradeName(result.steel)},
                                {"passing", list}};
        if (result.passing.empty() && result.closest) document["closest"] = toJson(*result.closest);
        out << document.dump(2) << '\n';
        return;
    }
    const std::vector<TextColumn> columns = TextColumns(result.Scope());
    const auto cells = [&](auto text) {
        for (const TextColumn& column : columns) Cell(out, column, text(column));
    };
    const auto heading = [&] {
        cells([](const TextColumn& column) { return column.heading; });
        out << "  governing\n";
    };
    const auto row = [&](const Candidate& c) {
        cells([&](const TextColumn& column) { return column.text(c); });
        out << "  " << RowOf(c.utilisation.GoverningCheck()).key << '\n';
    };
    // "all four checks", "all six checks" …: every check a candidate had.
    constexpr const char* kNumbers[] = {
        "",     "one", "two",    "three",  "four",     "five",     "six",     "seven",  "eight",
        "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen"};
    static_assert(std::size(kNumbers) > kCheckCount);
    const std::string checks =
        "all " +
        std::string(kNumbers[std::ranges::count_if(
            Checks(), [&](const CheckRow& c) { return InScope(c, result.Scope()); })]) +
        " checks";
    // The grade counts under the current basis only.
    const std::string basis =
        std::string(BasisName(result.basis)) + " basis" +
        // Under the current basis the weld is checked too: the default one, which design assumes.
        (result.basis == DesignBasis::Current
             ? " (" + std::string(GradeName(result.steel)) +
                   ", double-sided continuous fillet welds of the least leg)"
             : "");
    if (result.passing.empty()) {
        out << "No candidate passes " << checks << " under the " << basis << " ("
            << result.candidates << " checked, " << result.faults
            << " skipped on an arithmetic fault).\n";
        if (result.closest) {
            out << "Closest (lowest governing utilisation):\n";
            heading();
            row(*result.closest);
        }
        return;
    }
    out << result.passingCount << " of " << result.candidates << " candidates pass " << checks
        << " under the " << basis;
    if (result.faults > 0) out << " (" << result.faults << " skipped on an arithmetic fault)";
    out << "; the " << shown << " lightest (utilisations: 1.000 is the limit):\n";
    heading();
    for (std::size_t i = 0; i < shown; ++i) row(result.passing[i]);
}

}  // namespace deckplate::cli
