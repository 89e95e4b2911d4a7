#include "fuzz/unit_list_check.h"

#include <cstring>
#include <vector>

#include "analysis/ac_tree.h"
#include "fuzz/fuzz_check.h"

namespace {

// From Ada 2005 on every byte from 0x80 up is a letter too.
bool is_letter(char c, AdaRevision revision) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (revision > ADA_95 && static_cast<unsigned char>(c) >= 0x80);
}
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The offset of each line's first byte; line 1 starts at 0.
std::vector<std::size_t> line_starts(std::string_view source) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i < source.size(); ++i)
    if (source[i] == '\n') starts.push_back(i + 1);
  return starts;
}

}  // namespace

bool is_dotted_name(const char* name, AdaRevision revision) {
  // Identifier: a letter, then letters and digits with single underscores between.
  const char* cursor = name;
  for (;;) {
    if (!is_letter(*cursor, revision)) return false;
    ++cursor;
    while (is_letter(*cursor, revision) || is_digit(*cursor) || *cursor == '_') {
      if (*cursor == '_' && !(is_letter(cursor[1], revision) || is_digit(cursor[1]))) return false;
      ++cursor;
    }
    if (*cursor == '\0') return true;
    if (*cursor != '.') return false;
    ++cursor;
  }
}

void check_unit_list(std::string_view source, const char* source_name, AdaRevision revision) {
  // Columns count bytes only when no carriage return hides among them.
  const bool columns_are_offsets = source.find('\r') == std::string_view::npos;
  const std::vector<std::size_t> starts = line_starts(source);
  uint32_t previous_line = 0;
  uint32_t previous_column = 0;
  for (const Unit* unit = units_first(); unit != nullptr; unit = unit->next) {
    fuzz_check(unit->kind == SPEC || unit->kind == BODY || unit->kind == PROC, "unit of unknown kind");
    fuzz_check(unit->end_line != 0 && unit->end_column != 0, "unit without an end position");
    fuzz_check(unit->end_line > previous_line || (unit->end_line == previous_line && unit->end_column > previous_column),
               "unit ends out of order");
    previous_line = unit->end_line;
    previous_column = unit->end_column;
    fuzz_check(unit->end_line <= starts.size(), "unit ends past the last line");
    if (columns_are_offsets) {
      const std::size_t offset = starts[unit->end_line - 1] + unit->end_column - 1;
      fuzz_check(offset < source.size() && source[offset] == ';', "unit end is not on a semicolon");
    }
    fuzz_check(unit->full_name != nullptr && is_dotted_name(unit->full_name, revision), "malformed full name");
    fuzz_check(unit->simple_name != nullptr && is_dotted_name(unit->simple_name, revision), "malformed simple name");
    const std::size_t full_length = std::strlen(unit->full_name);
    const std::size_t simple_length = std::strlen(unit->simple_name);
    fuzz_check(full_length >= simple_length &&
                   std::strcmp(unit->full_name + full_length - simple_length, unit->simple_name) == 0 &&
                   (full_length == simple_length || unit->full_name[full_length - simple_length - 1] == '.'),
               "full name does not end with the simple name");
    fuzz_check(unit->source_file != nullptr && std::strcmp(unit->source_file, source_name) == 0,
               "unit names another source");
    for (const NameItem* item = unit->context; item != nullptr; item = item->next)
      fuzz_check(item->name != nullptr && is_dotted_name(item->name, revision), "malformed with-clause name");
    fuzz_check(unit->renaming_target == nullptr || unit->renaming_target[0] != '\0', "empty renaming target");
    fuzz_check(unit->next != nullptr || unit == units_last(), "list and its last unit disagree");
  }
}
