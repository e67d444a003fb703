// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests that run several forked copies at once share: a gate that starts the children at
// the same instant, and counters the children and the test see alike.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <new>

namespace tavro::test {

// Starts children at the same instant: each waits in Wait until the test calls Release.
class Gate {
public:
    Gate() {
        if (::pipe(ends_) != 0) {
            ends_[0] = ends_[1] = -1;
        }
    }
    ~Gate() { Release(); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

    bool IsOpen() const { return ends_[0] >= 0; }
    // In a child: blocks until the test releases the gate.
    void Wait() {
        ::close(ends_[1]);
        char byte = 0;
        while (::read(ends_[0], &byte, 1) < 0 && errno == EINTR) {
        }
    }
    void Release() {
        for (int& end : ends_) {
            if (end >= 0) {
                ::close(end);
                end = -1;
            }
        }
    }

private:
    int ends_[2] = {-1, -1};
};

// Integers that forked children and the test see alike, all 0 at first.
class SharedCounters {
public:
    explicit SharedCounters(std::size_t count)
        : count_(count),
          memory_(::mmap(nullptr, count * sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                         MAP_SHARED | MAP_ANONYMOUS, -1, 0)) {
        for (std::size_t i = 0; i < count_; ++i) {
            new (static_cast<std::atomic<int>*>(memory_) + i) std::atomic<int>(0);
        }
    }
    ~SharedCounters() { ::munmap(memory_, count_ * sizeof(std::atomic<int>)); }
    SharedCounters(const SharedCounters&) = delete;
    SharedCounters& operator=(const SharedCounters&) = delete;

    std::atomic<int>& operator[](std::size_t index) {
        return static_cast<std::atomic<int>*>(memory_)[index];
    }

private:
    std::size_t count_;
    void* memory_;
};

}  // namespace tavro::test
