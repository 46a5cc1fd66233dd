#pragma once
// The design basis and the steel grade as the command line gives them: --basis and --steel, as
// text until they are read, so that a message can name the option.

#include <iosfwd>
#include <optional>
#include <string>

#include "calc/design_basis.h"
#include "calc/steel_grade.h"

namespace deckplate::cli {

struct BasisOptions {
    std::optional<std::string> basis{};  ///< none: the legacy basis, or a bay file's
    std::optional<std::string> steel{};
};

struct BasisChoice {
    DesignBasis basis = DesignBasis::Legacy;
    SteelGrade steel = SteelGrade::Q235;
};

/// The basis and grade read, each `otherwise` when not given (a bay file's, or the legacy basis
/// with Q235); Q345 is taken as Q355 with a note on `err`. A grade other than Q235 given with the
/// legacy basis, which knows Q235 only, is refused. Throws schedule::ValueError.
BasisChoice ReadBasis(const BasisOptions& options, std::ostream& err,
                      const BasisChoice& otherwise = {});

/// The note a script's standard error gets when it gave the grade its older name.
void NoteQ345(std::ostream& err);

}  // namespace deckplate::cli
