#ifndef MIRELCHOP_ANALYSIS_PARSER_H
#define MIRELCHOP_ANALYSIS_PARSER_H

// Parses the whole of scanner_input into the unit list and returns 0 once the
// source is accepted. A syntax error, or a nesting too deep for the parse
// stack, ends the process with status 7 instead. Call it after scanner_input
// is assigned, the name stack is emptied and the scanner is reset.
int parse_compilation();

#endif
