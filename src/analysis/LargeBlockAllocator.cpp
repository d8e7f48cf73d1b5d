#include "analysis/LargeBlockAllocator.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace venkar {

namespace {

constexpr std::size_t largeBlock = std::size_t{1} << 20;
constexpr std::size_t hugePage = std::size_t{2} << 20;

std::size_t mappedSize(std::size_t bytes) {
    return (bytes + hugePage - 1) / hugePage * hugePage;
}

} // namespace

#if defined(__linux__)

void* allocateLargeBlock(std::size_t bytes) {
    if (bytes < largeBlock)
        return ::operator new(bytes);
    const std::size_t size = mappedSize(bytes);
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    // Only a hint: without transparent huge pages the block stays in small
    // pages.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void releaseLargeBlock(void* block, std::size_t bytes) noexcept {
    if (bytes < largeBlock)
        ::operator delete(block);
    else
        munmap(block, mappedSize(bytes));
}

#else

void* allocateLargeBlock(std::size_t bytes) {
    return ::operator new(bytes);
}

void releaseLargeBlock(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

#endif

} // namespace venkar
