#include "interrupt.h"

#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#if defined(SA_RESTART)
#include <unistd.h>
#endif

namespace lineer::cli {

namespace {

// On Windows the handler runs on a thread of its own; a lock-free atomic is
// safe both there and in a POSIX signal handler.
std::atomic<bool> holding{false};
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);
bool signalLines = false;  // read from the environment before any handler runs

// Writes a line for LINEER_SIGNAL_LINES; also from the signal handler,
// where only write() may be used.
template <std::size_t N>
void signalLine(const char (&line)[N]) {
    if (!signalLines) return;
#if defined(SA_RESTART)
    [[maybe_unused]] const auto written = ::write(2, line, N - 1);
#else
    std::fputs(line, stderr);
    std::fflush(stderr);
#endif
}

extern "C" void onInterrupt(int) {
    if (!holding.load()) std::_Exit(1);
    requested.store(true);
    // The next signal of either kind takes the default action.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    signalLine("lineer: stop requested\n");
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
    signalLines = std::getenv("LINEER_SIGNAL_LINES") != nullptr;
#if defined(SIGPIPE)
    std::signal(SIGPIPE, SIG_DFL);
#endif
    install(SIGINT);
    install(SIGTERM);
}

void holdOutput() { holding.store(true); }

void releaseOutput() {
    holding.store(false);
    // A stop asked for before now reset the handlers to the default action;
    // that ends the process by the signal, and with status 1 it should.
    if (requested.load()) std::_Exit(1);
    signalLine("lineer: output released\n");
}

bool stopRequested() { return requested.load(); }

}  // namespace lineer::cli
