// Running part of a test as another local user. Root ignores file permissions, so a test of what
// another user can or cannot do forks a child that becomes "nobody" (uid and gid 65534); where
// the test does not run as root it cannot switch users and is skipped.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

namespace sheetwise::testing {

inline constexpr uid_t kNobody = 65534;

// The child's exit status (what fn returned, 0..255), or nothing when this process cannot
// become another user.
template <class Fn>
std::optional<int> AsOtherUser(Fn&& fn) {
    if (geteuid() != 0)
        return std::nullopt;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(125);
        _exit(fn() & 0xFF);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The exit status of fn run in a child process of the same user, for what must end a process
// (a simulated crash).
template <class Fn>
int InChild(Fn&& fn) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(fn() & 0xFF);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace sheetwise::testing

#define SKIP_UNLESS_ROOT()                                                             \
    do {                                                                               \
        if (geteuid() != 0)                                                            \
            GTEST_SKIP() << "runs part of the test as another user, which needs root " \
                            "(setuid); run the tests as root to cover it";             \
    } while (false)
