#pragma once
// An exclusive, non-blocking lock on a journal file (flock on a descriptor of
// its own), held by the document that writes it or by the recovery that
// reads it. Another process that cannot take it leaves the journal alone;
// the lock goes with the process, so a killed program's journals are free.

#include <string>

namespace recovery {

class JournalLock {
public:
    JournalLock() = default;
    ~JournalLock() { release(); }
    JournalLock(JournalLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    JournalLock& operator=(JournalLock&& other) noexcept;
    JournalLock(const JournalLock&) = delete;  // owns the descriptor
    JournalLock& operator=(const JournalLock&) = delete;

    // False when the file is missing or someone else holds it.
    bool acquire(const std::string& file);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace recovery
