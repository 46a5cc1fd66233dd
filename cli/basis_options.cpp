#include "cli/basis_options.h"

#include <ostream>

#include "os/shown_text.h"
#include "schedule/values.h"

namespace deckplate::cli {

BasisChoice ReadBasis(const BasisOptions& options, std::ostream& err,
                      const BasisChoice& otherwise) {
    BasisChoice choice = otherwise;
    if (options.basis)
        choice.basis = schedule::ParseBasis(*options.basis, {"--basis", BayField::Basis});
    if (!options.steel) {
        if (choice.basis == DesignBasis::Legacy) choice.steel = SteelGrade::Q235;
        return choice;
    }
    bool wasQ345 = false;
    choice.steel = schedule::ParseSteel(*options.steel, {"--steel", BayField::Steel}, &wasQ345);
    // Q235 is the legacy basis' own grade, as a schedule row of that basis may name it.
    if (choice.basis == DesignBasis::Legacy && choice.steel != SteelGrade::Q235) {
        throw schedule::ValueError("--steel " + os::ShownText(*options.steel) +
                                   " needs --basis current: the legacy basis knows Q235 only "
                                   "(f = 215 for every part)");
    }
    if (wasQ345) NoteQ345(err);
    return choice;
}

void NoteQ345(std::ostream& err) {
    err << "deckplate-cli: note: Q345 is the grade's name before GB/T 1591-2018; taken as Q355\n";
}

}  // namespace deckplate::cli
