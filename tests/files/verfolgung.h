#pragma once

// Runs a piece of work in a child process traced from its first system call,
// to kill it before any one of them or make any one of them fail. The disk
// changes only inside system calls, so doing this before each of them in
// turn reaches every state a crash or a failing disk can leave.

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <grp.h>
#include <set>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

enum class eingriff { keiner, toeten, scheitern };

struct verlauf {
    bool erreicht = false;       // the call was reached
    int ergebnis = -1;           // the child's exit status, -1 when killed
    std::vector<long> aufrufe{}; // the numbers of the counted calls, in order
    long betroffen = -1;         // the number of the call killed or failed
};

// The system calls through which a file operation reaches the disk or its
// metadata; only these are counted.
inline const std::set<long> dateiaufrufe{
    SYS_open,       SYS_openat,    SYS_read,     SYS_write,      SYS_fsync,  SYS_fdatasync,
    SYS_close,      SYS_rename,    SYS_renameat, SYS_renameat2,  SYS_linkat, SYS_unlink,
    SYS_unlinkat,   SYS_fchmod,    SYS_fchown,   SYS_ftruncate,  SYS_lseek,  SYS_fsetxattr,
    SYS_flistxattr, SYS_fgetxattr, SYS_readlink, SYS_readlinkat, SYS_access, SYS_faccessat,
    SYS_faccessat2, SYS_umask};

// `arbeit` returns the child's exit status. `vorbereiten` runs in the child
// before tracing starts (to drop privileges, say) and returns false when it
// fails. At the entry of counted call number `schritt` the child is killed,
// or the call is skipped and reports `fehler`.
inline verlauf verfolgen(const std::function<int()>& arbeit, eingriff art, int schritt,
                         int fehler = EIO, const std::function<bool()>& vorbereiten = {}) {
    verlauf v;
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (vorbereiten && !vorbereiten()) {
            ::_exit(99);
        }
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        ::_exit(arbeit());
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    if (WIFEXITED(status)) {
        ADD_FAILURE() << "the child could not prepare: " << WEXITSTATUS(status);
        return v;
    }
    if (::ptrace(PTRACE_SETOPTIONS, kind, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) !=
        0) {
        ADD_FAILURE() << "tracing the child is not permitted here";
        ::kill(kind, SIGKILL);
        ::waitpid(kind, &status, 0);
        return v;
    }
    int signal = 0;
    bool fehlschlagOffen = false;
    for (int gezaehlt = 0;;) {
        ::ptrace(PTRACE_SYSCALL, kind, nullptr, signal);
        ::waitpid(kind, &status, 0);
        if (WIFEXITED(status)) {
            v.ergebnis = WEXITSTATUS(status);
            return v;
        }
        if (WIFSIGNALED(status)) {
            return v;
        }
        signal = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);
        if (signal != 0) {
            continue;
        }
        user_regs_struct r{};
        ::ptrace(PTRACE_GETREGS, kind, nullptr, &r);
        // At a call's entry the kernel has put -ENOSYS into rax.
        const bool eintritt = static_cast<long>(r.rax) == -ENOSYS && !fehlschlagOffen;
        if (!eintritt) {
            if (fehlschlagOffen) {
                r.rax = static_cast<unsigned long long>(-fehler);
                ::ptrace(PTRACE_SETREGS, kind, nullptr, &r);
                fehlschlagOffen = false;
            }
            continue;
        }
        const auto nummer = static_cast<long>(r.orig_rax);
        if (!dateiaufrufe.contains(nummer)) {
            continue;
        }
        v.aufrufe.push_back(nummer);
        if (gezaehlt++ != schritt || art == eingriff::keiner) {
            continue;
        }
        v.erreicht = true;
        v.betroffen = nummer;
        if (art == eingriff::toeten) {
            ::kill(kind, SIGKILL);
            ::waitpid(kind, &status, 0);
            return v;
        }
        r.orig_rax = static_cast<unsigned long long>(-1);
        ::ptrace(PTRACE_SETREGS, kind, nullptr, &r);
        fehlschlagOffen = true;
    }
}

// Drops to the unprivileged user "nobody" (and its group only), so that
// the folder's and the file's permission bits apply.
inline bool alsNiemand() {
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}
