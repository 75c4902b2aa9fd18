#pragma once
// A small pool of worker threads for the sweeps over large grids. Waiting threads spin only
// briefly and then sleep, so a busy machine does not turn every barrier into a lost time slice.

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace zolter {

class Workers {
  public:
    static constexpr int kMaxThreads = 16;

    // The shared pool: one thread per core (ZOLTER_THREADS overrides), at most kMaxThreads.
    static Workers& shared();

    explicit Workers(int threads);
    ~Workers();
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    int threads() const { return int(pool_.size()) + 1; }
    // How many of the threads forRange uses (1 .. threads()); the rest stay asleep.
    int active() const { return active_.load(); }
    void setActive(int n);

    // Calls fn(begin, end, part) on consecutive slices of [0, n), one per thread, and returns
    // when all are done; part is 0 .. threads() - 1. With parallel false, one call on the caller.
    void forRange(int n, bool parallel, const std::function<void(int, int, int)>& fn);

  private:
    void work(int part);

    std::vector<std::thread> pool_;
    std::atomic<std::uint32_t> generation_{0};
    std::atomic<int> pending_{0};
    std::atomic<bool> stop_{false};
    std::atomic<int> active_{1};
    const std::function<void(int, int, int)>* job_ = nullptr;
    int n_ = 0;
    int parts_ = 1;
};

} // namespace zolter
