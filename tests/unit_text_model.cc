#include "tests/unit_text_model.h"

#include <cstddef>

namespace {

bool is_ascii_letter(char byte) { return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z'); }

}  // namespace

std::vector<std::string_view> modelled_unit_texts(std::string_view source, const std::vector<UnitEnd>& ends) {
  std::vector<std::string_view> texts;
  std::size_t offset = 0;
  uint64_t line = 1;
  uint64_t column = 1;
  for (std::size_t u = 0; u < ends.size(); ++u) {
    const std::size_t start = offset;
    if (u + 1 == ends.size()) {
      texts.push_back(source.substr(start));
      break;
    }
    while (offset < source.size() && line < ends[u].line)
      if (source[offset++] == '\n') ++line, column = 1;
    bool past_end = false, hyphen = false, comment = false, whole_line = line > ends[u].line;
    while (offset < source.size()) {
      const char byte = source[offset];
      if (byte == '\n') {
        ++offset, ++line, column = 1;
        break;
      }
      if (byte == '\r') {
        comment = hyphen = false;
      } else if (!whole_line && !comment) {
        if (!past_end) {
          past_end = column == ends[u].column && byte == ';';
          whole_line = column == ends[u].column && !past_end;
        } else if (byte == '-' && hyphen) {
          comment = true;
        } else {
          hyphen = byte == '-';
          if (is_ascii_letter(byte)) break;
        }
        ++column;
      }
      ++offset;
    }
    texts.push_back(source.substr(start, offset - start));
  }
  return texts;
}
