#ifndef MIRELCHOP_ANALYSIS_LATER_REVISION_HINT_H
#define MIRELCHOP_ANALYSIS_LATER_REVISION_HINT_H

#include <QString>

// A source that Ada 95 refuses is often simply written in a later revision.
// After a syntax error of an Ada 95 reading, the source is read once more,
// as Ada 2022, to tell the user so; a source that parses never pays for it.

// Right after a syntax error in the parse of scanner_input: when that parse
// read Ada 95, the source states no revision of its own and it reads whole
// as Ada 2022, the note that says so, naming current_source_name; otherwise
// an empty text. Reads the source again from its start, but creates no unit,
// prints nothing and leaves ada_revision and the units made before the error
// as they were; what the refused parse left in the name stack and the
// scanner is let go.
QString later_revision_note();

// True while that second reading runs: the parse then makes no unit and
// reports nothing, and its syntax errors throw ParseRefused
// (analysis/syntax_error.h) instead of ending the process.
bool trial_parse_running();

#endif
