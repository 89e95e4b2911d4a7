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

// Work that must be done however the process ends, such as removing a
// temporary file. end_process takes it off and runs it once, before it
// exits or calls the interceptor.
using ExitCleanup = void (*)();

// Installs `cleanup` (or removes it with nullptr); returns the previous one.
ExitCleanup set_exit_cleanup(ExitCleanup cleanup);

#endif
