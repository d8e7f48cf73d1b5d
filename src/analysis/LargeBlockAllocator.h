#pragma once

#include <cstddef>
#include <new>

namespace venkar {

// Memory for the large arrays of a calculation (element series, element
// matrices, the amplitudes of every harmonic).
//
// A block of 1 MB or more is mapped on its own, rounded up to whole 2 MB
// pages, and the kernel is asked to back it by huge pages (Linux), so that
// its first use costs one page fault per 2 MB instead of one per 4 KB; on a
// virtual machine each fault is dear. Smaller blocks, and every block on
// other systems, come from operator new.
void* allocateLargeBlock(std::size_t bytes);
void releaseLargeBlock(void* block, std::size_t bytes) noexcept;

template <class T> class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        releaseLargeBlock(block, count * sizeof(T));
    }

    template <class U> bool operator==(const LargeBlockAllocator<U>&) const noexcept {
        return true;
    }
};

} // namespace venkar
