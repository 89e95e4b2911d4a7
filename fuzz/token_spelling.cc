#include "fuzz/token_spelling.h"

#include "analysis/ada_tokens.h"

namespace {

// The spelling of every delimiter and reserved word, by token number.
struct Spelled {
  int token;
  std::string_view spelling;
};

constexpr Spelled spelled[] = {
#define ADA_DELIMITER(NAME, number, spelling, since) {number, spelling},
#define ADA_WORD(spelling, NAME, number, since) {number, #spelling},
#include "analysis/ada_tokens.def"
};

}  // namespace

std::string_view token_spelling(int token) {
  for (const Spelled& entry : spelled)
    if (entry.token == token) return entry.spelling;
  return {};
}

bool is_token_number(int token) {
  using namespace ada_token;
  return !token_spelling(token).empty() || token == TOKEN_CHARACTER_LITERAL || token == TOKEN_IDENTIFIER ||
         token == TOKEN_STRING_LITERAL || token == TOKEN_NUMERIC_LITERAL;
}
