// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a piece of a test in a forked child that cannot bypass file permission bits: when the
// test runs as root (as CI does), the child first drops to the user "nobody". The child reports
// through its exit code, so the body returns 0 for success and a distinct number per failure.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <functional>

namespace tavro::test {

struct Identity {
    uid_t Uid;
    gid_t Gid;
};

// Who the child runs as: "nobody" for root, otherwise the current user unchanged.
inline Identity UnprivilegedIdentity() {
    if (geteuid() != 0) {
        return {geteuid(), getegid()};
    }
    const passwd* nobody = getpwnam("nobody");
    return nobody ? Identity{nobody->pw_uid, nobody->pw_gid} : Identity{65534, 65534};
}

// Makes path belong to the unprivileged identity (a no-op unless root) and sets its mode.
inline bool GiveTo(const QString& path, mode_t mode, bool toUnprivileged) {
    const QByteArray native = path.toLocal8Bit();
    if (geteuid() == 0) {
        const Identity owner = toUnprivileged ? UnprivilegedIdentity() : Identity{0, 0};
        if (chown(native.constData(), owner.Uid, owner.Gid) != 0) {
            return false;
        }
    }
    return chmod(native.constData(), mode) == 0;
}

inline constexpr int kChildDropFailed = 125;
inline constexpr int kChildCrashed = -1;

// Starts body in a child process as the identity `who` (when run as root; otherwise as the
// current user) and returns its process id. The child leaves with _exit and body's result as its
// exit code, running no handlers.
inline pid_t StartAs(const Identity& who, const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(who.Gid) != 0 || setuid(who.Uid) != 0 ||
                geteuid() == 0) {
                _exit(kChildDropFailed);
            }
        }
        int code = kChildDropFailed;
        try {
            code = body();
        } catch (...) {
            code = 124;
        }
        _exit(code);
    }
    return child;
}

// Starts body in a child process as the unprivileged identity and returns its process id.
inline pid_t StartUnprivileged(const std::function<int()>& body) {
    return StartAs(UnprivilegedIdentity(), body);
}

// Runs body in a child process as `who` and returns its exit code (kChildCrashed when it died
// from a signal, as when an alarm set in body ends a hang).
inline int RunAs(const Identity& who, const std::function<int()>& body) {
    const pid_t child = StartAs(who, body);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return kChildCrashed;
    }
    return WEXITSTATUS(status);
}

// Runs body in a child process as the unprivileged identity and returns its exit code.
inline int RunUnprivileged(const std::function<int()>& body) {
    return RunAs(UnprivilegedIdentity(), body);
}

}  // namespace tavro::test
