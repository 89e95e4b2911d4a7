#include "driver/exit_trap.h"

namespace {
[[noreturn]] void throw_process_exit(int status) { throw ProcessExit{status}; }
}  // namespace

ExitTrap::ExitTrap() : previous_(set_exit_interceptor(throw_process_exit)) {}

ExitTrap::~ExitTrap() { set_exit_interceptor(previous_); }
