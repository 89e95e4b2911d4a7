#ifndef MIRELCHOP_ANALYSIS_PARSER_H
#define MIRELCHOP_ANALYSIS_PARSER_H

// Parses the whole of scanner_input into the unit list, with the grammar of
// the revision given to analysis_begin, and returns 0 once the source is
// accepted. A syntax error, or a nesting too deep for the parse stack, ends
// the process with status 7 instead. Call it after analysis_begin.
int parse_compilation();

#endif
