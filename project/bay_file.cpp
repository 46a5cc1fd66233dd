#include "project/bay_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <variant>
#include <vector>

#include "calc/angle_catalogue.h"
#include "calc/designation.h"
#include "input/bay_inputs.h"
#include "os/paths.h"
#include "os/regular_file.h"

namespace deckplate::project {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// The keys of the inputs no one control of the window holds, each a part of its input.
enum class Choice { Stiffener, Angle };
struct PartKey {
    std::string_view key;
    BayField field;
    std::variant<std::string SavedBay::*, bool SavedBay::*, Choice> member;
};
const PartKey kPartKeys[] = {
    {"simply_supported", BayField::Boundary, &SavedBay::simplySupported},
    {"continuous", BayField::Boundary, &SavedBay::continuous},
    {"stiffener", BayField::Stiffener, Choice::Stiffener},
    {"flat_bar_height", BayField::Stiffener, &SavedBay::flatBarHeight},
    {"flat_bar_thickness", BayField::Stiffener, &SavedBay::flatBarThickness},
    {"angle", BayField::Stiffener, Choice::Angle},
    {"check_point_load", BayField::PointLoad, &SavedBay::pointLoadChecked},
    {"point_load", BayField::PointLoad, &SavedBay::pointLoad},
    {"patch_across", BayField::Patch, &SavedBay::patchAcross},
    {"patch_along", BayField::Patch, &SavedBay::patchAlong},
};

// A key of the file's bay: an input held in one control, or a part of one that is not.
struct BayKey {
    std::string_view key;
    const input::InputRow* row;  ///< an input held in one control
    const PartKey* part;         ///< or a part of one
};

// The bay's keys in the order a file lists them: the inputs' order, each part of an input no one
// control holds in its place.
const std::vector<BayKey>& BayKeys() {
    static const std::vector<BayKey> keys = [] {
        std::vector<BayKey> all;
        for (const input::InputRow& row : input::BayInputs()) {
            if (HeldInOneControl(row.field)) {
                all.push_back({row.key, &row, nullptr});
                continue;
            }
            for (const PartKey& part : kPartKeys)
                if (part.field == row.field) all.push_back({part.key, nullptr, &part});
        }
        return all;
    }();
    return keys;
}

constexpr std::string_view kFlatBar = "flat_bar", kAngle = "angle";

std::string ChoiceText(const SavedBay& bay, Choice choice) {
    if (choice == Choice::Stiffener)
        return std::string(bay.stiffener == StiffenerKind::FlatBar ? kFlatBar : kAngle);
    return bay.angle;
}

[[noreturn]] void Refuse(BayFileProblem problem) { throw BayFileError(std::move(problem)); }

[[noreturn]] void WrongType(const std::string& key, Expected expected) {
    Refuse({.fault = BayFileFault::WrongType, .key = key, .expected = expected});
}

const Json& Object(const Json& value, const std::string& key) {
    if (!value.is_object()) WrongType(key, Expected::Object);
    return value;
}

std::string Text(const Json& value, const std::string& key) {
    if (!value.is_string()) WrongType(key, Expected::Text);
    return value.get<std::string>();
}

// A box's text, or a plain number of a file written by hand: no size or load is below 0.
std::string BoxText(const Json& value, const std::string& key) {
    if (value.is_string()) return value.get<std::string>();
    if (!value.is_number()) WrongType(key, Expected::TextOrNumber);
    std::string text = value.dump();
    if (value.get<double>() < 0)
        Refuse({.fault = BayFileFault::Negative, .key = key, .value = text});
    return text;
}

void ReadChoice(SavedBay& bay, Choice choice, const Json& value, const std::string& key) {
    const std::string text = Text(value, key);
    if (choice == Choice::Stiffener) {
        if (text != kFlatBar && text != kAngle)
            Refuse({.fault = BayFileFault::UnknownChoice,
                    .key = key,
                    .value = text,
                    .choices = std::string(kFlatBar) + ", " + std::string(kAngle)});
        bay.stiffener = text == kFlatBar ? StiffenerKind::FlatBar : StiffenerKind::Angle;
        return;
    }
    // Written as any designation is typed: any case, x, X, * or × between the sizes.
    if (!text.empty() && !FindAngle(CatalogueForm(text)))
        Refuse({.fault = BayFileFault::UnknownAngle, .key = key, .value = text});
    bay.angle = text.empty() ? text : CatalogueForm(text);
}

// An input held in one control, as its kind keeps it: a box's text (or a plain number of a file
// written by hand), a tick as true or false, a choice's word, which must be one of its words.
std::string ReadHeld(const input::InputRow& row, const Json& value, const std::string& key) {
    switch (row.kind) {
        case input::InputKind::Flag:
            if (!value.is_boolean()) WrongType(key, Expected::TrueOrFalse);
            return value.get<bool>() ? "yes" : "no";
        case input::InputKind::Choice: {
            const std::string text = value.is_number() ? value.dump() : Text(value, key);
            try {
                BayInput scratch = input::DefaultBay();
                row.read(text, {key, row.field}, scratch);
            } catch (const input::ValueError&) {
                Refuse({.fault = BayFileFault::UnknownChoice,
                        .key = key,
                        .value = text,
                        .choices = std::string(row.choices)});
            }
            return text;
        }
        case input::InputKind::Number:
        case input::InputKind::Text:
            break;
    }
    return BoxText(value, key);
}

SavedBay ReadBay(const Json& object) {
    SavedBay bay;
    for (const auto& [name, value] : Object(object, "bay").items()) {
        const std::string key = "bay." + name;
        const auto entry = std::ranges::find(BayKeys(), name, &BayKey::key);
        if (entry == BayKeys().end()) Refuse({.fault = BayFileFault::UnknownKey, .key = key});
        if (entry->row) {
            bay.texts[entry->row->field] = ReadHeld(*entry->row, value, key);
        } else if (const auto* box = std::get_if<std::string SavedBay::*>(&entry->part->member)) {
            bay.*(*box) = BoxText(value, key);
        } else if (const auto* tick = std::get_if<bool SavedBay::*>(&entry->part->member)) {
            if (!value.is_boolean()) WrongType(key, Expected::TrueOrFalse);
            bay.*(*tick) = value.get<bool>();
        } else {
            ReadChoice(bay, std::get<Choice>(entry->part->member), value, key);
        }
    }
    return bay;
}

// Each field as the options take it: a book prints only what an option could have given.
ProjectInfo ReadProject(const Json& object) {
    ProjectInfo project;
    for (const auto& [name, value] : Object(object, "project").items()) {
        const std::string key = "project." + name;
        const auto fields = ProjectFields();
        const auto field = std::ranges::find(fields, name, &ProjectField::key);
        if (field == fields.end()) Refuse({.fault = BayFileFault::UnknownKey, .key = key});
        std::string text = Text(value, key);
        if (const auto fault = ProjectTextProblem(*field, text))
            Refuse({.fault = BayFileFault::ProjectText, .key = key, .value = text, .text = *fault});
        project.*(field->field) = std::move(text);
    }
    return project;
}

// Line and column, from 1, of the byte at `offset`; a column counts characters, not bytes.
std::pair<long long, long long> Place(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    long long line = 1, column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// Refuses a key given twice in one object, which the parser would quietly take the last of.
class RepeatedKeys {
  public:
    bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
                objects_.push_back({.name = objects_.empty() ? "" : Where(lastKey_)});
                break;
            case Json::parse_event_t::object_end:
                objects_.pop_back();
                break;
            case Json::parse_event_t::key:
                lastKey_ = parsed.get<std::string>();
                if (!objects_.back().keys.insert(lastKey_).second)
                    Refuse({.fault = BayFileFault::RepeatedKey, .key = Where(lastKey_)});
                break;
            default:
                break;
        }
        return true;
    }

