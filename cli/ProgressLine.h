// The progress of a bulk transfer or a firmware update on stderr: one updating bar on a
// terminal; otherwise (logs, scripts) a plain "NN%" line whenever the percentage changes when
// asked for, and no percentages at all when not.
// Drawn on the main thread only (progress reaches it through the notice queue), so a
// stalled terminal never holds up the transfer worker.
#pragma once

#include <mutex>
#include <string>

namespace corva::cli {

enum class ProgressStyle { Bar, Lines, Quiet };

class ProgressLine {
public:
    explicit ProgressLine(ProgressStyle style) : style_{style} {}

    // A new transfer of `total` steps; nothing is shown for a total of 0.
    void Start(int total);
    // `done` of the total steps have completed.
    void Step(int done);
    // A status text on a line of its own (the bar is drawn again below it); a text equal to
    // the previous one is not repeated.
    void Note(const std::string& text);
    // The transfer has ended: a completed one shows 100%, and the bar's line is closed.
    void Finish(bool completed);

private:
    void Draw(int percent);

    std::mutex mutex_;
    ProgressStyle style_;
    int total_ = 0;
    int lastPercent_ = -1;
    std::string lastNote_;
};

}  // namespace corva::cli
