#include "LoadArena.h"

#include <cassert>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace qm {

namespace {
constexpr std::size_t kLargePage = std::size_t{2} << 20;

std::size_t pageSize() {
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

std::uintptr_t roundUp(std::uintptr_t v, std::size_t to) { return (v + to - 1) / to * to; }
std::uintptr_t roundDown(std::uintptr_t v, std::size_t to) { return v / to * to; }
}  // namespace

LoadArena::LoadArena(std::size_t capacity) {
    if (capacity == 0) return;
    // Map a large page more than asked and trim both ends, so the usable part
    // starts on a large-page boundary and the system can back it with them.
    const std::size_t want = roundUp(capacity, kLargePage);
    const std::size_t mapped = want + kLargePage;
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED) return;  // every take() falls back to the heap
    const auto raw = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t start = roundUp(raw, kLargePage);
    if (start > raw) ::munmap(p, start - raw);
    const std::uintptr_t end = start + want;
    if (raw + mapped > end) ::munmap(reinterpret_cast<void*>(end), raw + mapped - end);
    base_ = reinterpret_cast<char*>(start);
    size_ = want;
#ifdef MADV_HUGEPAGE
    ::madvise(base_, size_, MADV_HUGEPAGE);  // a hint: without it the arena still works
#endif
}

LoadArena::~LoadArena() { unmapAll(); }

void LoadArena::unmapAll() {
    if (base_) ::munmap(base_, size_);
    base_ = nullptr;
    size_ = used_ = 0;
}

void* LoadArena::take(std::size_t bytes, std::size_t align) {
    if (!open_ || !base_) return nullptr;
    const std::size_t at = roundUp(used_, align);
    if (at > size_ || bytes > size_ - at) return nullptr;
    used_ = at + bytes;
    live_ += bytes;
    return base_ + at;
}

void LoadArena::give(void* p, std::size_t bytes) {
    assert(owns(p) && bytes <= live_);
    live_ -= bytes;
    if (retired_) return;
    if (live_ == 0 && !open_) {
        unmapAll();
        return;
    }
    if (!open_) {
        // Room is never handed out twice: its whole pages can go now.
        const auto from = roundUp(reinterpret_cast<std::uintptr_t>(p), pageSize());
        const auto to = roundDown(reinterpret_cast<std::uintptr_t>(p) + bytes, pageSize());
        if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    }
}

void LoadArena::close() {
    open_ = false;
    if (!base_) return;
    if (live_ == 0) {
        unmapAll();
        return;
    }
    const std::size_t keep = roundUp(used_, pageSize());
    if (keep < size_) {
        ::munmap(base_ + keep, size_ - keep);
        size_ = keep;
    }
}

}  // namespace qm
