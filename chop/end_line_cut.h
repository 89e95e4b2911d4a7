#ifndef MIRELCHOP_CHOP_END_LINE_CUT_H
#define MIRELCHOP_CHOP_END_LINE_CUT_H

#include <cstddef>
#include <cstdint>

// Where a unit's text ends on its end line when another unit follows: at
// the first token after the unit's final semicolon when that token is on
// the same line, else through the line's newline. A next unit's first
// token (of its context clause, its leading pragma or the unit itself) is a
// reserved word, and between it and the semicolon an accepted source holds
// only spaces, tabs, carriage returns, comments (each ended by a carriage
// return or the newline) and bytes that start no token: so it is the first
// ASCII letter after the semicolon outside a comment, unless the newline
// comes first. Columns are counted as the scanner counts them: one per
// byte, a carriage return none.
struct EndLineCut {
  uint64_t column;      // column of the next byte of the line
  uint64_t end_column;  // column of the unit's final semicolon
  bool past_end;        // the semicolon has been passed
  bool after_hyphen;    // past the end, the byte before was a hyphen
  bool in_comment;      // past the end, within a comment
  bool whole_line;      // the semicolon is not where the parse saw it: no cut
};

// A scan of the end line from the byte at `column`, for a unit ending at
// `end_column`.
EndLineCut end_line_cut_start(uint64_t column, uint64_t end_column);

// Scans the next `size` bytes of the end line at `data` and returns how
// many of them belong to the unit; sets `done` when the unit's text ends
// with them, at its newline or before the next unit's first letter.
std::size_t end_line_cut_scan(EndLineCut& cut, const char* data, std::size_t size, bool& done);

#endif
