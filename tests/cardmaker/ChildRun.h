// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the maker in a forked child with what a plain QProcess can't give it: the identity of an
// unprivileged user (when the test runs as root), a file size limit that makes every write
// past it fail, or a real full disk: a small memory file system mounted over its data folder in
// a mount namespace of its own (where the system allows one). The child's output is collected
// through a pipe.
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "leads/Unprivileged.h"

namespace tavro::test {

struct ChildOptions {
    bool unprivileged = false;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    QString smallDisk = QString();  // a folder to mount a 64 KiB memory file system over
};

// The child's exit code where the system gives it no mount namespace for the small disk.
inline constexpr int kChildNoSmallDisk = 124;

inline bool WriteProcFile(const char* path, const std::string& text) {
    const int file = open(path, O_WRONLY | O_CLOEXEC);
    const bool written = file >= 0 && write(file, text.data(), text.size()) == ssize_t(text.size());
    if (file >= 0) {
        close(file);
    }
    return written;
}

// In the child: a mount namespace of its own (in a user namespace of its own where it is not
// root), with a full disk over the folder.
inline bool MountSmallDisk(const std::string& folder) {
    if (unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = getuid();
        const gid_t gid = getgid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
            !WriteProcFile("/proc/self/setgroups", "deny") ||
            !WriteProcFile("/proc/self/uid_map",
                           std::to_string(uid) + ' ' + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map",
                           std::to_string(gid) + ' ' + std::to_string(gid) + " 1")) {
            return false;
        }
    }
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tavro-test", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
}

struct ChildResult {
    int exitCode = -1;  // -1 when it did not end normally
    QString output;     // standard output and error together
};

inline std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// The environment the maker gets: its data folder, English texts and the sanitizers' settings.
inline std::vector<std::string> MakerEnvironment(const QString& dataHome) {
    std::vector<std::string> environment{"XDG_DATA_HOME=" + dataHome.toStdString(),
                                         "HOME=" + dataHome.toStdString(), "LANGUAGE=en",
                                         "LC_ALL=C.UTF-8", "PATH=/usr/bin:/bin"};
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
        if (const char* value = getenv(name)) {
            environment.push_back(std::string(name) + '=' + value);
        }
    }
    return environment;
}

// In the child: drops privileges, sets the limit, sends the output to the pipe and runs the tool.
[[noreturn]] inline void ExecMaker(const ChildOptions& options, int outputFd,
                                   std::vector<char*>& argv, std::vector<char*>& envp) {
    if (options.unprivileged && geteuid() == 0) {
        const Identity who = UnprivilegedIdentity();
        if (setgroups(0, nullptr) != 0 || setgid(who.Gid) != 0 || setuid(who.Uid) != 0) {
            _exit(kChildDropFailed);
        }
    }
    if (!options.smallDisk.isEmpty() && !MountSmallDisk(options.smallDisk.toStdString())) {
        _exit(kChildNoSmallDisk);
    }
    if (options.fileSizeLimit != RLIM_INFINITY) {
        const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
        // Ignored, a write past the limit fails with EFBIG instead of killing the process.
        signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            _exit(kChildDropFailed);
        }
    }
    dup2(outputFd, STDOUT_FILENO);
    dup2(outputFd, STDERR_FILENO);
    close(outputFd);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
}

inline ChildResult RunMakerChild(const QString& maker, const QStringList& args,
                                 const QString& dataHome, const ChildOptions& options) {
    std::vector<std::string> argTexts{maker.toStdString()};
    for (const QString& arg : args) {
        argTexts.push_back(arg.toStdString());
    }
    std::vector<std::string> envTexts = MakerEnvironment(dataHome);
    std::vector<char*> argv = Pointers(argTexts);
    std::vector<char*> envp = Pointers(envTexts);
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        ExecMaker(options, fds[1], argv, envp);
    }
    close(fds[1]);
    ChildResult result;
    QByteArray output;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, got);
    }
    close(fds[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.output = QString::fromUtf8(output);
    return result;
}

}  // namespace tavro::test
