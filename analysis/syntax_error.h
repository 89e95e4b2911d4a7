#ifndef MIRELCHOP_ANALYSIS_SYNTAX_ERROR_H
#define MIRELCHOP_ANALYSIS_SYNTAX_ERROR_H

// Thrown by the reports below in place of printing and ending the process,
// while a second reading of a source only finds out whether it parses
// (analysis/later_revision_hint.h).
struct ParseRefused {};

// Prints the syntax-error message with the source's name and the scanner's
// position, followed by the note of later_revision_note when there is one,
// and ends the process with status 7. Also used when the parse stack
// overflows.
[[noreturn]] void report_syntax_error();

// Prints that a construct nests too deeply for the later revisions' parse
// stack, with the source's name and the scanner's position, and ends the
// process with status 7.
[[noreturn]] void report_nesting_too_deep();

#endif
