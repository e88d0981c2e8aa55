#pragma once
// Ctrl+C (SIGINT) and SIGTERM on the command line. Until the first line of
// output is held, a signal ends the process at once with status 1: nothing
// would be lost. From then on the first signal only asks for a stop, which
// the command line honours after the current sweep or line, and a second
// signal ends the process at once (the default action).
//
// A closed standard output (`lineer ... | head -1`) ends the process by
// SIGPIPE, as it does any filter; an ignored SIGPIPE inherited from the
// parent is put back to the default.
//
// With LINEER_SIGNAL_LINES set in the environment, standard error gets a
// line at each moment a program that sends the signals has to wait for:
// "lineer: stop requested" once a first signal has been taken as a request
// to stop, and "lineer: output released" once a signal ends the process at
// once again.

namespace lineer::cli {

void installInterruptHandlers();

// From now on a first signal asks for a stop instead of ending the process.
void holdOutput();

// From now on a signal ends the process at once with status 1 again:
// everything that had to be written is out, and what is left (opening a
// pipe nobody reads) may wait for ever.
void releaseOutput();

// Whether a stop has been asked for.
bool stopRequested();

}  // namespace lineer::cli
