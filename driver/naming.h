#ifndef MIRELCHOP_DRIVER_NAMING_H
#define MIRELCHOP_DRIVER_NAMING_H

#include <QString>

struct Unit;

// Takes the naming convention from the environment variable `variable`:
// GNAT when it is absent, else the convention it names (status 7 if none).
void read_naming_environment(const char* variable);

// Puts the convention called `name` (any letter case) in force; prints the
// error and ends with status 7 when there is no such convention.
void select_naming_convention(const QString& name);

// "GNAT" or "VESK", the convention in force.
const char* naming_convention_name();

// The unit's file name under GNAT's convention: lower case (see
// fold_name for names beyond ASCII, folded as current_source_utf8 says),
// dots as hyphens, ".ads"/".adb"; a new string from ac_alloc.
char* gnat_file_name(const Unit* unit);

// The unit's file name under VESK's convention: lower case as GNAT's, dots kept,
// ".1.ada"/".2.ada"; a new string from ac_alloc.
char* vesk_file_name(const Unit* unit);

#endif
