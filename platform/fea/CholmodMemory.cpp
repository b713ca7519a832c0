#include "CholmodMemory.h"

#include <SuiteSparse_config.h>
#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace qelt::fea {

namespace {

const std::size_t kHugePage = std::size_t(2) << 20;
const std::size_t kLargeBlock = std::size_t(4) << 20;

// Aligned to a huge page and advised as huge pages; freed by free() like any other block.
void* Allocate(std::size_t size) {
    if (size < kLargeBlock) return std::malloc(size);
    void* block = std::aligned_alloc(kHugePage, (size + kHugePage - 1) / kHugePage * kHugePage);
    if (block) madvise(block, size / kHugePage * kHugePage, MADV_HUGEPAGE);
    return block;
}

void* AllocateZeroed(std::size_t count, std::size_t size) {
    if (size != 0 && count > static_cast<std::size_t>(-1) / size) return nullptr;
    if (count * size < kLargeBlock) return std::calloc(count, size);
    void* block = Allocate(count * size);
    if (block) std::memset(block, 0, count * size);
    return block;
}

}  // namespace

void UseLargePagesForCholmod() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        SuiteSparse_config.malloc_func = &Allocate;
        SuiteSparse_config.calloc_func = &AllocateZeroed;
        SuiteSparse_config.realloc_func = &std::realloc;
        SuiteSparse_config.free_func = &std::free;
    });
}

}  // namespace qelt::fea
