#ifndef MIRELCHOP_TESTS_UNIT_TEXT_MODEL_H
#define MIRELCHOP_TESTS_UNIT_TEXT_MODEL_H

#include <cstdint>
#include <string_view>
#include <vector>

// Where a unit ends: the line and column of its final semicolon.
struct UnitEnd {
  uint64_t line;
  uint64_t column;
};

// The text each unit's file must hold, written apart from the chopper so
// that the chop tests and the chop fuzzer can check it: a unit's text runs
// from where the previous one ended through the newline of its end line
// (the next newline when the previous text took that line already); the
// last unit takes the rest. When the byte at the end column is a semicolon
// and an ASCII letter follows it on that line outside a comment (which a
// carriage return or the newline ends), the next unit's text begins at
// that letter instead. Columns count bytes, a carriage return none.
std::vector<std::string_view> modelled_unit_texts(std::string_view source, const std::vector<UnitEnd>& ends);

#endif
