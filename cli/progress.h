#pragma once
// A progress bar on standard error for long runs: only when standard error is a terminal, and
// only once a run has taken more than a second, so scripts and short runs see nothing.

#include <chrono>

namespace deckplate::cli {

class Progress {
  public:
    explicit Progress(long long totalBytes);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    /// `rows` done so far, `bytes` of the input read.
    void Update(long long rows, long long bytes);

  private:
    using Clock = std::chrono::steady_clock;
    long long total_;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_;
    Clock::time_point last_{};
};

}  // namespace deckplate::cli
