#include "fuzz/token_spelling.h"

#include "analysis/ada_grammar.hh"

namespace {

// Compound delimiters from TOKEN_DOUBLE_DOT on, in token-number order.
constexpr std::string_view compound_delimiters[] = {"..", "<<", "<>", "<=", "**", "/=", ">>", ">=", ":=", "=>"};

// Reserved words from TOKEN_ABORT on, in token-number (alphabetical) order.
constexpr std::string_view reserved_words[] = {
    "abort",   "abs",      "abstract", "accept",    "access",    "aliased",  "all",      "and",     "array",
    "at",      "begin",    "body",     "case",      "constant",  "declare",  "delay",    "delta",   "digits",
    "do",      "else",     "elsif",    "end",       "entry",     "exception", "exit",    "for",     "function",
    "generic", "goto",     "if",       "in",        "is",        "limited",  "loop",     "mod",     "new",
    "not",     "null",     "of",       "or",        "others",    "out",      "package",  "pragma",  "private",
    "procedure", "protected", "raise", "range",     "record",    "rem",      "renames",  "requeue", "return",
    "reverse", "select",   "separate", "subtype",   "tagged",    "task",     "terminate", "then",   "type",
    "until",   "use",      "when",     "while",     "with",      "xor"};

static_assert(sizeof compound_delimiters / sizeof compound_delimiters[0] == TOKEN_ARROW - TOKEN_DOUBLE_DOT + 1);
static_assert(sizeof reserved_words / sizeof reserved_words[0] == TOKEN_XOR - TOKEN_ABORT + 1);

// The single-byte delimiters, which are their own token numbers.
constexpr std::string_view single_delimiters = "&'()*+,-./:;<=>|";

}  // namespace

std::string_view token_spelling(int token) {
  if (token >= TOKEN_DOUBLE_DOT && token <= TOKEN_ARROW) return compound_delimiters[token - TOKEN_DOUBLE_DOT];
  if (token >= TOKEN_ABORT && token <= TOKEN_XOR) return reserved_words[token - TOKEN_ABORT];
  const auto at = single_delimiters.find(static_cast<char>(token));
  if (token > 0 && token < 128 && at != std::string_view::npos) return single_delimiters.substr(at, 1);
  return {};
}

bool is_token_number(int token) {
  return !token_spelling(token).empty() || (token >= TOKEN_CHARACTER_LITERAL && token <= TOKEN_NUMERIC_LITERAL);
}
