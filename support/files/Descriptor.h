// SPDX-License-Identifier: GPL-3.0-or-later
// An owned POSIX file descriptor, closed with its owner, and the one way the program waits for
// an advisory lock (flock) on one: never longer than a deadline the caller gives, so that a
// holder that never lets go (a copy stuck, another program) costs a reported failure, never a
// hung program.
#pragma once

#include <chrono>

namespace tavro {

// A file descriptor that is closed when it goes out of scope (and with it any flock it holds,
// when it is the file's only descriptor). Move-only.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now; false (errno set) when the close reports an error. True when nothing is open.
    bool Close();

private:
    int fd_;
};

enum class LockMode { Shared, Exclusive };

struct LockResult {
    bool Locked = false;
    // When not locked: EWOULDBLOCK once the deadline passed with another holder keeping the
    // lock, otherwise flock's errno (ENOLCK on a file system without locks, EBADF, ...).
    int Error = 0;
    bool TimedOut() const;
};

// Takes the flock on fd, waiting until the deadline at most: tries without blocking, then again
// after pauses that grow from one to twenty milliseconds. A deadline already past still gets
// one try. An interrupted try is repeated.
LockResult LockBefore(int fd, LockMode mode, std::chrono::steady_clock::time_point deadline);

}  // namespace tavro
