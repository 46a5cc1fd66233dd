#pragma once
// Where a bay's values come from on the command line when a bay file is given --from: the file's
// value of each input, read as the option would be, a message naming the file and its key
// ("3#.deckplate: bay.span: …").

#include <optional>
#include <string>

#include "calc/bay_input.h"
#include "input/bay_inputs.h"
#include "project/bay_file.h"

namespace deckplate::cli {

class BaySource {
  public:
    /// Reads the file given --from, if one is. Throws input::ValueError naming it.
    explicit BaySource(const std::optional<std::string>& from);

    bool HasFile() const { return file_.has_value(); }
    /// The file's project information; none without a file.
    project::ProjectInfo Project() const;

    /// Reads the file's value of `row` into `bay`: a box's text as its option reads it, the
    /// boundary's ticks, the stiffener chosen, the point load switched on with its force and
    /// patch. Nothing without a file. Throws input::ValueError naming the file's key.
    void Read(const input::InputRow& row, BayInput& bay) const;
    /// How a message names an input the file gave: "3#.deckplate: bay.span".
    input::Input Key(std::string_view key, BayField field) const;

  private:
    std::string path_;
    std::optional<project::BayFile> file_;
};

}  // namespace deckplate::cli
