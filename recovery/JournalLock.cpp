#include "JournalLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace recovery {

JournalLock& JournalLock::operator=(JournalLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool JournalLock::acquire(const std::string& file) {
    release();
    // Opened only to lock: nothing is read through this descriptor.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void JournalLock::release() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the lock
    fd_ = -1;
}

}  // namespace recovery
