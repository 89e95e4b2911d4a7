#ifndef MIRELCHOP_ANALYSIS_PARSE_STRINGS_H
#define MIRELCHOP_ANALYSIS_PARSE_STRINGS_H

// The name strings of one parse: token texts handed over by the scanner and
// names assembled by the parse actions. They are referenced from the parse
// stack in no particular pattern, so they are kept together and released
// together once the source's parse is over; units hold their own copies.

// Takes ownership of `text` (from ac_alloc; null is ignored) until
// parse_strings_release, and returns it.
char* parse_string_keep(char* text);

// A kept copy of `text`, for names the parse spells itself ("digits").
char* parse_string_copy(const char* text);

// Releases every string kept since the last release.
void parse_strings_release();

#endif
