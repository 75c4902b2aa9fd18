#pragma once
// A timer its owner ticks: for a program without an event loop (the loop sleeps the interval and
// calls tick) and for tests.

#include <functional>

#include "platform/Timer.h"

namespace vardex {

class ManualTimer : public Timer {
  public:
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }
    void onTick(std::function<void()> callback) override { callback_ = std::move(callback); }
    // Fires one tick when enabled.
    void tick() {
        if (enabled_ && callback_) callback_();
    }

  private:
    int interval_ = 0;
    bool enabled_ = false;
    std::function<void()> callback_;
};

} // namespace vardex
