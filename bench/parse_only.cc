// The scan and parse of one source as the program does them, and nothing
// else: no start-up, no copy, no unit file. The side-by-side benchmark runs
// it to show what the analysis alone costs beside the tar-extraction floor.
//
//   parse_only <source> [95|2005|2012|2022]
//                           status 0 when the source parses as that
//                           revision of Ada (95 when none is given)

#include <cstdio>
#include <cstring>

#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/run_settings.h"

int main(int argc, char** argv) {
  const char* const revisions[] = {"95", "2005", "2012", "2022"};
  int revision = argc == 2 ? 0 : -1;
  for (int index = 0; argc == 3 && index < 4; ++index)
    if (std::strcmp(argv[2], revisions[index]) == 0) revision = index;
  if (argc < 2 || argc > 3 || revision < 0) {
    std::fputs("usage: parse_only <source> [95|2005|2012|2022]\n", stderr);
    return 2;
  }
  FILE* stream = std::fopen(argv[1], "r");
  if (stream == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  current_source_name = argv[1];
  ada_revision = static_cast<AdaRevision>(revision);
  analysis_begin(stream);
  const int status = parse_compilation();
  std::fclose(stream);
  units_free_all();
  return status;
}
