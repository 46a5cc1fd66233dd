#include "cli/bay_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/notice_lines.h"
#include "cli/unknown_arguments.h"
#include "os/shown_text.h"

namespace deckplate::cli {
namespace {

using input::InputOption;
using input::InputRow;

bool IsFlag(const InputOption& option) { return option.valueName.empty(); }

// The row's options: its own and, for the stiffener, the angle's beside the flat bar's.
std::vector<const InputOption*> OptionsOf(const InputRow& row) {
    std::vector<const InputOption*> options{&row.option};
    if (!row.alternative.name.empty()) options.push_back(&row.alternative);
    return options;
}

// An input the bay must give and neither an option nor the bay file gave.
[[noreturn]] void Missing(const InputRow& row) {
    if (row.field == BayField::Stiffener)
        throw input::ValueError(
            "the stiffener is missing: give --flat-bar HxT or --angle DESIGNATION");
    throw input::ValueError(std::string(row.option.name) +
                            " is required, unless --from FILE.deckplate gives it");
}

}  // namespace

bool Takes(BayUse use, const InputRow& row) {
    switch (use) {
        case BayUse::Check:
            return true;
        case BayUse::Design:
            return row.design;
        case BayUse::Run:
            break;
    }
    return row.batch;
}

CLI::Option* NeedsValue(CLI::Option* option) {
    const std::string name = option->get_name();
    option->check(CLI::Validator(
        [name](std::string& value) {
            if (LooksLikeOption(value)) throw input::ValueError(name + " needs a value");
            return std::string();
        },
        ""));
    return option;
}

void BayOptions::AddTo(CLI::App& command, BayUse use) {
    std::vector<CLI::Option*> stiffener;
    for (const InputRow& row : input::BayInputs()) {
        if (!Takes(use, row)) continue;
        for (const InputOption* option : OptionsOf(row)) {
            const std::string name(option->name);
            CLI::Option* added =
                IsFlag(*option)
                    ? command.add_flag(name, flags_[name], std::string(option->help))
                    : NeedsValue(command.add_option(name, texts_[name], std::string(option->help))
                                     ->type_name(std::string(option->valueName)));
            if (row.field == BayField::Stiffener) stiffener.push_back(added);
        }
    }
    if (stiffener.size() == 2) stiffener[0]->excludes(stiffener[1]);
}

void BayOptions::Give(std::string_view option, std::string text) {
    for (const InputRow& row : input::BayInputs()) {
        for (const InputOption* given : OptionsOf(row)) {
            if (given->name != option) continue;
            if (IsFlag(*given))
                flags_[std::string(option)] = true;
            else
                texts_[std::string(option)] = std::move(text);
            return;
        }
    }
}

std::optional<std::string> BayOptions::Text(const InputOption& option) const {
    if (IsFlag(option)) {
        const auto flag = flags_.find(option.name);
        return flag != flags_.end() && flag->second ? std::optional<std::string>("true")
                                                    : std::nullopt;
    }
    const auto text = texts_.find(option.name);
    return text != texts_.end() ? text->second : std::nullopt;
}

bool BayOptions::Given(const InputRow& row) const {
    for (const InputOption* option : OptionsOf(row))
        if (Text(*option)) return true;
    return false;
}

input::Input BayOptions::Named(BayField field) {
    return {std::string(input::RowOf(field).option.name), field};
}

BayInput BayOptions::Read(const BaySource& source, BayUse use, std::ostream& err,
                          BayField givenElsewhere) const {
    BayInput bay = input::DefaultBay();
    // The file's values first, each where no option gives its input: an option overrides the
    // file, and a file's box that is not a number is read only when no option stands for it.
    for (const InputRow& row : input::BayInputs())
        if (Takes(use, row) && !Given(row)) source.Read(row, bay);
    // What the options notice is said once they are all read: an option that cannot be read
    // stops the command with its own message.
    input::Notices notices;
    for (const InputRow& row : input::BayInputs()) {
        if (!Takes(use, row)) continue;
        if (!Given(row)) {
            // A flag's input has its default without it (four edges simply supported).
            if (row.required && !IsFlag(row.option) && row.field != givenElsewhere &&
                !source.HasFile())
                Missing(row);
            continue;
        }
        // A run's patch without the run's point load stands under the rows' own (batch).
        if (use == BayUse::Run && row.field == BayField::Patch && !bay.pointLoad) continue;
        for (const InputOption* option : OptionsOf(row))
            if (const std::optional<std::string> text = Text(*option))
                option->read(*text, {std::string(option->name), row.field, &notices}, bay);
    }
    SayNotices(err, notices.Take());
    input::KeepToTheBasis(bay, [&](BayField field) -> std::optional<input::GivenInput> {
        const InputRow& row = input::RowOf(field);
        if (!Given(row)) return std::nullopt;
        return input::GivenInput{Named(field), Text(row.option).value_or("")};
    });
    input::RequireSound(bay, [&](BayField field) {
        const InputRow& row = input::RowOf(field);
        if (Given(row) || !source.HasFile()) return Named(field);
        // A file's flat bar gives its thickness under a key of its own, and its patch its two
        // sides under two.
        if (field == BayField::Stiffener && std::holds_alternative<FlatBar>(bay.stiffener))
            return source.Key("flat_bar_thickness", BayField::FlatBarThickness);
        if (field == BayField::Patch)
            return source.Key("patch_across/patch_along", BayField::Patch);
        return source.Key(field == BayField::Stiffener ? "angle" : row.key, field);
    });
    // A run's defaults are no bay: its rows are cautioned in the results' note column.
    if (use != BayUse::Run)
        for (const input::Caution& caution : input::Cautions(bay))
            err << "deckplate-cli: note: " << Named(caution.field).name << ": " << caution.english
                << "\n";
    return bay;
}

}  // namespace deckplate::cli
