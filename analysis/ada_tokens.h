#ifndef MIRELCHOP_ANALYSIS_ADA_TOKENS_H
#define MIRELCHOP_ANALYSIS_ADA_TOKENS_H

#include "analysis/ada_revision.h"

// The token numbers the scanner returns, for code that does not include a
// grammar's generated header (two of those cannot meet in one translation
// unit). Each grammar checks its own numbers against these.
namespace ada_token {
#define ADA_DELIMITER(NAME, number, spelling, since) constexpr int TOKEN_##NAME = number;
#define ADA_WORD(spelling, NAME, number, since) constexpr int TOKEN_##NAME = number;
#define ADA_OTHER(NAME, number) constexpr int TOKEN_##NAME = number;
#include "analysis/ada_tokens.def"
}  // namespace ada_token

// True for the tokens that bring their text in the scanner's token value:
// identifiers and literals.
constexpr bool token_has_text(int token) {
  return token == ada_token::TOKEN_IDENTIFIER || token == ada_token::TOKEN_STRING_LITERAL ||
         token == ada_token::TOKEN_CHARACTER_LITERAL;
}

#endif
