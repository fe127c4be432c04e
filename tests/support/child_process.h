#pragma once

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cuefold::testing {

// What RunInChild gives when the child did not hand back a result.
constexpr int ChildDied = -1000000;

// Runs `body` in a forked child, so that lowered limits and dropped
// privileges end with it, and returns the number it returned.
inline int RunInChild(const std::function<int()> &body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return ChildDied;
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        const int result = body();
        const bool sent = write(channel[1], &result, sizeof result) == ssize_t(sizeof result);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    int result = ChildDied;
    if (pid < 0 || read(channel[0], &result, sizeof result) != ssize_t(sizeof result))
        result = ChildDied;
    close(channel[0]);
    if (pid > 0)
        waitpid(pid, nullptr, 0);
    return result;
}

// In a child: the user "nobody" from here on, inside `folder`, which the
// test's own folders above it would not let that user reach. Relative paths
// then name files in it. False when the change failed.
inline bool BecomeNobodyIn(const char *folder)
{
    constexpr uid_t Nobody = 65534;
    return chdir(folder) == 0 && setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0;
}

// In a child: files may grow to `bytes` at most; a longer write fails with
// EFBIG as it would on a full disk, instead of killing the process.
inline void LimitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace cuefold::testing
