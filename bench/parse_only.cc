// The scan and parse of one source as the program does them, and nothing
// else: no start-up, no copy, no unit file. The side-by-side benchmark runs
// it to show what the analysis alone costs beside the tar-extraction floor.
//
//   parse_only <source>     status 0 when the source parses

#include <cstdio>

#include "analysis/analysis_begin.h"
#include "analysis/ac_tree.h"
#include "analysis/parser.h"
#include "driver/run_settings.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: parse_only <source>\n", stderr);
    return 2;
  }
  FILE* stream = std::fopen(argv[1], "r");
  if (stream == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  current_source_name = argv[1];
  analysis_begin(stream, ADA_95);
  const int status = parse_compilation();
  std::fclose(stream);
  units_free_all();
  return status;
}
