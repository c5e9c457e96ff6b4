#include "ProgressLine.h"

#include <algorithm>
#include <cstdio>

namespace corva::cli {
namespace {
constexpr int kBarWidth = 40;
}  // namespace

void ProgressLine::Start(int total) {
    std::lock_guard lock(mutex_);
    total_ = std::max(total, 0);
    lastPercent_ = -1;
    if (total_ > 0) {
        Draw(0);
    }
}

void ProgressLine::Step(int done) {
    std::lock_guard lock(mutex_);
    if (total_ <= 0) {
        return;
    }
    Draw(std::clamp(100 * done / total_, 0, 100));
}

void ProgressLine::Note(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (text == lastNote_) {
        return;
    }
    lastNote_ = text;
    if (style_ == ProgressStyle::Bar && total_ > 0 && lastPercent_ >= 0) {
        std::fprintf(stderr, "\r\033[K%s\n", text.c_str());
        const int percent = lastPercent_;
        lastPercent_ = -1;
        Draw(percent);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

void ProgressLine::Finish(bool completed) {
    std::lock_guard lock(mutex_);
    if (total_ <= 0) {
        return;
    }
    if (completed) {
        Draw(100);
    }
    if (style_ == ProgressStyle::Bar) {
        std::fputc('\n', stderr);
    }
    total_ = 0;
    lastPercent_ = -1;
}

void ProgressLine::Draw(int percent) {
    if (percent == lastPercent_) {
        return;
    }
    lastPercent_ = percent;
    if (style_ == ProgressStyle::Quiet) {
        return;
    }
    if (style_ == ProgressStyle::Lines) {
        std::fprintf(stderr, "%d%%\n", percent);
        return;
    }
    const int filled = kBarWidth * percent / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush(stderr);
}

}  // namespace corva::cli
