#ifndef MIRELCHOP_FUZZ_EXIT_TRAP_H
#define MIRELCHOP_FUZZ_EXIT_TRAP_H

// Thrown in place of ending the process, so that a syntax error or any
// other fatal path is an ordinary outcome of one fuzz input.
struct ProcessEnded {
  int status;
};

// Makes end_process throw ProcessEnded from now on; for the whole fuzz run.
void trap_process_exits();

#endif
