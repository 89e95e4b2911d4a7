#ifndef MIRELCHOP_FUZZ_FUZZ_CHECK_H
#define MIRELCHOP_FUZZ_FUZZ_CHECK_H

// Reports `what` through the sanitizer's report channel (the one libFuzzer
// keeps open when it silences the target's output) and aborts, which
// libFuzzer records as a crash with the input that caused it.
[[noreturn]] void fuzz_failure(const char* what);

// fuzz_failure(what) unless `condition` holds.
inline void fuzz_check(bool condition, const char* what) {
  if (!condition) fuzz_failure(what);
}

#endif
