#include "LargePages.h"

#include <SuiteSparse_config.h>
#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace qelt::fea {

namespace {

const std::size_t kHugePage = std::size_t(2) << 20;
const std::size_t kLargeBlock = std::size_t(4) << 20;

// The large blocks, mapped apart and unmapped when freed, so that each one is aligned to a huge
// page and none is left behind in the heap.
struct LargeBlocks {
    std::mutex mutex;
    std::unordered_map<void*, std::size_t> sizes;
};

LargeBlocks& Blocks() {
    static LargeBlocks* blocks = new LargeBlocks;  // blocks may be freed during the program's exit
    return *blocks;
}

void* MapLarge(std::size_t size) {
    const std::size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* mapped = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    // The aligned part, the rest given back.
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    if (const std::size_t tail = start + kHugePage - aligned) munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* block = reinterpret_cast<void*>(aligned);
    madvise(block, length, MADV_HUGEPAGE);
    LargeBlocks& blocks = Blocks();
    std::lock_guard<std::mutex> lock(blocks.mutex);
    blocks.sizes[block] = length;
    return block;
}

// The length of a large block, 0 for one of the heap.
std::size_t LargeLength(void* block) {
    LargeBlocks& blocks = Blocks();
    std::lock_guard<std::mutex> lock(blocks.mutex);
    const auto found = blocks.sizes.find(block);
    return found == blocks.sizes.end() ? 0 : found->second;
}

void Free(void* block) {
    if (!block) return;
    LargeBlocks& blocks = Blocks();
    std::unique_lock<std::mutex> lock(blocks.mutex);
    const auto found = blocks.sizes.find(block);
    if (found == blocks.sizes.end()) {
        lock.unlock();
        std::free(block);
        return;
    }
    const std::size_t length = found->second;
    blocks.sizes.erase(found);
    lock.unlock();
    munmap(block, length);
}

void* Allocate(std::size_t size) { return size < kLargeBlock ? std::malloc(size) : MapLarge(size); }

// A fresh mapping reads as zeros already.
void* AllocateZeroed(std::size_t count, std::size_t size) {
    if (size != 0 && count > static_cast<std::size_t>(-1) / size) return nullptr;
    return count * size < kLargeBlock ? std::calloc(count, size) : MapLarge(count * size);
}

void* Reallocate(void* block, std::size_t size) {
    const std::size_t length = block ? LargeLength(block) : 0;
    if (length == 0 && size < kLargeBlock) return std::realloc(block, size);
    if (length >= size) return block;
    void* moved = Allocate(size);
    if (moved && block) {
        std::memcpy(moved, block, length ? length : std::min(size, malloc_usable_size(block)));
        Free(block);
    }
    return moved;
}

}  // namespace

void AdviseLargePages(void* block, std::size_t bytes) {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::uintptr_t last = (start + bytes) / kHugePage * kHugePage;
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

void UseLargePagesForCholmod() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        SuiteSparse_config.malloc_func = &Allocate;
        SuiteSparse_config.calloc_func = &AllocateZeroed;
        SuiteSparse_config.realloc_func = &Reallocate;
        SuiteSparse_config.free_func = &Free;
    });
}

}  // namespace qelt::fea
