#include "driver/process_exit.h"

#include <cstdio>
#include <cstdlib>

namespace {
ExitInterceptor exit_interceptor = nullptr;
}

void end_process(int status) {
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
