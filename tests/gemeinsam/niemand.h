#pragma once

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `tun` in a child process as the user "nobody" where the test runs as
// root, since root passes every permission check, and returns what `tun`
// returned (0 to 255); 99 where the user could not be switched, -1 where the
// child did not end by itself.
inline int alsNiemandAusfuehren(const std::function<int()>& tun) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::getuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(99);
        }
        ::_exit(tun());
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
