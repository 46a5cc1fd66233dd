#pragma once
// Where each of a bay's values comes from on the command line: the option that gives it, or else
// the bay file given --from. Each is read as the option would be, and a message names what gave
// it: the option ("--span: …"), or the file and its key ("3#.deckplate: bay.span: …").

#include <optional>
#include <string>
#include <string_view>

#include "calc/bay_input.h"
#include "cli/basis_options.h"
#include "cli/point_load_options.h"
#include "project/bay_file.h"
#include "schedule/values.h"

namespace deckplate::cli {

class BaySource {
  public:
    /// Reads the file given --from, if one is. Throws schedule::ValueError naming it.
    explicit BaySource(const std::optional<std::string>& from);

    bool HasFile() const { return file_.has_value(); }
    /// The file's project information; none without a file.
    project::ProjectInfo Project() const;

    /// The option's value when given, else the file's `key` read by `read`; without either,
    /// throws schedule::ValueError saying the option is required.
    template <class Read>
    auto Value(const std::optional<std::string>& given, const schedule::Input& option,
               std::string project::SavedBay::*box, std::string_view key, Read read) const {
        if (given) return read(*given, option);
        if (!file_) Missing(option);
        return read(file_->bay.*box, Key(key, option.field));
    }

    /// --continuous, else the file's two ticks, else four edges simply supported.
    Boundary BoundaryOf(bool continuous) const;
    /// The file's basis and grade, as ReadBasis takes them when the options name neither.
    BasisChoice Basis() const;
    /// --flat-bar or --angle, else the file's stiffener. Throws schedule::ValueError.
    StiffenerChoice Stiffener(const std::optional<std::string>& flatBar,
                              const std::optional<std::string>& angle) const;
    /// --point-load and --patch, else the file's point load (a --patch alone moves it, at its
    /// force). Throws schedule::ValueError.
    std::optional<PointLoad> PointLoadOf(const PointLoadOptions& options) const;

    /// What gave a value, as a message names it: `option` when it was `given` or there is no file,
    /// else the file's `key`.
    schedule::Input Giver(bool given, const schedule::Input& option, std::string_view key) const;

  private:
    schedule::Input Key(std::string_view key, BayField field) const;
    [[noreturn]] static void Missing(const schedule::Input& option);

    std::string path_;  ///< as a message shows it
    std::optional<project::BayFile> file_;
};

}  // namespace deckplate::cli
