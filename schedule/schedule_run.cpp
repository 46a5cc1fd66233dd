#include "schedule/schedule_run.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "calc/bay_check.h"
#include "calc/number_text.h"
#include "os/paths.h"
#include "schedule/book.h"
#include "schedule/values.h"
#include "version/deckplate_version.h"

namespace deckplate::schedule {
namespace {

enum Column {
    kName,
    kDead,
    kLive,
    kThickness,
    kSpan,
    kSpacing,
    kBoundary,
    kStiffener,
    kBasis,
    kPointLoad,
    kPatch,
    kColumns
};
constexpr std::array<const char*, kColumns> kColumnNames = {
    "name",     "dead",      "live",  "thickness",  "span", "spacing",
    "boundary", "stiffener", "basis", "point_load", "patch"};
// Every column before basis must be there; a row's basis, point load and patch, when given,
// override the run's --basis, --point-load and --patch.
constexpr int kRequiredColumns = kBasis;

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

// A computed row's results, which its result columns are written from.
struct RowResult {
    const BayCheck& check;
    const Utilisation& utilisation;

    // A value of the point-load case, or an empty cell for a row without one.
    template <class Value>
    std::string PointLoad(Value value) const {
        return check.pointLoad && utilisation.pointLoad
                   ? value(*check.pointLoad, *utilisation.pointLoad)
                   : std::string();
    }
};
using PointCheck = const PointLoadCheck&;
using PointUse = const Utilisation::PointLoad&;

// One result column: its header and how a computed row's value is written. A new check adds
// its columns here; the header row and the width of an error row follow.
struct ResultColumn {
    const char* header;
    std::string (*text)(const RowResult&);
};

constexpr ResultColumn kResultColumns[] = {
    {"plate_moment_kNm", [](const RowResult& r) { return Number(r.check.plate.moment, 2); }},
    {"plate_stress_N/mm2", [](const RowResult& r) { return Number(r.check.plate.stress, 2); }},
    {"plate_deflection_mm", [](const RowResult& r) { return Number(r.check.plate.deflection, 2); }},
    {"plate_deflection_ratio",
     [](const RowResult& r) { return Number(r.check.plateDeflection.ratio, 1); }},
    {"stiffener_moment_kNm",
     [](const RowResult& r) { return Number(r.check.stiffener.Ms / 1e6, 2); }},
    {"stiffener_stress_N/mm2",
     [](const RowResult& r) { return Number(r.check.stiffener.stress, 2); }},
    {"stiffener_deflection_mm",
     [](const RowResult& r) { return Number(r.check.stiffener.deflection, 2); }},
    {"stiffener_deflection_ratio",
     [](const RowResult& r) { return Number(r.check.stiffenerDeflection.ratio, 1); }},
    {"composite_Ix_cm4", [](const RowResult& r) { return Number(r.check.stiffener.Ix / 1e4, 2); }},
    {"composite_Yo_cm", [](const RowResult& r) { return Number(r.check.stiffener.Yo / 10, 2); }},
    {"self_weight_kN/m2",
     [](const RowResult& r) { return Number(r.check.stiffener.selfWeight, 1); }},
    {"plate_strength", [](const RowResult& r) { return r.check.plateStrength.text; }},
    {"plate_deflection", [](const RowResult& r) { return r.check.plateDeflection.text; }},
    {"stiffener_strength", [](const RowResult& r) { return r.check.stiffenerStrength.text; }},
    {"stiffener_deflection", [](const RowResult& r) { return r.check.stiffenerDeflection.text; }},
    {"utilisation_plate_strength",
     [](const RowResult& r) { return Number(r.utilisation.plateStrength, 3); }},
    {"utilisation_plate_deflection",
     [](const RowResult& r) { return Number(r.utilisation.plateDeflection, 3); }},
    {"utilisation_stiffener_strength",
     [](const RowResult& r) { return Number(r.utilisation.stiffenerStrength, 3); }},
    {"utilisation_stiffener_deflection",
     [](const RowResult& r) { return Number(r.utilisation.stiffenerDeflection, 3); }},
};

// The point-load case's columns, after the others, in a run that has a point load (from
// --point-load or a point_load column); without one the results are as they always were.
constexpr ResultColumn kPointLoadColumns[] = {
    {"point_load_kN",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return Number(p.load.force, 3); });
     }},
    {"point_load_patch_mm",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) {
             return Number(p.load.across, 1) + "x" + Number(p.load.along, 1);
         });
     }},
    {"point_plate_stress_N/mm2",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return Number(p.plate.stress, 2); });
     }},
    {"point_plate_deflection_mm",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return Number(p.plate.deflection, 2); });
     }},
    {"point_stiffener_stress_N/mm2",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return Number(p.stiffener.stress, 2); });
     }},
    {"point_stiffener_deflection_mm",
     [](const RowResult& r) {
         return r.PointLoad(
             [](PointCheck p, PointUse) { return Number(p.stiffener.deflection, 2); });
     }},
    {"point_plate_strength",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return p.plateStrength.text; });
     }},
    {"point_plate_deflection",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return p.plateDeflection.text; });
     }},
    {"point_stiffener_strength",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return p.stiffenerStrength.text; });
     }},
    {"point_stiffener_deflection",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck p, PointUse) { return p.stiffenerDeflection.text; });
     }},
    {"utilisation_point_plate_strength",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck, PointUse u) { return Number(u.plateStrength, 3); });
     }},
    {"utilisation_point_plate_deflection",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck, PointUse u) { return Number(u.plateDeflection, 3); });
     }},
    {"utilisation_point_stiffener_strength",
     [](const RowResult& r) {
         return r.PointLoad([](PointCheck, PointUse u) { return Number(u.stiffenerStrength, 3); });
     }},
    {"utilisation_point_stiffener_deflection",
     [](const RowResult& r) {
         return r.PointLoad(
             [](PointCheck, PointUse u) { return Number(u.stiffenerDeflection, 3); });
     }},
};

