#include "fuzz/exit_trap.h"

#include "driver/process_exit.h"

namespace {
[[noreturn]] void throw_process_ended(int status) { throw ProcessEnded{status}; }
}  // namespace

void trap_process_exits() { set_exit_interceptor(throw_process_ended); }
