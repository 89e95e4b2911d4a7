#include "tests/reduction_trace.h"

#include <cstdarg>
#include <cstring>

std::vector<long>& reduction_counts() {
  static std::vector<long> counts;
  return counts;
}

int reduction_trace_print(FILE*, const char* format, ...) {
  // The trace announces every reduction with this line, the production's number first.
  static const char reducing[] = "Reducing stack by rule %d";
  if (std::strncmp(format, reducing, sizeof reducing - 1) != 0) return 0;
  va_list args;
  va_start(args, format);
  const int production = va_arg(args, int);
  va_end(args);
  std::vector<long>& counts = reduction_counts();
  if (production >= static_cast<int>(counts.size())) counts.resize(production + 1);
  ++counts[production];
  return 0;
}