// What every row of a run shares: the run's own basis and point load, and whether the point
// load's columns are written.
struct Run {
    DesignBasis basis = DesignBasis::Legacy;
    PointLoadOptions pointLoad;
    bool pointLoadColumns = false;

    std::size_t ResultColumnCount() const {
        return std::size(kResultColumns) + (pointLoadColumns ? std::size(kPointLoadColumns) : 0);
    }
};

// Where each column is in the header; only basis may be missing.
struct ColumnMap {
    std::array<std::optional<std::size_t>, kColumns> index{};
};

// A header column as a spreadsheet names it: A, B, … Z, AA, AB …
std::string ColumnLetter(std::size_t index) {
    std::string letters;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

// Every column whose header is `name`, without regard to case or blanks around it.
std::vector<std::size_t> Positions(const std::vector<std::string>& header, std::string_view name) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (Lower(Trim(header[i])) == name) positions.push_back(i);
    return positions;
}

// A header that is one cell holding the names with another separator: what the file has, and
// what a schedule needs.
std::string SeparatorFound(const std::vector<std::string>& header) {
    if (header.size() != 1) return {};
    for (const auto& [separator, name] : {std::pair{';', "semicolons (;)"}, {'\t', "tabs"}}) {
        if (header[0].find(separator) != std::string::npos) {
            return std::string("; its columns are separated by ") + name +
                   ", but a schedule's are separated by commas (,): save it as CSV with commas";
        }
    }
    return {};
}

// Where each column is; throws ScheduleError when one is missing or there twice.
ColumnMap MapColumns(const std::vector<std::string>& header) {
    ColumnMap map;
    std::string missing;
    for (int c = 0; c < kColumns; ++c) {
        const std::string_view name = kColumnNames[c];
        const std::vector<std::size_t> at = Positions(header, name);
        // Which of two values would count is anyone's guess: the schedule must say.
        if (at.size() > 1) {
            std::string letters;
            for (std::size_t i = 0; i < at.size(); ++i)
                (letters += i == 0              ? ""
                            : i + 1 < at.size() ? ", "
                                                : " and ") += ColumnLetter(at[i]);
            throw ScheduleError("the schedule has the column '" + std::string(name) +
                                "' more than once (" + letters + "); keep one");
        }
        if (!at.empty())
            map.index[c] = at.front();
        else if (c < kRequiredColumns)
            missing += std::string(missing.empty() ? "" : ", ") + kColumnNames[c];
    }
    if (missing.empty()) return map;
    throw ScheduleError("the schedule has no column " + missing +
                        "; the header row needs name, dead, live, thickness, span, spacing, "
                        "boundary, stiffener" +
                        SeparatorFound(header));
}

