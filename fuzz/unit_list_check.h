#ifndef MIRELCHOP_FUZZ_UNIT_LIST_CHECK_H
#define MIRELCHOP_FUZZ_UNIT_LIST_CHECK_H

#include <string_view>

#include "analysis/ada_revision.h"

// Checks the unit list that an accepted parse of `source` as Ada `revision`
// left: every unit
// has an end position, the ends come in increasing order and lie on a
// semicolon of the source, the kinds are known, and every name (full,
// simple, with clause, renaming target) is a well-formed dotted name.
// A violation is a fuzz failure.
void check_unit_list(std::string_view source, const char* source_name, AdaRevision revision);

// True when `name` is one or more identifiers of Ada `revision` joined by
// single dots.
bool is_dotted_name(const char* name, AdaRevision revision);

#endif
