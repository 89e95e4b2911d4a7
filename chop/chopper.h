#ifndef MIRELCHOP_CHOP_CHOPPER_H
#define MIRELCHOP_CHOP_CHOPPER_H

#include "chop/source_stamp.h"

struct Unit;

// Writes one file per unit of the list starting at `first_unit` (null for
// none), cut line by line from a temporary copy of the source
// `source_word`, which must still be the file `parsed` stamps (see
// chop/source_stamp.h), and returns how many unit files were written. Each file
// gets the text from where the previous one's ended through the newline of
// its unit's end line, or up to the next unit's first token when that is
// on the end line; text before the first unit goes with the first, text
// after the last with the last. Reads the run settings for naming,
// placement, the overwrite rule, the listing and the log. Ends the process
// itself on every error (status 5, 7 or 9) and otherwise returns only when
// all units were written and the temporary copy is gone.
int chop_file(const char* source_word, const SourceStamp& parsed, const Unit* first_unit);

#endif
