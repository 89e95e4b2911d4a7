#ifndef MIRELCHOP_ANALYSIS_PARSE_ACTIONS_H
#define MIRELCHOP_ANALYSIS_PARSE_ACTIONS_H

#include <cstdint>

#include "analysis/ac_tree.h"
#include "analysis/semantic_value.h"

// Property bits of a unit and of a name-stack entry.
enum UnitFlags : uint32_t {
  IS_PROCEDURE = 1u << 0,
  IS_FUNCTION = 1u << 1,
  IS_PACKAGE = 1u << 2,
  IS_TASK = 1u << 3,
  IS_PROTECTED = 1u << 4,
  IS_CHILD = 1u << 18,
  IS_ABSTRACT = 1u << 19,
  IS_RENAMING = 1u << 20,
  IS_TYPE = 1u << 21,
  IS_SUBUNIT = 1u << 22,
  IS_STUB = 1u << 23,
  IS_DECLARATION = 1u << 24,
  IS_BODY = 1u << 25,
  IS_GENERIC = 1u << 26,
  IS_INSTANCE = 1u << 27,
};

// Unit-level constructs (subprograms, packages, tasks, protected units)
// entered and not yet left; a construct closing at depth 1 is a library unit.
extern int32_t nesting_depth;

// With-clause names, in source order, not yet handed to a library unit.
extern NameItem* pending_context;

// True while the body of a subunit is being parsed.
extern bool in_subunit;

// Puts the parse state in its initial form for a new source: depth 0, no
// pending with clauses, outside any subunit, no parent-name prefix, and no
// name strings kept from an earlier parse.
void parse_state_reset();

// Enters a unit-level construct named `name`: depth + 1 and a name-stack
// entry. A construct entered at library level takes the pending with clauses.
void unit_enter(const char* name, int32_t properties);

// Leaves the construct on top of the name stack: depth - 1 and pop.
void unit_leave();

// Enters a protected definition: depth + 1 and no name-stack entry. What it
// declares is not at library level, though it is never a library unit itself.
void protected_definition_enter();

// Leaves a protected definition: depth - 1.
void protected_definition_leave();

// The property bits of the construct on top of the name stack (0 when none).
uint32_t top_properties();

// Creates the unit for the construct being closed when it is at library
// level and not named by an operator symbol; null otherwise, and always
// during a second reading (analysis/later_revision_hint.h).
Unit* add_library_unit(UnitKind kind, uint32_t properties);

// Records the position of `semicolon` as the end of `unit` (none, or during
// a second reading: nothing).
void unit_end(Unit* unit, const SemanticValue& semicolon);

// Closes the construct on top of the name stack at `semicolon`: makes its
// unit of `kind` when it is at library level, ends the unit there and
// leaves the construct.
void library_unit_close(UnitKind kind, uint32_t properties, const SemanticValue& semicolon);

// A package renaming named `name`, or with a null name the subprogram
// renaming on top of the name stack, that renames `target` and ends at
// `semicolon`: its unit (at library level) with its own copy of the target,
// and the construct left.
void library_renaming(const char* name, uint32_t properties, const char* target, const SemanticValue& semicolon);

// A package instantiation named `name`: its unit at library level, made
// before its final semicolon is read (which ends the unit made last).
void package_instantiation_add(const char* name);

// A subprogram instantiation, the construct on top of the name stack: its
// unit at library level, and the construct left.
void subprogram_instantiation_add();

// The end of a package specification, the construct on top of the name
// stack: its unit at library level (ended by the semicolon that follows),
// and the construct left.
void package_specification_close();

// Begins the pragmas that follow a library item, as a later revision's
// grammar reads them: none so far (line 0).
SemanticValue trailing_pragmas_begin();

// The trailing pragmas `list` (line 0: none) with one more `pragma`: the
// position of its final semicolon, its name as text. A configuration pragma,
// and every pragma after it, opens the next compilation unit instead: the
// list stays as it was.
SemanticValue trailing_pragma_add(const SemanticValue& list, const SemanticValue& pragma);

// Closes a compilation unit whose trailing pragmas end with `last_pragma`
// (line 0: none): the unit made for its library item, if any, then ends
// there, and the parse's name strings are released.
void compilation_unit_close(const SemanticValue& last_pragma);

// Gives `unit` (none: nothing) its own copy of the name it renames.
void renaming_target_store(Unit* unit, const char* target);

// Starts the names of a with clause with `name`. Until with_clause_add takes
// the list, the parse state keeps hold of it too, so that parse_state_reset
// releases it after a parse abandoned in the middle of the clause.
NameItem* with_names_start(const char* name);

// Puts `name` in front of the with clause's names `names_reversed` (last
// one first) and returns the new head, still held by the parse state.
NameItem* with_names_prepend(const char* name, NameItem* names_reversed);

// Appends one with clause's names, given last one first, to pending_context.
void with_clause_add(NameItem* names_reversed);

// Starts the body of a subunit whose parent is `parent`.
void subunit_begin(const char* parent);

// Ends the body of a subunit.
void subunit_end();

#endif
