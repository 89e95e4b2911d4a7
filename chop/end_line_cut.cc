#include "chop/end_line_cut.h"

EndLineCut end_line_cut_start(uint64_t column, uint64_t end_column) {
  return EndLineCut{column, end_column, false, false, false, false};
}

std::size_t end_line_cut_scan(EndLineCut& cut, const char* data, std::size_t size, bool& done) {
  done = false;
  for (std::size_t i = 0; i < size; ++i) {
    const char byte = data[i];
    if (byte == '\n') {
      done = true;
      return i + 1;
    }
    if (cut.whole_line) continue;
    if (byte == '\r') {
      cut.in_comment = false;
      cut.after_hyphen = false;
      continue;
    }
    if (cut.in_comment) continue;
    if (!cut.past_end) {
      if (cut.column == cut.end_column) {
        // A carriage return inside a string literal has a width, which puts
        // the semicolon elsewhere: then the line is not cut.
        cut.past_end = byte == ';';
        cut.whole_line = !cut.past_end;
      }
      ++cut.column;
      continue;
    }
    const bool hyphen = byte == '-';
    if (hyphen && cut.after_hyphen) {
      cut.in_comment = true;  // to the next carriage return or the newline
      continue;
    }
    cut.after_hyphen = hyphen;
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) {
      done = true;
      return i;
    }
    ++cut.column;
  }
  return size;
}
