#pragma once
// A bay's options on the command line, one for each input of the table of bay inputs (--dead,
// --flat-bar or --angle, --safety-class, --weld-segment …): each kept as the text given until the
// whole command line is parsed, then read into the bay with a message naming the option.

#include <iosfwd>
#include <map>
#include <optional>
#include <string>

#include "calc/bay_input.h"
#include "cli/bay_source.h"
#include "input/bay_inputs.h"

// CLI11's parser, named only: its header, the heaviest this program includes, is compiled by the
// files that add and read options, not by every file that takes a bay's options along.
namespace CLI {  // NOLINT(readability-identifier-naming): CLI11's own namespace
class App;
class Option;
}  // namespace CLI

namespace deckplate::cli {

/// Which of a bay's inputs a command takes as options: `check` and `book` every one, `design` all
/// but the plate and stiffener it seeks and the weld it takes as the default one, `batch` those a
/// schedule's row may leave to the run.
enum class BayUse { Check, Design, Run };

/// Whether a command of `use` takes `row`'s options.
bool Takes(BayUse use, const input::InputRow& row);

class BayOptions {
  public:
    /// Adds the options of every input `use` takes to `command`.
    void AddTo(CLI::App& command, BayUse use);
    /// Gives `option` the text `text` (a flag any text), as the command line would.
    void Give(std::string_view option, std::string text);
    /// Whether any option of `row` was given.
    bool Given(const input::InputRow& row) const;
    /// The text given for `option`, if it was (a flag's "true").
    std::optional<std::string> Text(const input::InputOption& option) const;

    /// The bay: the defaults (the current basis, Q235, safety class 2, the self-weight added, a
    /// double-sided weld), then the bay file's values, then the options given; an input `use`
    /// requires that neither gives is missing, but for `givenElsewhere` (design's spacings).
    /// What the options' reading notices (Q345 for Q355) is said on `err`. Throws input::ValueError
    /// naming the option or the file's key.
    BayInput Read(const BaySource& source, BayUse use, std::ostream& err,
                  BayField givenElsewhere = BayField::Other) const;

    /// How a message names an input: its option (the first, for the stiffener).
    static input::Input Named(BayField field);

  private:
    std::map<std::string, std::optional<std::string>, std::less<>> texts_;
    std::map<std::string, bool, std::less<>> flags_;
};

/// An option that takes a value takes the next word even when it is the next option ("--dead
/// --live 2" would read "--live" as the dead load): say the value is missing instead. A negative
/// number ("-1", "-80x-8") is a value.
CLI::Option* NeedsValue(CLI::Option* option);

}  // namespace deckplate::cli
