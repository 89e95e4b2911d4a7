#ifndef MIRELCHOP_ANALYSIS_AC_TREE_H
#define MIRELCHOP_ANALYSIS_AC_TREE_H

#include <cstdint>

// What a compilation unit is; the naming conventions treat BODY and PROC alike.
enum UnitKind : int32_t {
  SPEC = 0,  // declarations, generic declarations, instantiations, renamings
  BODY = 1,  // package, task and protected bodies
  PROC = 2,  // subprogram bodies
};

// One element of a singly linked list of names (a with clause's names).
// While the parse builds a list, its elements and names are allocations of
// their own, released by name_items_free; once a unit takes the list, they
// live in the unit list's store (see unit_new).
struct NameItem {
  char* name;      // a copy; a dotted name stays one string
  NameItem* next;  // following element, or null
};

// One compilation unit of the source being processed. The record, its names
// and its context list live in the unit list's store until units_free_all;
// only the renaming target is an allocation of its own.
struct Unit {
  UnitKind kind;
  uint32_t properties;          // property bits given by the parse, stored unchanged
  char* full_name;              // in the store; prefix "." name inside a subunit, else the name
  char* simple_name;            // the name given at creation: the last part of full_name, in its bytes
  char* source_file;            // the source's name at creation, one copy shared by its units
  uint32_t end_line;            // line of the final semicolon; 0 until known
  uint32_t end_column;          // column of the final semicolon; 0 until known
  NameItem* context;            // with-clause names in the store, in source order
  // The unit a library renaming renames, or null; from ac_alloc, released by unit_free.
  char* renaming_target;
  Unit* next;                   // following unit in the list
};

// A unit-level declaration that the parse has opened and not yet closed.
struct NameStackEntry {
  char* name;            // owned copy of the declared name
  int32_t properties;    // bits given at push time
  NameItem* context;     // owned context clause handed to this declaration
  NameStackEntry* next;  // entry below
};

// A line and column, both from 1; 0 in either means not yet known.
struct SourcePosition {
  int32_t line;
  int32_t column;
};

// Creates a unit (not linked) from a present `name`, taking ownership of
// `context`. The record, its names and its context list live in the unit
// list's store until units_free_all; simple_name points into full_name, and
// the units of one source share one copy of its name.
Unit* unit_new(const char* name, UnitKind kind, uint32_t properties, NameItem* context);

// Appends a new unit to the list and returns it; with no name, creates nothing,
// leaves `context` with the caller and returns null.
Unit* unit_add(const char* name, UnitKind kind, uint32_t properties, NameItem* context);

// The first unit of the list, or null.
Unit* units_first();

// The unit added last, or null.
Unit* units_last();

// Records `position` as the unit's end unless a complete end is already set.
void unit_set_end(Unit* unit, SourcePosition position);

// Releases the unit's renaming target; its record, names and context list go
// with the store at the next units_free_all. Does not unlink it.
void unit_free(Unit* unit);

// Releases every unit of the list, and every unit made since the last call,
// and leaves the list empty.
void units_free_all();

// Sets (without copying) or clears the parent name that prefixes new units' full names.
void set_name_prefix(const char* prefix);

// A new one-element list holding a copy of a present `name`, both from ac_alloc.
NameItem* name_item_new(const char* name);

// A new head holding a copy of `name`, both from ac_alloc, followed by `rest`.
NameItem* name_item_prepend(const char* name, NameItem* rest);

// Releases every element of `list` with its name; for a list not yet
// handed to a unit.
void name_items_free(NameItem* list);

// Forgets every entry of the name stack without releasing them.
void name_stack_reset();

// Pushes a copy of `name` with `properties` and an empty context; false and
// nothing pushed when the name is absent.
bool name_stack_push(const char* name, int32_t properties);

// The top entry, or null.
NameStackEntry* name_stack_top();

// Removes the top entry and releases its name and context; no effect when empty.
void name_stack_pop();

// A new string a + b + c; null (and nothing allocated) when a or c is absent.
char* concat3(const char* a, const char* b, const char* c);

#endif
