#ifndef MIRELCHOP_DRIVER_EXIT_TRAP_H
#define MIRELCHOP_DRIVER_EXIT_TRAP_H

#include "driver/process_exit.h"

// Thrown by an ExitTrap in place of ending the process, so that a test or a
// fuzz input can see a fatal path as an ordinary outcome.
struct ProcessExit {
  int status;
};

// Makes end_process throw ProcessExit for the lifetime of the guard, then
// puts back the interceptor it found. The tests' and the fuzzers' single
// way to survive an end of the process.
class ExitTrap {
 public:
  ExitTrap();
  ~ExitTrap();
  ExitTrap(const ExitTrap&) = delete;
  ExitTrap& operator=(const ExitTrap&) = delete;

 private:
  ExitInterceptor previous_;
};

#endif
