#ifndef MIRELCHOP_FUZZ_TOKEN_SPELLING_H
#define MIRELCHOP_FUZZ_TOKEN_SPELLING_H

#include <string_view>

// How a token with a fixed spelling is written, in lower case: delimiters
// and reserved words. Empty for the literals and identifiers, and for
// numbers that are no token at all.
std::string_view token_spelling(int token);

// True for every number the scanner may return besides 0.
bool is_token_number(int token);

#endif
