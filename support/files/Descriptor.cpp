// SPDX-License-Identifier: GPL-3.0-or-later
// The owned descriptor and the lock with a deadline; see Descriptor.h. The lock is flock's: a
// port to a system without it replaces this file (LockFileEx would be the counterpart).
#include "files/Descriptor.h"

#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

namespace tavro {

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Descriptor::Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        Descriptor old(std::exchange(fd_, std::exchange(other.fd_, -1)));
    }
    return *this;
}

bool Descriptor::Close() {
    if (fd_ < 0) {
        return true;
    }
    return ::close(std::exchange(fd_, -1)) == 0;
}

bool LockResult::TimedOut() const {
    return !Locked && Error == EWOULDBLOCK;
}

LockResult LockBefore(int fd, LockMode mode, std::chrono::steady_clock::time_point deadline) {
    using Clock = std::chrono::steady_clock;
    const int operation = (mode == LockMode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, operation) == 0) {
            return {true, 0};
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return {false, errno};
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return {false, EWOULDBLOCK};
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

}  // namespace tavro
