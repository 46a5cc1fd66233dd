#pragma once
// A viewer started for a file, and whether it gave up at once. QProcess::startDetached and
// QDesktopServices::openUrl say only whether the program could be started: an xdg-open that finds
// no program for the file's kind, or whose browser will not start, ends with a failing status that
// nobody reads. So the viewer is started as a child of the window and its end awaited for a
// while, the window repainting meanwhile and the user's input held back; a viewer still running
// then is taken to be showing the file. A thread of its own waits for its end, so that it is
// neither killed with the window nor left behind as a zombie.

#include <chrono>
#include <string>
#include <vector>

namespace deckplate::ui {

/// What became of a viewer within the time it was given.
struct ViewerStart {
    enum class Outcome {
        Running,     ///< still running: showing the file
        Ended,       ///< ended by itself with `code` as its status (0: done, the file shown)
        Killed,      ///< ended by the signal `code`
        NotStarted,  ///< could not be started: `code` is the system's error number
    };
    Outcome outcome;
    int code = 0;
};

/// Starts `program` (looked up on the PATH) with `arguments` and waits up to `patience` for it
/// to end.
ViewerStart StartViewer(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds patience);

}  // namespace deckplate::ui
