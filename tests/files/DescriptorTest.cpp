// SPDX-License-Identifier: GPL-3.0-or-later
// The owned descriptor and the lock with a deadline: a descriptor closes once, with its last
// owner; a lock is got at once when free, refused no sooner than the deadline while another open
// file (or another process) holds it, got when the holder lets go in time, and a descriptor
// that can't be locked is refused at once with its reason, never taken for a time-out.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>
#include <type_traits>

#include "files/Descriptor.h"

using tavro::Descriptor;
using tavro::LockBefore;
using tavro::LockMode;
using Clock = std::chrono::steady_clock;

namespace {

static_assert(!std::is_copy_constructible_v<Descriptor> && !std::is_copy_assignable_v<Descriptor>);
static_assert(std::is_nothrow_move_constructible_v<Descriptor> &&
              std::is_nothrow_move_assignable_v<Descriptor>);

bool IsOpenFd(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

class DescriptorTest : public ::testing::Test {
protected:
    Descriptor Open(int flags = O_RDONLY) const {
        return Descriptor(::open(QFile::encodeName(path_).constData(), flags | O_CLOEXEC));
    }
    void SetUp() override {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir_;
    QString path_ = dir_.path() + QStringLiteral("/locked.dat");
};

TEST_F(DescriptorTest, ClosesOnceWithItsLastOwner) {
    Descriptor first = Open();
    const int fd = first.Get();
    ASSERT_TRUE(first.IsOpen());
    Descriptor second(std::move(first));
    EXPECT_FALSE(first.IsOpen());  // NOLINT(bugprone-use-after-move): moved-from is empty
    EXPECT_TRUE(IsOpenFd(fd));
    Descriptor third = Open();
    const int replaced = third.Get();
    third = std::move(second);  // the one it held is closed
    EXPECT_FALSE(IsOpenFd(replaced));
    EXPECT_EQ(third.Get(), fd);
    { const Descriptor last(std::move(third)); }
    EXPECT_FALSE(IsOpenFd(fd));
    Descriptor closing = Open();
    EXPECT_TRUE(closing.Close());
    EXPECT_FALSE(closing.IsOpen());
    EXPECT_TRUE(closing.Close()) << "nothing left to close";
}

TEST_F(DescriptorTest, LockIsGotOrRefusedByWhatTheHolderHolds) {
    struct Case {
        LockMode held;
        LockMode wanted;
        bool got;
    };
    for (const Case& c : {Case{LockMode::Shared, LockMode::Shared, true},
                          Case{LockMode::Shared, LockMode::Exclusive, false},
                          Case{LockMode::Exclusive, LockMode::Shared, false},
                          Case{LockMode::Exclusive, LockMode::Exclusive, false}}) {
        SCOPED_TRACE(static_cast<int>(c.held) * 10 + static_cast<int>(c.wanted));
        const Descriptor holder = Open();  // another open file description, as another copy's
        ASSERT_TRUE(LockBefore(holder.Get(), c.held, Clock::now()).Locked) << "got at once";
        const Descriptor asking = Open();
        const auto deadline = Clock::now() + std::chrono::milliseconds(50);
        const tavro::LockResult result = LockBefore(asking.Get(), c.wanted, deadline);
        EXPECT_EQ(result.Locked, c.got);
        EXPECT_EQ(result.TimedOut(), !c.got);
        if (!c.got) {
            EXPECT_GE(Clock::now(), deadline) << "refused before the deadline";
        }
    }
    // The holder's lock ended with its descriptor.
    EXPECT_TRUE(LockBefore(Open().Get(), LockMode::Exclusive, Clock::now()).Locked);
}

TEST_F(DescriptorTest, LockIsGotWhenAnotherProcessLetsGoInTime) {
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const Descriptor holder = Open();
        char byte = ::flock(holder.Get(), LOCK_EX) == 0 ? 'L' : 'F';
        (void)!::write(fromChild[1], &byte, 1);
        (void)!::read(toChild[0], &byte, 1);  // until told to let go
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(fromChild[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'L');
    const Descriptor asking = Open();
    EXPECT_TRUE(LockBefore(asking.Get(), LockMode::Exclusive, Clock::now()).TimedOut());
    std::thread letGo([&] { (void)!::write(toChild[1], "x", 1); });
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    EXPECT_TRUE(LockBefore(asking.Get(), LockMode::Exclusive, deadline).Locked);
    EXPECT_LT(Clock::now(), deadline);
    letGo.join();
    int status = 0;
    ::waitpid(child, &status, 0);
    for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) {
        ::close(fd);
    }
}

TEST_F(DescriptorTest, WhatCannotBeLockedIsRefusedAtOnceWithItsReason) {
    const Descriptor pathOnly = Open(O_PATH);  // names the file, but takes no lock
    ASSERT_TRUE(pathOnly.IsOpen());
    for (const int fd : {-1, pathOnly.Get()}) {
        const tavro::LockResult result =
            LockBefore(fd, LockMode::Exclusive, Clock::now() + std::chrono::seconds(60));
        EXPECT_FALSE(result.Locked);
        EXPECT_EQ(result.Error, EBADF);
        EXPECT_FALSE(result.TimedOut());
    }
}

}  // namespace
