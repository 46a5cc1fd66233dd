// A bay file's problem in English, as the command line says it after the file's name.
#include <string>

#include "os/shown_text.h"
#include "project/bay_file.h"

namespace deckplate::project {
namespace {

std::string_view ExpectedText(Expected expected) {
    switch (expected) {
        case Expected::Object:
            return "an object { … }";
        case Expected::Text:
            return "text in quotes";
        case Expected::TextOrNumber:
            return "a number or text in quotes";
        case Expected::TrueOrFalse:
            return "true or false";
        case Expected::WholeNumber:
            return "a whole number";
    }
    return {};
}

}  // namespace

std::string BayFileProblemText(const BayFileProblem& problem) {
    // What the file holds is shown safely: a key or a value may hold anything.
    BayFileProblem p = problem;
    p.key = os::ShownText(p.key);
    p.value = os::ShownText(p.value);
    const std::string value = "\"" + p.value + "\"";
    switch (p.fault) {
        case BayFileFault::CannotOpen:
            return "cannot be read: " + p.reason.message();
        case BayFileFault::IsFolder:
            return "is a folder, not a bay file";
        case BayFileFault::NotAFile:
            return "is not a regular file (a device, a pipe or a socket), not a bay file";
        case BayFileFault::TooLarge:
            return "is " + std::to_string(p.size) + " bytes; a bay file is at most " +
                   std::to_string(kLargestBayFile) + " bytes";
        case BayFileFault::NotJson:
            if (p.line == 0) return "is not JSON: a number is beyond the range of numbers";
            return "is not JSON: line " + std::to_string(p.line) + ", column " +
                   std::to_string(p.column);
        case BayFileFault::Truncated:
            return "ends before its JSON does; it may have been cut short";
        case BayFileFault::NotABayFile:
            return "is not a bay file: it lacks \"format\": \"" + std::string(kBayFileFormat) +
                   "\"";
        case BayFileFault::NewerVersion:
            return "is of format version " + std::to_string(p.version) +
                   ", written by a newer program; this one reads up to version " +
                   std::to_string(kBayFileVersion);
        case BayFileFault::WrongType:
            return p.key + ": must be " + std::string(ExpectedText(p.expected));
        case BayFileFault::UnknownKey:
            return p.key + ": no such key in a bay file";
        case BayFileFault::RepeatedKey:
            return p.key + ": given more than once; give it once";
        case BayFileFault::Negative:
            return p.key + ": must not be negative, not " + p.value;
        case BayFileFault::UnknownAngle:
            return p.key + ": " + value +
                   " is not in the angle catalogue (deckplate-cli angles lists it)";
        case BayFileFault::UnknownChoice:
            return p.key + ": " + value + " is none of " + p.choices;
        case BayFileFault::ProjectText:
            return p.key + ": " + value + " " + ProjectTextFaultText(p.text);
    }
    return {};
}

}  // namespace deckplate::project
