#include "ui/viewer_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <future>
#include <thread>

namespace deckplate::ui {

ViewerStart StartViewer(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds patience) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (const int failure =
            posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
        failure != 0)
        return {ViewerStart::Outcome::NotStarted, failure};

    std::promise<int> ended;
    std::future<int> status = ended.get_future();
    std::thread([child, ended = std::move(ended)]() mutable {
        int result = 0;
        while (waitpid(child, &result, 0) < 0)
            if (errno != EINTR) {  // reaped by someone else: nothing is known of its end
                result = -1;
                break;
            }
        ended.set_value(result);
    }).detach();

    // Wait, painting and running timers but taking no clicks or keys, until it ends or the time
    // is up.
    QEventLoop waiting;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &waiting, [&] {
        if (status.wait_for(std::chrono::seconds(0)) == std::future_status::ready) waiting.quit();
    });
    look.start(std::chrono::milliseconds(20));
    QTimer::singleShot(patience, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);

    if (status.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return {ViewerStart::Outcome::Running};
    const int result = status.get();
    if (result == -1) return {ViewerStart::Outcome::Ended, 0};
    if (WIFSIGNALED(result)) return {ViewerStart::Outcome::Killed, WTERMSIG(result)};
    return {ViewerStart::Outcome::Ended, WEXITSTATUS(result)};
}

}  // namespace deckplate::ui
