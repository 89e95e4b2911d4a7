#ifndef MIRELCHOP_ANALYSIS_PARSE_STRINGS_H
#define MIRELCHOP_ANALYSIS_PARSE_STRINGS_H

#include <cstddef>

// The name strings of the compilation unit being parsed: token texts from
// the scanner and names assembled by the parse actions. They are referenced
// from the parse stack in no particular pattern, so they live in one store
// and are released together when the unit's parse is over; units hold their
// own copies. The store takes them in large blocks, so a token costs no heap
// allocation of its own.

// A kept copy of the `length` bytes at `bytes`, up to the first NUL byte
// among them, NUL-terminated.
char* parse_string_new(const char* bytes, std::size_t length);

// As parse_string_new, for `length` bytes known to hold no NUL byte
// (identifiers, character literals): one copy, without looking for one.
char* parse_string_whole(const char* bytes, std::size_t length);

// A kept copy of `text`, for names the parse spells itself ("digits").
char* parse_string_copy(const char* text);

// A kept string a + b + c; null (nothing kept) when a or c is absent.
char* parse_string_concat(const char* a, const char* b, const char* c);

// Releases every string kept since the last release.
void parse_strings_release();

#endif
