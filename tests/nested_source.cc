#include "tests/nested_source.h"

std::string nested_case_statements(int depth) {
  std::string source = "procedure P is\nbegin\n";
  for (int i = 0; i < depth; ++i) source += "case X is when others =>\n";
  source += "null;\n";
  for (int i = 0; i < depth; ++i) source += "end case;\n";
  return source + "end P;\n";
}
