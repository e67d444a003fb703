// SPDX-License-Identifier: GPL-3.0-or-later
// Creating the Leads file must not change the umask of the whole process: a file that another
// thread created meanwhile would get the wrong mode. This test's own umask() stands in for the C
// library's (the program's calls resolve to it), counts the calls and passes them on.
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>

#include "leads/LeadsTestSupport.h"

namespace {
std::atomic<int> umaskCalls{0};
}  // namespace

extern "C" mode_t umask(mode_t mask) noexcept {
    ++umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace tavro::test {
namespace {

using LeadsUmask = LeadsFileTest;

TEST_F(LeadsUmask, NewFileGetsItsModeWithoutTouchingTheProcessUmask) {
    const mode_t previous = umask(027);
    umaskCalls = 0;
    LoadedLeads();
    EXPECT_EQ(umaskCalls, 0);
    umask(previous);
    struct stat status {};
    ASSERT_EQ(::stat(kLeadsFileName, &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace tavro::test
