#pragma once
// Storage for the large per-cell arrays. Blocks of 2 MiB and more are backed by huge pages
// where the system offers them: far fewer page faults when a grid is set up, and fewer TLB
// misses in the sweeps.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// The hottest sweeps are compiled twice, for plain x86-64 and for AVX2 with FMA, and the loader
// picks the one the processor runs (the program itself stays plain x86-64).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define ZOLTER_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define ZOLTER_VECTOR_CLONES
#endif

namespace zolter {

template <typename T> struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kHuge = std::size_t(2) << 20;
    static constexpr std::size_t kLine = 64;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kHuge) return static_cast<T*>(::operator new(bytes));
        // Only the bytes asked for: rounding each array up to whole huge pages would have the
        // system clear up to half as much again on first touch. The huge pages lie inside.
        const std::size_t rounded = (bytes + kLine - 1) / kLine * kLine;
        void* p = std::aligned_alloc(kLine, rounded);
        if (!p) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        const std::uintptr_t first = (std::uintptr_t(p) + kHuge - 1) / kHuge * kHuge;
        const std::uintptr_t last = (std::uintptr_t(p) + rounded) / kHuge * kHuge;
        if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n * sizeof(T) < kHuge)
            ::operator delete(p);
        else
            std::free(p);
    }
    template <typename U> bool operator==(const HugePageAllocator<U>&) const noexcept {
        return true;
    }
};

template <typename T> using Array = std::vector<T, HugePageAllocator<T>>;

} // namespace zolter
