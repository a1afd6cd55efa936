#include "LoadArena.h"

#include <algorithm>
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
    chunkLive_.assign(want / kLargePage, 0);
#ifdef MADV_HUGEPAGE
    ::madvise(base_, size_, MADV_HUGEPAGE);  // a hint: without it the arena still works
#endif
}

LoadArena::~LoadArena() { unmapAll(); }

void LoadArena::unmapAll() {
    if (base_) ::munmap(base_, size_);
    base_ = nullptr;
    size_ = used_ = 0;
    chunkLive_.clear();
}

void LoadArena::count(const char* p, std::size_t bytes, bool add) {
    std::size_t off = static_cast<std::size_t>(p - base_);
    while (bytes > 0) {
        const std::size_t chunk = off / kLargePage;
        const std::size_t part = std::min(bytes, (chunk + 1) * kLargePage - off);
        if (add) {
            chunkLive_[chunk] += part;
        } else {
            chunkLive_[chunk] -= part;
            // Room is never handed out twice: a chunk with nothing live can go.
            if (chunkLive_[chunk] == 0 && !open_ && !retired_) {
                const std::size_t from = chunk * kLargePage;
                ::madvise(base_ + from, std::min(kLargePage, size_ - from), MADV_DONTNEED);
            }
        }
        off += part;
        bytes -= part;
    }
}

void* LoadArena::take(std::size_t bytes, std::size_t align) {
    if (!open_ || !base_) return nullptr;
    const std::size_t at = roundUp(used_, align);
    if (at > size_ || bytes > size_ - at) return nullptr;
    used_ = at + bytes;
    live_ += bytes;
    count(base_ + at, bytes, true);
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
    count(static_cast<const char*>(p), bytes, false);
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
