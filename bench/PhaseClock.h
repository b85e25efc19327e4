#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "core/ports/ProgressView.h"

namespace qv::bench {

// A progress view that marks the phases of a run: each caption starts one.
class PhaseClock final : public ProgressView {
public:
    using Clock = std::chrono::steady_clock;

    void start(const std::string& caption, int) override { marks.push_back({caption, Clock::now()}); }
    void setPosition(int) override {}
    bool cancelRequested() override { return false; }
    void finish() override {}

    struct Mark {
        std::string caption;
        Clock::time_point at;
    };
    std::vector<Mark> marks;
};

}  // namespace qv::bench
