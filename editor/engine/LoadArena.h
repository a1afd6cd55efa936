#pragma once
// LoadArena: one anonymous mapping that holds the blocks a file load builds
// (their bytes and paragraph starts), asked for large pages, so loading a big
// file does not pay a page fault for every 4 KB it fills. It serves
// allocations only while the load runs (bump allocation, never reused); after
// close() every allocation goes to the heap. A block that outgrows its arena
// room moves to the heap and gives the room back; the room returns to the
// system a large page at a time, once nothing in that page is live (one call
// per 2 MB rather than per block, and no large page is broken up), and the
// whole mapping goes when nothing in it is live.
//
// Invariant: used_ <= size_; live_ <= used_; live_ == the sum of chunkLive_;
// base_ == nullptr iff nothing is mapped.

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

namespace qm {

class LoadArena {
public:
    explicit LoadArena(std::size_t capacity);  // capacity: a bound, mapped lazily by the system
    ~LoadArena();
    LoadArena(const LoadArena&) = delete;  // owns the mapping
    LoadArena& operator=(const LoadArena&) = delete;

    // Room for `bytes` aligned to `align`, or nullptr when closed, full or unmapped.
    void* take(std::size_t bytes, std::size_t align);
    bool owns(const void* p) const { return base_ && p >= base_ && p < base_ + size_; }
    void give(void* p, std::size_t bytes);
    // No more takes; the unused tail of the mapping is returned.
    void close();
    // The owner is about to free everything: skip returning pages one by one.
    void retire() { retired_ = true; }

    std::size_t used() const { return used_; }
    std::size_t live() const { return live_; }

private:
    void unmapAll();
    void count(const char* p, std::size_t bytes, bool add);  // per large-page chunk

    char* base_ = nullptr;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
    std::size_t live_ = 0;
    std::vector<std::size_t> chunkLive_;  // live bytes per large page of the mapping
    bool open_ = true;
    bool retired_ = false;
};

// Allocates from an arena while it serves, else from the heap; frees each
// pointer where it came from. A null arena is the plain heap. The allocator
// moves with its container, so blocks can be moved between vectors freely.
template <class T>
class ArenaAllocator {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;
    using is_always_equal = std::false_type;

    ArenaAllocator() noexcept = default;
    explicit ArenaAllocator(LoadArena* arena) noexcept : arena_(arena) {}
    template <class U>
    ArenaAllocator(const ArenaAllocator<U>& other) noexcept : arena_(other.arena()) {}

    T* allocate(std::size_t n) {
        if (arena_)
            if (void* p = arena_->take(n * sizeof(T), alignof(T))) return static_cast<T*>(p);
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (arena_ && arena_->owns(p)) arena_->give(p, n * sizeof(T));
        else std::allocator<T>().deallocate(p, n);
    }
    LoadArena* arena() const noexcept { return arena_; }

    template <class U>
    bool operator==(const ArenaAllocator<U>& other) const noexcept { return arena_ == other.arena(); }

private:
    LoadArena* arena_ = nullptr;
};

}  // namespace qm
