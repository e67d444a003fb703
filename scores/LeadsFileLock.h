// SPDX-License-Identifier: GPL-3.0-or-later
// The advisory lock that running copies of the program take on "leads.dat" around every
// reload-insert-write, every Clear and every load that may repair a damaged file, so that no
// copy builds on a table that another is about to replace, and none takes a table that another
// is writing for a damaged one. The lock is waited for up to a time limit; a holder that never
// lets go costs a reported error, never a hung game.
#pragma once

#include <QString>
#include <chrono>
#include <utility>

#include "files/Descriptor.h"
#include "scores/LeadsFile.h"

namespace tavro {

class LeadsFileLock {
public:
    using Clock = std::chrono::steady_clock;

    // Locks the file that "leads.dat" names now, waiting until the deadline at most. Throws
    // LeadsFileLocked when another holder keeps it past the deadline. Holds nothing when there
    // is no file (see FileMissing), or when the file can't be opened or locked at all: the
    // operation that follows then meets and reports the same trouble, or runs unlocked on a
    // file system without locks, as the program did before it had this lock.
    static LeadsFileLock Acquire(Clock::time_point deadline);
    // The deadline of an operation that starts now and waits for the lock up to the limit.
    static Clock::time_point Deadline(std::chrono::milliseconds limit = kLeadsLockTimeLimit);

    // "leads.dat" named nothing when the lock was asked for.
    bool FileMissing() const { return missing_; }

private:
    LeadsFileLock(Descriptor file, bool missing) : file_(std::move(file)), missing_(missing) {}

    Descriptor file_;  // the locked file (closing it ends the lock); not open when none is held
    bool missing_ = false;
};

// The reason a time-out reports, after "leads.dat: ".
QString LeadsLockTimeoutText();
// Throws LeadsFileLocked with "leads.dat: " and that reason.
[[noreturn]] void ThrowLeadsLockTimeout();

}  // namespace tavro
