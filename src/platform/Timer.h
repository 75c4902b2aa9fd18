#pragma once
// A periodic timer; the owner is called back on each tick on the window system's thread.

#include <functional>

namespace vardex {

class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void onTick(std::function<void()> callback) = 0;
};

} // namespace vardex
