#include "schedule/results_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

#include "calc/number_text.h"
#include "input/bay_inputs.h"
#include "version/deckplate_version.h"

namespace deckplate::schedule {
namespace {

/// One field and its comma as RFC 4180 wants it: quoted when it holds a comma, a quote or a
/// line break.
void AppendField(std::string& line, std::string_view field) {
    // The characters that make a field quoted, by byte: most fields are short numbers, read at
    // a glance.
    static constexpr std::array<bool, 256> kQuoted = [] {
        std::array<bool, 256> quoted{};
        for (const unsigned char c : {',', '"', '\r', '\n'}) quoted[c] = true;
        return quoted;
    }();
    const auto quoted = [](char c) { return kQuoted[static_cast<unsigned char>(c)]; };
    if (std::ranges::none_of(field, quoted)) {
        (line += field) += ',';
        return;
    }
    line += '"';
    for (std::size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
        (line += field.substr(0, quote + 1)) += '"';  // a quote is written twice
        field.remove_prefix(quote + 1);
    }
    (line += field) += "\",";
}

std::string Number(double value, int decimals) {
    return PlainNumberText(RoundDecimals(value, decimals));
}

// A column of a load case's values: its header, how a checked row's value is written, and
// whether only a row of the current basis has one.
struct ValueColumn {
    const char* header;
    std::string (*text)(const BayCheck&);
    bool currentBasisOnly = false;
};

constexpr ValueColumn kUniformValues[] = {
    {"plate_moment_kNm", [](const BayCheck& c) { return Number(c.plate.moment, 2); }},
    {"plate_stress_N/mm2", [](const BayCheck& c) { return Number(c.plate.stress, 2); }},
    {"plate_deflection_mm", [](const BayCheck& c) { return Number(c.plate.deflection, 2); }},
    {"plate_deflection_ratio",
     [](const BayCheck& c) { return Number(c.plateDeflection.ratio, 1); }},
    {"stiffener_moment_kNm", [](const BayCheck& c) { return Number(c.stiffener.Ms / 1e6, 2); }},
    {"stiffener_stress_N/mm2", [](const BayCheck& c) { return Number(c.stiffener.stress, 2); }},
    {"stiffener_deflection_mm",
     [](const BayCheck& c) { return Number(c.stiffener.deflection, 2); }},
    {"stiffener_deflection_ratio",
     [](const BayCheck& c) { return Number(c.stiffenerDeflection.ratio, 1); }},
    {"composite_Ix_cm4", [](const BayCheck& c) { return Number(c.stiffener.Ix / 1e4, 2); }},
    {"composite_Yo_cm", [](const BayCheck& c) { return Number(c.stiffener.Yo / 10, 2); }},
    {"self_weight_kN/m2", [](const BayCheck& c) { return Number(c.stiffener.selfWeight, 1); }},
    {"steel_grade", [](const BayCheck& c) { return std::string(GradeName(c.plate.steel)); }, true},
    {"stiffener_shear_stress_N/mm2", [](const BayCheck& c) { return Number(c.shear->stress, 2); },
     true},
    {"stiffener_outstand_ratio", [](const BayCheck& c) { return Number(c.outstand->ratio, 2); },
     true},
};

// The point-load case's values: empty cells in a row without a point load.
const PointLoadCheck& Point(const BayCheck& c) { return *c.pointLoad; }
constexpr ValueColumn kPointLoadValues[] = {
    {"point_load_kN", [](const BayCheck& c) { return Number(Point(c).load.force, 3); }},
    {"point_load_patch_mm",
     [](const BayCheck& c) {
         return Number(Point(c).load.across, 1) + "x" + Number(Point(c).load.along, 1);
     }},
    {"point_load_plate_stress_N/mm2",
     [](const BayCheck& c) { return Number(Point(c).plate.stress, 2); }},
    {"point_load_plate_deflection_mm",
     [](const BayCheck& c) { return Number(Point(c).plate.deflection, 2); }},
    {"point_load_stiffener_stress_N/mm2",
     [](const BayCheck& c) { return Number(Point(c).stiffener.stress, 2); }},
    {"point_load_stiffener_deflection_mm",
     [](const BayCheck& c) { return Number(Point(c).stiffener.deflection, 2); }},
    {"point_load_stiffener_shear_stress_N/mm2",
     [](const BayCheck& c) { return Number(Point(c).shear->stress, 2); }, true},
};

}  // namespace

std::string UtilisationText(double utilisation) {
    // Room for the digits of the largest double before the point, and three after it.
    std::array<char, 320> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(),
                                   RoundDecimals(utilisation, 3), std::chars_format::fixed, 3)
                         .ptr;
    return {text.data(), end};
}

