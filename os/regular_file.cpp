#include "os/regular_file.h"

namespace deckplate::os {
namespace {

std::string OpenErrorText(OpenFault fault, std::error_code reason) {
    switch (fault) {
        case OpenFault::Folder:
            return "is a folder";
        case OpenFault::NotAFile:
            return "is not a regular file";
        case OpenFault::System:
            break;
    }
    return reason.message();
}

}  // namespace

OpenError::OpenError(OpenFault fault, std::error_code reason)
    : std::runtime_error(OpenErrorText(fault, reason)), fault_(fault), reason_(reason) {}

}  // namespace deckplate::os