  private:
    // "bay.dead": the key within the objects open around it.
    std::string Where(const std::string& key) const {
        const std::string& object = objects_.back().name;
        return object.empty() ? key : object + "." + key;
    }

    struct OpenObject {
        std::string name;
        std::set<std::string> keys{};
    };
    std::vector<OpenObject> objects_;
    std::string lastKey_;
};

Json Parse(std::string_view text) {
    try {
        return Json::parse(text, RepeatedKeys());
    } catch (const Json::parse_error& e) {
        // nlohmann counts the byte after the one it stopped at.
        const std::size_t at = e.byte > 0 ? e.byte - 1 : 0;
        if (at >= text.size()) Refuse({.fault = BayFileFault::Truncated});
        const auto [line, column] = Place(text, at);
        Refuse({.fault = BayFileFault::NotJson, .line = line, .column = column});
    } catch (const Json::exception&) {  // a number beyond the range of doubles
        Refuse({.fault = BayFileFault::NotJson});
    }
}

}  // namespace

BayFileError::BayFileError(BayFileProblem problem)
    : std::runtime_error(BayFileProblemText(problem)), problem_(std::move(problem)) {}

std::string BayFileText(const BayFile& file) {
    OrderedJson project = OrderedJson::object();
    for (const ProjectField& field : ProjectFields())
        project[std::string(field.key)] = file.project.*(field.field);
    OrderedJson bay = OrderedJson::object();
    for (const BayKey& entry : BayKeys()) {
        const std::string key(entry.key);
        if (entry.row) {
            const std::string text = file.bay.Text(entry.row->field);
            if (entry.row->kind == input::InputKind::Flag)
                bay[key] = text == "yes";
            else
                bay[key] = text;
        } else if (const auto* box = std::get_if<std::string SavedBay::*>(&entry.part->member)) {
            bay[key] = file.bay.*(*box);
        } else if (const auto* tick = std::get_if<bool SavedBay::*>(&entry.part->member)) {
            bay[key] = file.bay.*(*tick);
        } else {
            bay[key] = ChoiceText(file.bay, std::get<Choice>(entry.part->member));
        }
    }
    const OrderedJson json = {{"format", kBayFileFormat},
                              {"format_version", kBayFileVersion},
                              {"program_version", file.programVersion},
                              {"project", std::move(project)},
                              {"bay", std::move(bay)}};
    // Text from a window is UTF-8; should any byte not be, it is written as U+FFFD rather than
    // failing the save.
    return json.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

BayFile ReadBayFileText(std::string_view text) {
    const Json json = Parse(text);
    if (!json.is_object() || !json.contains("format") || json["format"] != kBayFileFormat)
        Refuse({.fault = BayFileFault::NotABayFile});
    BayFile file;
    for (const auto& [key, value] : json.items()) {
        if (key == "format") continue;
        if (key == "format_version") {
            if (!value.is_number_integer()) WrongType(key, Expected::WholeNumber);
            const auto version = value.get<long long>();
            if (version > kBayFileVersion)
                Refuse({.fault = BayFileFault::NewerVersion, .key = key, .version = version});
            if (version < 1)
                Refuse({.fault = BayFileFault::UnknownChoice,
                        .key = key,
                        .value = value.dump(),
                        .choices = std::to_string(kBayFileVersion)});
        } else if (key == "program_version") {
            file.programVersion = Text(value, key);
        } else if (key == "project") {
            file.project = ReadProject(value);
        } else if (key == "bay") {
            file.bay = ReadBay(value);
        } else {
            Refuse({.fault = BayFileFault::UnknownKey, .key = key});
        }
    }
    if (!json.contains("format_version")) WrongType("format_version", Expected::WholeNumber);
    return file;
}

BayFile ReadBayFile(std::string_view path) {
    const std::filesystem::path file = os::PathFromUtf8(path);
    os::ReadStream stream(nullptr, &std::fclose);
    try {
        stream = os::OpenRegularFile(file);
    } catch (const os::OpenError& e) {
        switch (e.fault()) {
            case os::OpenFault::Folder:
                Refuse({.fault = BayFileFault::IsFolder});
            case os::OpenFault::NotAFile:
                Refuse({.fault = BayFileFault::NotAFile});
            case os::OpenFault::System:
                break;
        }
        Refuse({.fault = BayFileFault::CannotOpen, .reason = e.reason()});
    }
    // Read one byte past the largest file taken, so that a larger one is told without reading
    // it all.
    std::string text(kLargestBayFile + 1, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), stream.get());
    if (std::ferror(stream.get()))
        Refuse({.fault = BayFileFault::CannotOpen,
                .reason = std::error_code(errno, std::generic_category())});
    if (read > kLargestBayFile) {
        std::error_code unknown;
        const std::uintmax_t size = std::filesystem::file_size(file, unknown);
        Refuse({.fault = BayFileFault::TooLarge, .size = unknown ? 0 : size});
    }
    text.resize(read);
    return ReadBayFileText(text);
}

}  // namespace deckplate::project
