#include "interrupt.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace lineer::cli {

namespace {

// On Windows the handler runs on a thread of its own; a lock-free atomic is
// safe both there and in a POSIX signal handler.
std::atomic<bool> holding{false};
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    if (!holding.load()) std::_Exit(1);
    requested.store(true);
    // The next signal of either kind takes the default action.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

void install(int sig) {
#if defined(SA_RESTART)
    // A signal the parent ignores (a job started in the background) stays
    // ignored.
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) return;
    // Restarted system calls: an interrupted write of the output is not a
    // failed one.
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
#else
    if (std::signal(sig, onInterrupt) == SIG_IGN) std::signal(sig, SIG_IGN);
#endif
}

}  // namespace

void installInterruptHandlers() {
#if defined(SIGPIPE)
    std::signal(SIGPIPE, SIG_DFL);
#endif
    install(SIGINT);
    install(SIGTERM);
}

void holdOutput() { holding.store(true); }

bool stopRequested() { return requested.load(); }

}  // namespace lineer::cli
