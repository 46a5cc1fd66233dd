#include <iostream>

#include "cli/commands.h"

#ifdef _WIN32
#include "app/windows_console.h"

// Windows hands the arguments over as UTF-16; the command line reads them as UTF-8.
int wmain(int argc, wchar_t** argv) {
    const deckplate::app::Utf8Arguments arguments(argc, argv);
    const deckplate::app::ConsoleStreams console;
    return deckplate::cli::RunCli(arguments.Count(), arguments.Values(), std::cout, std::cerr);
}
#else
int main(int argc, char** argv) { return deckplate::cli::RunCli(argc, argv, std::cout, std::cerr); }
#endif
