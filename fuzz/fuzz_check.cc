#include "fuzz/fuzz_check.h"

#include <sanitizer/common_interface_defs.h>

#include <cstdlib>

void fuzz_failure(const char* what) {
  __sanitizer_report_error_summary(what);
  std::abort();
}
