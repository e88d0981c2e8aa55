#include "interrupt.h"

#include <csignal>
#include <cstdlib>

namespace lineer::cli {

namespace {

volatile std::sig_atomic_t holding = 0;
volatile std::sig_atomic_t requested = 0;

extern "C" void onInterrupt(int) {
    if (!holding) std::_Exit(1);
    requested = 1;
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

void holdOutput() { holding = 1; }

void releaseOutput() {
    holding = 0;
    // A stop asked for before now reset the handlers to the default action;
    // that ends the process by the signal, and with status 1 it should.
    if (requested) std::_Exit(1);
}

bool stopRequested() { return requested != 0; }

}  // namespace lineer::cli
