#pragma once
// The inputs of a bay as one table: a row per input — the BayInput member it fills (its
// BayField), its key (the schedule's column, the bay file's key, the JSON inputs block's key), its
// command-line option and help, its English and Chinese names and unit, how it is read from a
// text and written back, whether a bay must give it, and whether the legacy basis has it. The
// command line's options, a schedule's columns, a bay file's values, the window's words and places,
// `check`'s input lines and its JSON inputs block all iterate it, each taking the rows by their
// kind, so that a new input is a row here, its arithmetic and its control's place on the window
// (and, where the book's table of inputs shows it, its place in the book's layout).
//
// A row reads a text into a bay (an option's value, a cell, a bay file's value) and throws
// ValueError naming the input as its front end names it; checks across inputs (a patch and its
// plate, a grade and the basis, the weld's segments and its arrangement) follow in RequireSound.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/bay_input.h"
#include "input/values.h"

namespace deckplate {
struct BayCheck;
}

namespace deckplate::input {

/// How an input is given: decides the command line's option (a value or a flag), a bay file's
/// JSON type and the window's kind of control.
enum class InputKind {
    Number,  ///< a number: a load, a size, a force
    Choice,  ///< one of a few words
    Flag,    ///< yes or no
    Text,    ///< a designation its row reads: a stiffener, a patch, weld segments
};

/// A command-line option of an input: its name, its value's name (empty for a flag), its help and
/// how its text is read (a flat bar's option reads only a flat bar).
struct InputOption {
    std::string_view name;       ///< "--dead"
    std::string_view valueName;  ///< "NUMBER"; empty for a flag
    std::string_view help;
    /// Reads the option's text (a flag's is "true") into the bay.
    void (*read)(std::string_view text, const Input& input, BayInput& bay);
};

/// `check`'s line of an input, where it is not the row's Chinese name and words: its caption
/// and its words as the check took the input (the self-weight it added, the grade whose strengths
/// it used).
struct CheckLine {
    std::string_view caption;  ///< "加劲肋类型"; empty for the row's Chinese name
    /// "另加 0.57 kN/m²（钢铺板及加劲肋）"; null for the row's words
    std::string (*words)(const BayInput& bay, const BayCheck& check);
};

/// An input's cell in the book's table of inputs: its heading and, where they are not the row's
/// words, its words as the check took the input. The book lays the cells out (two a line, or one
/// across it); an input it does not show has no heading.
struct BookCell {
    std::string_view heading;  ///< "恒荷载标准值 D"; empty for an input the table leaves out
    /// "已包含在 D 中"; null for the row's words
    std::string (*words)(const BayInput& bay, const BayCheck& check);
};

/// A value as it stands in a bay, for the JSON inputs block: none, a number, yes or no, a word.
using InputValue = std::variant<std::monostate, double, bool, std::string>;

struct InputRow {
    BayField field;
    InputKind kind;
    std::string_view key;      ///< "dead": the schedule's column, the bay file's and the JSON's key
    std::string_view english;  ///< "dead load"
    std::string_view chinese;  ///< "静荷载"
    std::string_view unit;     ///< "kN/m²", "mm", "kN", or empty
    std::string_view choices;  ///< a choice's words, as a message lists them: "current, legacy"
    bool required;             ///< a bay must give it: a schedule's column, an option or --from
    bool currentOnly;          ///< the legacy basis has it not
    /// Whether `batch` takes its option, as the run's default for the rows that leave it empty
    /// (`check` and `book` take every input's).
    bool batch;
    /// Whether `design` takes its option: not what it seeks (the plate, the stiffener) nor the
    /// weld, which it takes as the default one.
    bool design;
    InputOption option;       ///< on the command line
    InputOption alternative;  ///< a second option (the stiffener's --angle), or none
    /// Reads a cell's or a bay file's text into the bay. Throws ValueError naming `input`.
    void (*read)(std::string_view text, const Input& input, BayInput& bay);
    /// The bay's value: none where the bay leaves it out (no point load, a weld size left to the
    /// code).
    InputValue (*value)(const BayInput& bay);
    /// The bay's value as text that reads back as the same bay: a cell, an option, a bay file.
    std::string (*text)(const BayInput& bay);
    /// The bay's value in an engineer's words, for the book and `check`: "1.5 kN/m²", "四边简支",
    /// "Q355B（GB/T 1591-2018）", "二级，γ0 = 1.0".
    std::string (*words)(const BayInput& bay);
    /// Its line in `check`'s text, where that is not its name and words.
    CheckLine checkLine;
    /// Its cell in the book's table of inputs.
    BookCell book;
};

/// Every input, in the order a bay lists them: the window's, top to bottom.
std::span<const InputRow> BayInputs();
const InputRow& RowOf(BayField field);
/// The row whose key is `key` ("dead"), if any.
const InputRow* FindInput(std::string_view key);

/// The bay a front end starts from before it reads the inputs given: the current basis, Q235,
/// safety class 二级, the self-weight added, a double-sided continuous weld of the least leg.
BayInput DefaultBay();

/// An input a front end was given: as its message names it, and the text given.
struct GivenInput {
    Input input;
    std::string text;
};

/// Under the legacy basis the inputs of the current basis check nothing: one given (as `given`
/// tells) is refused; one a default or a file gave is forgotten, and the grade gives way to Q235
/// unless given (the window keeps the grade chosen through the legacy basis, and a bay file with
/// it). Throws ValueError.
void KeepToTheBasis(BayInput& bay, const std::function<std::optional<GivenInput>(BayField)>& given);

/// A bay that can be built but looks mistyped: a span or spacing under kLeastLikelyLength mm
/// (metres typed), a flat bar thicker than it is high (its sizes swapped). Said, never refused.
struct Caution {
    BayField field;
    std::string english;  ///< after the input's name: "1.8 mm looks like metres typed: …"
    std::string chinese;  ///< after the input's name: "1.8 mm 似为按米输入，本程序以 mm 计"
};
inline constexpr double kLeastLikelyLength = 100;
std::vector<Caution> Cautions(const BayInput& bay);

/// The checks across a bay's inputs, after each is read: a patch at least the plate thick, a grade
/// the basis knows, parts within their grade's strength table, the weld's size, segments and
/// arrangement agreeing. `naming` names the inputs in a message. Throws ValueError.
void RequireSound(const BayInput& bay, const std::function<Input(BayField)>& naming);

}  // namespace deckplate::input
