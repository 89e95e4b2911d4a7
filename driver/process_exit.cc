#include "driver/process_exit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
ExitInterceptor exit_interceptor = nullptr;
ExitCleanup exit_cleanup = nullptr;  // run once by end_process, when set
}  // namespace

void end_process(int status) {
  // Taken off before it runs, so that an end inside it does not run it again.
  if (const ExitCleanup cleanup = std::exchange(exit_cleanup, nullptr)) cleanup();
  if (exit_interceptor != nullptr) {
    exit_interceptor(status);
    std::abort();
  }
  std::exit(status);
}

ExitInterceptor set_exit_interceptor(ExitInterceptor interceptor) {
  ExitInterceptor previous = exit_interceptor;
  exit_interceptor = interceptor;
  return previous;
}

ExitCleanup set_exit_cleanup(ExitCleanup cleanup) { return std::exchange(exit_cleanup, cleanup); }
