#pragma once

namespace tarvo {

// What ends the program before it could tell the crew in a window is told on standard
// error instead, in one line "sng-tarvo: <what failed>: <reason>". Everything here
// writes with write(2) into fixed buffers, so that it is safe in a signal handler and
// after the heap is damaged.

// The start-up step the program has reached ("connecting to the display", "reading
// tarvo.ini", ...), named in the line when a signal, a fatal Qt message or an uncaught
// exception ends it. `step` must live for the whole run (a string literal).
void SetStartStep(const char* step);
const char* StartStep();

// Writes "sng-tarvo: <what>: <reason>" and a line break to standard error.
void ReportFatal(const char* what, const char* reason);

// Installs, once and before anything else runs: handlers for SIGABRT, SIGSEGV, SIGBUS
// and SIGFPE that name the signal and the step and then end the program by the same
// signal with its default action (core dump and exit status as without them); a
// terminate handler for uncaught exceptions; and a Qt message handler that names the
// step of a fatal Qt message and passes every message on to the handler before it, so
// Qt's own text still comes out.
void InstallFatalReporting();

}  // namespace tarvo
