#ifndef MIRELCHOP_ANALYSIS_SYNTAX_ERROR_H
#define MIRELCHOP_ANALYSIS_SYNTAX_ERROR_H

// Prints the syntax-error message with the source's name and the scanner's
// position, and ends the process with status 7. Also used when the parse
// stack overflows.
[[noreturn]] void report_syntax_error();

// Prints that a construct nests too deeply for the later revisions' parse
// stack, with the source's name and the scanner's position, and ends the
// process with status 7.
[[noreturn]] void report_nesting_too_deep();

#endif
