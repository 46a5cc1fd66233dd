#pragma once
// Words on the command line that no command or option takes — no command at all, a mistyped
// command ("chek"), an unknown option ("--thicknes", "-V"), a stray value — worded for the user:
// what was wrong, the nearest name when one is near enough to be what was meant, and where the
// names are listed.

#include <optional>
#include <string>
#include <string_view>

namespace CLI {  // NOLINT(readability-identifier-naming): CLI11's own namespace
class App;       // CLI11's parser; its header is compiled where the words are found
}  // namespace CLI

namespace deckplate::cli {

/// Whether a word is an option's name rather than a value: it starts with "-", and is not a
/// negative number ("-1", "-.5", "-80x-8") nor a minus sign before "nan" or "inf", which the
/// number's reading then refuses.
bool LooksLikeOption(std::string_view word);

/// The first word of a parsed command line that `app` and its command left over, worded as
/// "check has no option --thicknes; did you mean --thickness? …"; for a line without a command,
/// what is missing or unknown and the list of commands. None when every word was taken.
std::optional<std::string> UnknownArgumentText(const CLI::App& app);

}  // namespace deckplate::cli
