// Fuzz target: the scanner alone on arbitrary bytes, read as Ada 95 and as a
// later revision. Every token must be a known token number, come after the
// one before it, and, where columns are byte offsets (no carriage return in
// the input), be spelled at its position as its number says.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "analysis/parser.h"
#include "analysis/scanner.h"
#include "driver/ac_mem.h"
#include "driver/exit_trap.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/parse_source.h"
#include "fuzz/token_spelling.h"

using namespace ada_token;

namespace {

// True when `source` holds `spelling` at `offset`, letters in any case.
bool spelled_at(std::string_view source, std::size_t offset, std::string_view spelling) {
  if (offset > source.size() || source.size() - offset < spelling.size()) return false;
  for (std::size_t i = 0; i < spelling.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(source[offset + i])) != spelling[i]) return false;
  return true;
}

// Checks that the token `token` with `text` (for literals and identifiers)
// is what `source` holds at `offset`.
void check_token_text(std::string_view source, std::size_t offset, int token, const char* text) {
  fuzz_check(offset < source.size(), "token position past the end of the input");
  const char first = source[offset];
  switch (token) {
    case TOKEN_BAR:
      fuzz_check(first == '|' || first == '!', "bar token on another byte");
      return;
    case TOKEN_CHARACTER_LITERAL: {
      // One byte, or from Ada 2005 on one UTF-8 character; the text stops at a NUL.
      const std::string_view between = source.substr(offset + 1);
      const std::size_t length = std::max<std::size_t>(std::strlen(text), 1);
      fuzz_check(first == '\'' && between.size() > length && between.starts_with(text) && between[length] == '\'',
                 "character literal differs from the input");
      return;
    }
    case TOKEN_IDENTIFIER:
    case TOKEN_STRING_LITERAL:
      // The text stops at a NUL byte of the input, if any.
      fuzz_check(source.substr(offset).starts_with(text), "token text differs from the input");
      fuzz_check(token != TOKEN_STRING_LITERAL || first == '"' || first == '%', "string literal without delimiter");
      return;
    case TOKEN_NUMERIC_LITERAL:
      fuzz_check(first >= '0' && first <= '9', "numeric literal not on a digit");
      return;
    default:
      fuzz_check(spelled_at(source, offset, token_spelling(token)), "token spelled otherwise in the input");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every end of the process is an outcome of its input, for the whole run.
  static const ExitTrap whole_run;
  return 0;
}

namespace {

// Scans `source` to its end as Ada `revision`, checking every token.
void scan_source(std::string_view source, const std::vector<std::size_t>& line_starts, AdaRevision revision) {
  const bool columns_are_offsets = source.find('\r') == std::string_view::npos;
  FILE* stream = fmemopen(const_cast<char*>(source.data()), source.size(), "r");
  fuzz_check(stream != nullptr, "fmemopen");
  ada_revision = revision;
  analysis_begin(stream);
  int32_t previous_line = 0;
  int32_t previous_column = 0;
  try {
    for (int token = next_token(); token != 0; token = next_token()) {
      const SemanticValue value = token_value;
      fuzz_check(is_token_number(token), "unknown token number");
      fuzz_check(value.line >= 1 && value.column >= 1, "token position below 1");
      fuzz_check(value.line > previous_line || (value.line == previous_line && value.column > previous_column),
                 "token does not come after the one before");
      fuzz_check(static_cast<std::size_t>(value.line) <= line_starts.size(), "token past the last line");
      previous_line = value.line;
      previous_column = value.column;
      if (columns_are_offsets)
        check_token_text(source, line_starts[value.line - 1] + value.column - 1, token,
                         token_has_text(token) ? value.text : nullptr);
      if (token_has_text(token)) ac_free(value.text);
    }
  } catch (const ProcessExit&) {
    // Reading memory cannot fail, and a few kilobytes always fit.
    fuzz_failure("the scanner ended the process");
  }
  std::fclose(stream);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  std::vector<std::size_t> line_starts{0};
  for (std::size_t i = 0; i < size; ++i)
    if (source[i] == '\n') line_starts.push_back(i + 1);
  scan_source(source, line_starts, ADA_95);
  scan_source(source, line_starts, later_revision(size));
  return 0;
}