// The row's own basis, or the run's when its cell is empty or there is no such column.
DesignBasis RowBasis(const std::vector<std::string>& row, const ColumnMap& map,
                     DesignBasis runBasis) {
    const std::optional<std::size_t> i = map.index[kBasis];
    if (!i || *i >= row.size()) return runBasis;
    const std::string cell = Lower(Trim(row[*i]));
    return cell.empty() ? runBasis : ParseBasis(cell, "column 'basis'");
}

// The row's point load: its own point_load cell, or the run's --point-load; the patch from its
// patch cell or the run's --patch.
std::optional<PointLoad> RowPointLoad(const std::vector<std::string>& row, const ColumnMap& map,
                                      const PointLoadOptions& run) {
    const auto cell = [&](Column c) {
        const std::optional<std::size_t> i = map.index[c];
        return i && *i < row.size() ? Trim(row[*i]) : std::string();
    };
    PointLoadOptions given = run;
    if (const std::string force = cell(kPointLoad); !force.empty()) given.force = force;
    if (const std::string patch = cell(kPatch); !patch.empty()) given.patch = patch;
    if (!given.force) return std::nullopt;
    return ParsePointLoad(*given.force, given.patch, "column 'point_load'", "column 'patch'");
}

BayInput ReadBay(const std::vector<std::string>& row, const ColumnMap& map) {
    const auto field = [&](Column c) -> std::string {
        const std::size_t i = *map.index[c];
        if (i >= row.size())
            throw ValueError(std::string("no value in column '") + kColumnNames[c] + "'");
        return Trim(row[i]);
    };
    const auto name = [](Column c) { return std::string("column '") + kColumnNames[c] + "'"; };
    BayInput bay;
    bay.dead = Load(field(kDead), name(kDead));
    bay.live = Load(field(kLive), name(kLive));
    bay.thickness = Length(field(kThickness), name(kThickness));
    bay.span = Length(field(kSpan), name(kSpan));
    bay.spacing = Length(field(kSpacing), name(kSpacing));
    const std::string boundary = Lower(field(kBoundary));
    if (boundary != "simple" && boundary != "continuous")
        throw ValueError("column 'boundary': '" + field(kBoundary) +
                         "' is neither simple nor continuous");
    bay.continuous = boundary == "continuous";
    bay.stiffener = ParseStiffener(field(kStiffener), "column 'stiffener'");
    return bay;
}

// How a row came out: its error's text when it erred.
struct RowOutcome {
    enum Status { kPassed, kExceeded, kError } status;
    std::string error{};
};

// The input row's cells, then its results or its error; a computed row's book when `books`.
// After the input's cells come the row's basis, the result columns, and its status, error and
// the program's version.
RowOutcome WriteRow(const std::vector<std::string>& row, std::size_t columns, const ColumnMap& map,
                    const Run& run, long long line, std::ostream& results, BookFolder* books) {
    for (std::size_t i = 0; i < columns; ++i) {
        WriteField(results, i < row.size() ? row[i] : std::string());
        results << ',';
    }
    std::string error;
    std::string_view basisName;  // known once the row's basis is read
    try {
        const DesignBasis basis = RowBasis(row, map, run.basis);
        basisName = BasisName(basis);
        BayInput bay = ReadBay(row, map);
        bay.basis = basis;
        bay.pointLoad = RowPointLoad(row, map, run.pointLoad);
        // The results are numbers and verdicts: of the display texts only the stresses, which
        // the strength verdicts judge, are formed.
        const BayCheck check =
            CheckBay(bay, CheckPlates(bay, DisplayTexts::StressOnly), DisplayTexts::StressOnly);
        const Utilisation utilisation = Utilisations(check);
        results << basisName << ',';
        const auto write = [&](const ResultColumn& column) {
            WriteField(results, column.text({check, utilisation}));
            results << ',';
        };
        for (const ResultColumn& column : kResultColumns) write(column);
        if (run.pointLoadColumns)
            for (const ResultColumn& column : kPointLoadColumns) write(column);
        results << (check.AllPass() ? "pass" : "fail") << ",," << DECKPLATE_VERSION << "\r\n";
        if (books) {
            const auto cell = [&](Column c) {
                return *map.index[c] < row.size() ? Trim(row[*map.index[c]]) : std::string();
            };
            books->Write(bay, cell(kName), cell(kStiffener), line);
        }
        return {check.AllPass() ? RowOutcome::kPassed : RowOutcome::kExceeded};
    } catch (const ValueError& e) {
        error = e.what();
    } catch (const ArithmeticError& e) {
        error = std::string("arithmetic fault: ") + e.what();
    }
    error = "line " + std::to_string(line) + ": " + error;
    results << basisName << ',' << std::string(run.ResultColumnCount(), ',') << "error,";
    WriteField(results, error);
    results << ',' << DECKPLATE_VERSION << "\r\n";
    return {RowOutcome::kError, error};
}

