#include "Parallel.h"

#include <algorithm>
#include <cstdlib>

namespace zolter {

namespace {

constexpr int kSpins = 4000;

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

Workers& Workers::shared() {
    static Workers pool([] {
        int n = int(std::thread::hardware_concurrency());
        if (const char* env = std::getenv("ZOLTER_THREADS")) n = std::atoi(env);
        return std::clamp(n, 1, kMaxThreads);
    }());
    return pool;
}

Workers::Workers(int threads) {
    for (int t = 1; t < threads; ++t) pool_.emplace_back([this, t] { work(t); });
    active_.store(this->threads());
}

void Workers::setActive(int n) {
    active_.store(std::clamp(n, 1, threads()));
}

Workers::~Workers() {
    stop_.store(true);
    generation_.fetch_add(1);
    generation_.notify_all();
    for (std::thread& t : pool_) t.join();
}

void Workers::work(int part) {
    std::uint32_t seen = 0;
    for (;;) {
        int spins = 0;
        std::uint32_t g;
        while ((g = generation_.load(std::memory_order_acquire)) == seen) {
            if (++spins < kSpins)
                relax();
            else
                generation_.wait(seen);
        }
        seen = g;
        if (stop_.load()) return;
        const int parts = parts_;
        if (part < parts) {
            const int begin = int(long(n_) * part / parts);
            const int end = int(long(n_) * (part + 1) / parts);
            if (begin < end) (*job_)(begin, end, part);
        }
        if (pending_.fetch_sub(1, std::memory_order_acq_rel) == 1) pending_.notify_one();
    }
}

void Workers::forRange(int n, bool parallel, const std::function<void(int, int, int)>& fn) {
    const int parts = active_.load();
    if (!parallel || parts < 2 || n < 2) {
        if (n > 0) fn(0, n, 0);
        return;
    }
    job_ = &fn;
    n_ = n;
    parts_ = parts;
    pending_.store(int(pool_.size()), std::memory_order_relaxed);
    generation_.fetch_add(1, std::memory_order_acq_rel);
    generation_.notify_all();
    const int end = int(long(n) / parts);
    if (end > 0) fn(0, end, 0);
    int spins = 0;
    for (int left; (left = pending_.load(std::memory_order_acquire)) != 0;) {
        if (++spins < kSpins)
            relax();
        else
            pending_.wait(left);
    }
}

} // namespace zolter
