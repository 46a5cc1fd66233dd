#pragma once
// deckplate-cli: the calculation of the window, driven from the command line.
//
//   check   one bay, as the Verify button does
//   book    one bay's calculation book, an HTML file
//   batch   every bay of a CSV schedule (and, with --books, each bay's calculation book)
//   design  the lightest plate and stiffener that pass
//   angles  the angle catalogue
//
// Exit status: 0 every check passes, 1 computed with a limit exceeded, 2 bad arguments,
// 3 arithmetic fault (division by zero, overflow, invalid operation).

#include <iosfwd>

namespace deckplate::cli {

enum ExitStatus : int { kAllPass = 0, kLimitExceeded = 1, kBadArguments = 2, kArithmeticFault = 3 };

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace deckplate::cli
