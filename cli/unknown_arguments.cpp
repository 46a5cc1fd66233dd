#include "cli/unknown_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <numeric>
#include <vector>

#include "os/shown_text.h"

namespace deckplate::cli {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Insertions, deletions, substitutions and swaps of two neighbours, each one step: "chekc" is one
// step from "check", "--thicknes" one from "--thickness".
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    std::iota(d[0].begin(), d[0].end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// The name that was most likely meant: the one long option a single letter begins ("-V" for
// --version), else the nearest name, when it is no more steps away than one for every three
// letters typed (one at least, two at most). None when nothing is that near.
std::optional<std::string> Nearest(std::string_view typed, const std::vector<std::string>& names) {
    std::string word = Lower(typed.substr(0, typed.find('=')));
    if (word.size() == 2 && word[0] == '-' && word[1] != '-') {
        std::optional<std::string> only;
        for (const std::string& name : names) {
            if (!name.starts_with("--") || name.size() < 3 || name[2] != word[1]) continue;
            if (only) return std::nullopt;
            only = name;
        }
        return only;
    }
    if (word.starts_with('-') && !word.starts_with("--")) word.insert(0, "-");  // "-dead"
    const std::size_t letters = word.size() - std::min(word.find_first_not_of('-'), word.size());
    const std::size_t nearEnough = std::min<std::size_t>(2, std::max<std::size_t>(1, letters / 3));
    std::optional<std::string> nearest;
    std::size_t best = nearEnough + 1;
    for (const std::string& name : names) {
        if (const std::size_t d = Distance(word, name); d < best) {
            best = d;
            nearest = name;
        }
    }
    return nearest;
}

std::vector<std::string> CommandNames(const CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(command->get_name());
    return names;
}

std::vector<std::string> OptionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
        for (const std::string& name : option->get_snames()) names.push_back("-" + name);
    }
    return names;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) (list += list.empty() ? "" : ", ") += name;
    return list;
}

// "; did you mean --thickness?" before the rest of the message, or just "; " when nothing is near.
std::string Then(const std::optional<std::string>& nearest, const std::string& rest) {
    if (!nearest) return "; " + rest;
    std::string sentence = rest;
    sentence.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(rest.front())));
    return "; did you mean " + *nearest + "? " + sentence;
}

// A line without a command: nothing at all, a word that is no command, or an option of none.
std::string WithoutCommand(const CLI::App& app) {
    const std::vector<std::string> commands = CommandNames(app);
    const std::string program = app.get_name();
    const std::string listed = "the commands are " + Listed(commands) + " ('" + program +
                               " --help' describes them, '" + program +
                               " COMMAND --help' lists a command's options)";
    const std::vector<std::string> left = app.remaining();
    if (left.empty()) return "no command given; " + listed;
    const std::string& first = left.front();
    if (!LooksLikeOption(first))
        return "unknown command '" + os::ShownText(first) + "'" +
               Then(Nearest(first, commands), listed);
    const std::optional<std::string> nearest = Nearest(first, OptionNames(app));
    if (nearest) return "unknown option " + os::ShownText(first) + Then(nearest, listed);
    return "unknown option " + os::ShownText(first) +
           "; a command comes first, then its options: " + listed;
}

}  // namespace

bool LooksLikeOption(std::string_view word) {
    if (word.size() < 2 || word[0] != '-') return false;
    const char next = word[1];
    if (std::isdigit(static_cast<unsigned char>(next)) || next == '.') return false;
    const std::string rest = Lower(word.substr(1));
    return rest != "nan" && rest != "inf" && rest != "infinity";
}

std::optional<std::string> UnknownArgumentText(const CLI::App& app) {
    const std::vector<CLI::App*> parsed = app.get_subcommands();
    if (parsed.empty()) return WithoutCommand(app);
    const CLI::App& command = *parsed.front();
    const std::string help =
        "('" + app.get_name() + " " + command.get_name() + " --help' lists its options)";
    std::vector<std::string> left = command.remaining();
    for (const std::string& word : left) {
        if (!LooksLikeOption(word)) continue;
        const std::string name = word.substr(0, word.find('='));
        const std::optional<std::string> nearest = Nearest(name, OptionNames(command));
        return command.get_name() + " has no option " + os::ShownText(name) +
               (nearest ? "; did you mean " + *nearest + "?" : "") + " " + help;
    }
    for (const std::string& word : app.remaining()) left.push_back(word);
    if (left.empty()) return std::nullopt;
    return "'" + os::ShownText(left.front()) + "' belongs to no option of " + command.get_name() +
           " " + help;
}

}  // namespace deckplate::cli
