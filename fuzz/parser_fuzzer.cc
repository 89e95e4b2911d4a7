// Fuzz target: scanner and parser on arbitrary bytes, as the run loop
// drives them, read as Ada 95 and as a later revision. A syntax error is an
// ordinary outcome; an accepted source must leave a consistent unit list.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "analysis/ac_tree.h"
#include "driver/exit_trap.h"
#include "driver/run_settings.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/parse_source.h"
#include "fuzz/unit_list_check.h"

namespace {

// The source name the units record and the messages print.
constexpr char source_name[] = "fuzz.ada";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every end of the process is an outcome of its input, for the whole run.
  static const ExitTrap whole_run;
  current_source_name = source_name;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  for (const AdaRevision revision : {ADA_95, later_revision(size)}) {
    FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "r");
    fuzz_check(stream != nullptr, "fmemopen");
    const bool accepted = parse_source(stream, revision);
    std::fclose(stream);
    if (!accepted) continue;
    fuzz_check(name_stack_top() == nullptr, "name stack not empty after an accepted source");
    check_unit_list(std::string_view(reinterpret_cast<const char*>(data), size), source_name, revision);
    units_free_all();
  }
  return 0;
}
