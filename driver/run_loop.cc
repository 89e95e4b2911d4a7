#include "driver/run_loop.h"

#include <sys/stat.h>

#include <cstdio>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "analysis/scanner.h"
#include "chop/chopper.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

namespace {

// Opens `path` for reading; null when it cannot be opened or is a directory,
// which the C library would otherwise open.
FILE* open_source(const char* path) {
  FILE* stream = std::fopen(path, "r");
  if (stream == nullptr) return nullptr;
  struct stat status;
  if (fstat(fileno(stream), &status) != 0 || S_ISDIR(status.st_mode)) {
    std::fclose(stream);
    return nullptr;
  }
  return stream;
}

}  // namespace

int run_sources(const std::vector<const char*>& sources) {
  long long run_total = 0;
  for (const char* source : sources) {
    current_source_name = source;
    FILE* stream = open_source(source);
    if (stream == nullptr) {
      print_message(stderr, translate("Error", "Error : can't open file \"%1\"\n", "%1 is a afile name")
                                .arg(local_text(source)));
      return 7;
    }
    scanner_input = stream;
    name_stack_reset();
    scanner_reset();
    parse_compilation();
    std::fclose(stream);
    run_total += chop_file(source, units_first());
    units_free_all();
  }
  if (!list_only)
    print_message(stdout, translate("Message", "Chopped %1 files.\n", "%1 is a number").arg(run_total));
  if (studio_log != nullptr) std::fclose(studio_log);
  return 0;
}
