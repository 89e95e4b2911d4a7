#ifndef MIRELCHOP_DRIVER_PROCESS_EXIT_H
#define MIRELCHOP_DRIVER_PROCESS_EXIT_H

// Ends the process with `status` after flushing and closing the standard
// streams. Every way out of the program other than returning from main
// goes through here, so that tests and fuzzers can intercept it.
[[noreturn]] void end_process(int status);

// Called by end_process instead of exiting, when set. It must not return
// (it throws or jumps); if it does, the process aborts.
using ExitInterceptor = void (*)(int status);

// Installs `interceptor` (or removes it with nullptr); returns the previous one.
ExitInterceptor set_exit_interceptor(ExitInterceptor interceptor);

#endif