// Every result column of a run, in order: for each load case the run may have, its values, then
// each of its checks' verdict, then each of their utilisations.
std::vector<ResultsWriter::Column> ResultsWriter::Columns(const CheckScope& scope) {
    std::vector<Column> columns;
    for (const LoadCase loadCase : {LoadCase::Uniform, LoadCase::PointLoad}) {
        if (loadCase == LoadCase::PointLoad && !scope.pointLoad) continue;
        const std::span<const ValueColumn> values =
            loadCase == LoadCase::Uniform ? std::span<const ValueColumn>(kUniformValues)
                                          : std::span<const ValueColumn>(kPointLoadValues);
        for (const ValueColumn& value : values)
            if (!value.currentBasisOnly || scope.currentBasis)
                columns.push_back(
                    {value.header, loadCase, value.currentBasisOnly, value.text, nullptr, false});
        for (const CheckRow& check : Checks())
            if (check.loadCase == loadCase && InScope(check, scope))
                columns.push_back({std::string(check.key), loadCase, check.currentBasisOnly,
                                   nullptr, &check, false});
        for (const CheckRow& check : Checks())
            if (check.loadCase == loadCase && InScope(check, scope))
                columns.push_back({"utilisation_" + std::string(check.key), loadCase,
                                   check.currentBasisOnly, nullptr, &check, true});
    }
    return columns;
}

ResultsWriter::ResultsWriter(std::ostream& out, const std::vector<std::string>& header,
                             CheckScope scope)
    : out_(out), cells_(header.size()), columns_(Columns(scope)) {
    line_ = "\xef\xbb\xbf";  // a byte-order mark, so spreadsheets read UTF-8
    for (const std::string& h : header) AppendField(line_, h);
    line_ += "design_basis,";
    for (const Column& column : columns_) (line_ += column.header) += ',';
    line_ += "governing,max_utilisation,status,error,note,version\r\n";
    out_ << line_;
}

void ResultsWriter::Write(const ScheduleRow& row, const RowCheck& result) {
    // The line is put together first and written at once: a stream is slow a character at a
    // time, and a schedule has hundreds of thousands of lines.
    line_.clear();
    for (std::size_t i = 0; i < cells_; ++i)
        AppendField(line_, i < row.cells.size() ? std::string_view(row.cells[i]) : "");
    (line_ += row.basis ? BasisName(*row.basis) : "") += ',';
    if (const std::optional<BayCheck>& check = result.check) {
        // A row without the point load leaves the point load's cells empty, one of the legacy
        // basis the current basis' cells.
        const bool pointLoad = check->pointLoad.has_value();
        const bool current = check->plate.basis == DesignBasis::Current;
        for (const Column& column : columns_) {
            if ((column.loadCase == LoadCase::PointLoad && !pointLoad) ||
                (column.currentBasisOnly && !current))
                line_ += ',';
            else if (column.value)
                AppendField(line_, column.value(*check));
            else if (column.utilisation)
                AppendField(line_, UtilisationText(result.utilisation[column.check->id]));
            else
                AppendField(line_, column.check->verdict(*check).text);
        }
        // The check that governs, and how much of its limit it uses: a sort key for the sheet.
        AppendField(line_, RowOf(result.utilisation.GoverningCheck()).key);
        AppendField(line_, UtilisationText(result.utilisation.Governing()));
        ((line_ += check->AllPass() ? "pass" : "fail") += ",,");
        // What looks mistyped in the row, though it could be built: metres for mm, a flat bar's
        // sizes swapped.
        std::string note;
        for (const input::Caution& caution : input::Cautions(*row.bay))
            note += (note.empty() ? "column '" : "; column '") +
                    std::string(input::RowOf(caution.field).key) + "': " + caution.english;
        AppendField(line_, note);
        line_ += DECKPLATE_VERSION "\r\n";
    } else {
        (line_ += std::string(columns_.size() + 2, ',')) += "error,";
        AppendField(line_, "line " + std::to_string(result.error->line) + ": " +
                               RowErrorText(*result.error));
        line_ += "," DECKPLATE_VERSION "\r\n";
    }
    out_ << line_;
}

}  // namespace deckplate::schedule
