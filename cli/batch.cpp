#include "batch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <memory>
#include <optional>

#include "arguments.h"
#include "bay_check.h"
#include "csv_reader.h"
#include "deckplate_version.h"
#include "number_text.h"
#include "progress.h"

namespace deckplate::cli {
namespace {

enum Column { kName, kDead, kLive, kThickness, kSpan, kSpacing, kBoundary, kStiffener, kColumns };
constexpr std::array<const char*, kColumns> kColumnNames = {
    "name", "dead", "live", "thickness", "span", "spacing", "boundary", "stiffener"};

constexpr const char* kResultHeader =
    "plate_moment_kNm,plate_stress_N/mm2,plate_deflection_mm,plate_deflection_ratio,"
    "stiffener_moment_kNm,stiffener_stress_N/mm2,stiffener_deflection_mm,"
    "stiffener_deflection_ratio,composite_Ix_cm4,composite_Yo_cm,self_weight_kN/m2,"
    "plate_strength,plate_deflection,stiffener_strength,stiffener_deflection,"
    "utilisation_plate_strength,utilisation_plate_deflection,utilisation_stiffener_strength,"
    "utilisation_stiffener_deflection,status,error,version";
constexpr int kResultColumns = 22;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// One field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
void WriteField(std::ostream& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out << field;
        return;
    }
    out << '"';
    for (char c : field) {
        if (c == '"') out << '"';
        out << c;
    }
    out << '"';
}

std::string Number(double value, int decimals) {
    return PlainNumberText(RoundDecimals(value, decimals));
}

struct ColumnMap {
    std::array<std::size_t, kColumns> index{};
};

std::optional<ColumnMap> MapColumns(const std::vector<std::string>& header, std::ostream& err) {
    ColumnMap map;
    std::string missing;
    for (int c = 0; c < kColumns; ++c) {
        const auto found = std::find_if(header.begin(), header.end(), [&](const std::string& h) {
            return Lower(Trim(h)) == kColumnNames[c];
        });
        if (found == header.end())
            missing += std::string(missing.empty() ? "" : ", ") + kColumnNames[c];
        else
            map.index[c] = static_cast<std::size_t>(found - header.begin());
    }
    if (missing.empty()) return map;
    err << "deckplate-cli: the schedule has no column " << missing
        << "; the header row needs name, dead, live, thickness, span, spacing, boundary, "
           "stiffener\n";
    return std::nullopt;
}

BayInput ReadBay(const std::vector<std::string>& row, const ColumnMap& map) {
    const auto field = [&](Column c) -> std::string {
        const std::size_t i = map.index[c];
        if (i >= row.size())
            throw UsageError(std::string("no value in column '") + kColumnNames[c] + "'");
        return Trim(row[i]);
    };
    const auto number = [&](Column c) {
        return StrictNumber(field(c), std::string("column '") + kColumnNames[c] + "'");
    };
    BayInput bay;
    bay.dead = number(kDead);
    bay.live = number(kLive);
    bay.thickness = number(kThickness);
    bay.span = number(kSpan);
    bay.spacing = number(kSpacing);
    const std::string boundary = Lower(field(kBoundary));
    if (boundary != "simple" && boundary != "continuous")
        throw UsageError("column 'boundary': '" + field(kBoundary) +
                         "' is neither simple nor continuous");
    bay.continuous = boundary == "continuous";
    bay.stiffener = ParseStiffener(field(kStiffener), "column 'stiffener'");
    return bay;
}

}  // namespace

int RunBatch(const std::string& schedulePath, const std::string& outputPath, std::ostream& out,
             std::ostream& err) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(schedulePath.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        err << "deckplate-cli: cannot read the schedule '" << schedulePath << "'\n";
        return 2;
    }
    std::fseek(file.get(), 0, SEEK_END);
    const long long size = std::ftell(file.get());
    std::fseek(file.get(), 0, SEEK_SET);

    std::ofstream outputFile;
    if (!outputPath.empty()) {
        outputFile.open(outputPath, std::ios::binary | std::ios::trunc);
        if (!outputFile) {
            err << "deckplate-cli: cannot write the results to '" << outputPath << "'\n";
            return 2;
        }
    }
    std::ostream& results = outputPath.empty() ? out : outputFile;

    bool allPass = true;
    try {
        CsvReader reader(file.get());
        std::vector<std::string> row;
        if (!reader.Next(row)) {
            err << "deckplate-cli: the schedule '" << schedulePath << "' is empty\n";
            return 2;
        }
        const std::vector<std::string> header = row;
        const std::optional<ColumnMap> map = MapColumns(header, err);
        if (!map) return 2;

        results << "\xef\xbb\xbf";  // a byte-order mark, so spreadsheets read UTF-8
        for (const std::string& h : header) {
            WriteField(results, h);
            results << ',';
        }
        results << kResultHeader << "\r\n";

        long long line = 1;
        Progress progress(size);
        while (reader.Next(row)) {
            ++line;
            progress.Update(line, reader.BytesRead());
            for (std::size_t i = 0; i < header.size(); ++i) {
                WriteField(results, i < row.size() ? row[i] : std::string());
                results << ',';
            }
            std::string error;
            try {
                const BayCheck c = CheckBay(ReadBay(row, *map));
                const Utilisation u = Utilisations(c);
                const std::string values[] = {
                    Number(c.plate.moment, 2),
                    Number(c.plate.stress, 2),
                    Number(c.plate.deflection, 2),
                    Number(c.plateDeflection.ratio, 1),
                    Number(c.stiffener.Ms / 1e6, 2),
                    Number(c.stiffener.stress, 2),
                    Number(c.stiffener.deflection, 2),
                    Number(c.stiffenerDeflection.ratio, 1),
                    Number(c.stiffener.Ix / 1e4, 2),
                    Number(c.stiffener.Yo / 10, 2),
                    Number(c.stiffener.selfWeight, 1),
                    c.plateStrength.text,
                    c.plateDeflection.text,
                    c.stiffenerStrength.text,
                    c.stiffenerDeflection.text,
                    Number(u.plateStrength, 3),
                    Number(u.plateDeflection, 3),
                    Number(u.stiffenerStrength, 3),
                    Number(u.stiffenerDeflection, 3),
                    c.AllPass() ? "pass" : "fail",
                };
                for (const std::string& v : values) {
                    WriteField(results, v);
                    results << ',';
                }
                results << ',' << DECKPLATE_VERSION << "\r\n";
                allPass = allPass && c.AllPass();
                continue;
            } catch (const UsageError& e) {
                error = e.what();
            } catch (const ArithmeticError& e) {
                error = std::string("arithmetic fault: ") + e.what();
            }
            allPass = false;
            results << std::string(kResultColumns - 3, ',') << "error,";
            WriteField(results, "line " + std::to_string(line) + ": " + error);
            results << ',' << DECKPLATE_VERSION << "\r\n";
        }
    } catch (const std::runtime_error& e) {
        err << "deckplate-cli: the schedule '" << schedulePath
            << "' could not be read: " << e.what() << "\n";
        return 2;
    }
    results.flush();
    if (!results) {
        err << "deckplate-cli: writing the results failed\n";
        return 2;
    }
    return allPass ? 0 : 1;
}

}  // namespace deckplate::cli