void WriteHeader(const std::vector<std::string>& header, const Run& run, std::ostream& results) {
    results << "\xef\xbb\xbf";  // a byte-order mark, so spreadsheets read UTF-8
    for (const std::string& h : header) {
        WriteField(results, h);
        results << ',';
    }
    results << "design_basis,";
    for (const ResultColumn& column : kResultColumns) results << column.header << ',';
    if (run.pointLoadColumns)
        for (const ResultColumn& column : kPointLoadColumns) results << column.header << ',';
    results << "status,error,version\r\n";
}

void Count(Summary& summary, RowOutcome&& outcome) {
    ++summary.rows;
    switch (outcome.status) {
        case RowOutcome::kPassed:
            ++summary.passed;
            break;
        case RowOutcome::kExceeded:
            ++summary.exceeded;
            break;
        case RowOutcome::kError:
            ++summary.errors;
            if (summary.firstErrors.size() < kFirstErrors)
                summary.firstErrors.push_back(std::move(outcome.error));
            break;
    }
}

}  // namespace

struct Schedule::Columns {
    ColumnMap map;
};

Schedule::Schedule(const std::string& path, const CsvReader::Warning& warn)
    : path_(path), file_(os::PathFromUtf8(path)), stream_(nullptr, &std::fclose) {
    const std::string schedule = "the schedule '" + path + "'";
    std::error_code ignored;
    if (std::filesystem::is_directory(file_, ignored))
        throw ScheduleError(schedule + " is a folder; give a CSV file");
    // Named in UTF-8 on every system: on Windows a narrow name would be read in the ANSI code
    // page, and 平台排表.csv would not be found.
    stream_.reset(os::OpenForReading(file_));
    if (!stream_) throw ScheduleError("cannot read " + schedule + ": " + std::strerror(errno));
    std::fseek(stream_.get(), 0, SEEK_END);
    size_ = std::ftell(stream_.get());
    std::fseek(stream_.get(), 0, SEEK_SET);
    reader_ = std::make_unique<CsvReader>(stream_.get(), [warn, schedule](const std::string& w) {
        if (warn) warn(schedule + " " + w);
    });
    bool empty = false;
    try {
        empty = !reader_->Next(header_);
    } catch (const ScheduleError& e) {
        throw ScheduleError(schedule + " could not be read: " + e.what());
    }
    if (empty) throw ScheduleError(schedule + " is empty");
    columns_ = std::make_unique<Columns>(Columns{MapColumns(header_)});
}

Schedule::~Schedule() = default;

bool Schedule::IsFile(const std::filesystem::path& output) const {
    std::error_code ignored;
    return std::filesystem::equivalent(file_, output, ignored);
}

std::optional<Summary> Schedule::Check(const RunDefaults& defaults, std::ostream& results,
                                       BookFolder* books, const RowProgress& progress) {
    const ColumnMap& map = columns_->map;
    const Run run{defaults.basis, defaults.pointLoad,
                  defaults.pointLoad.force.has_value() || map.index[kPointLoad].has_value()};
    WriteHeader(header_, run, results);
    Summary summary;
    long long line = 1;
    try {
        // A failed write (disk full) stops the run; the output's Commit says why.
        for (std::vector<std::string> row; results && reader_->Next(row);) {
            ++line;
            Count(summary, WriteRow(row, header_.size(), map, run, line, results, books));
            if (progress && !progress(line, reader_->BytesRead(), size_)) return std::nullopt;
        }
    } catch (const ScheduleError& e) {
        throw ScheduleError("the schedule '" + path_ + "' could not be read: " + e.what());
    }
    return summary;
}

}  // namespace deckplate::schedule
