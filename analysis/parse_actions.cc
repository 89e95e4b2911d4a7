#include "analysis/parse_actions.h"

#include <QString>
#include <cstdio>
#include <cstring>

#include "analysis/configuration_pragmas.h"
#include "analysis/later_revision_hint.h"
#include "analysis/parse_strings.h"
#include "analysis/scanner.h"
#include "driver/ac_mem.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

int32_t nesting_depth = 0;
NameItem* pending_context = nullptr;
bool in_subunit = false;

namespace {

// The with clause's names being gathered, not yet handed to with_clause_add.
NameItem* with_names_in_progress = nullptr;

// The link at the end of pending_context, so that adding a with clause does
// not walk the clauses before it. Only meaningful while pending_context is
// not null; whoever takes the list leaves it null.
NameItem** pending_tail = &pending_context;

// The unit made for the library item of the compilation unit being parsed,
// or null: its trailing pragmas move its end.
Unit* library_item_unit = nullptr;

// False once a configuration pragma has closed the trailing pragmas of the
// library item being parsed.
bool trailing_pragmas_open = false;

// An operator symbol is a string literal, delimited by quotation marks or by
// their replacement, the percent sign.
bool is_operator_symbol(const char* name) { return name[0] == '"' || name[0] == '%'; }

// Reports a library-level construct named by an operator symbol; the parse goes on.
void report_library_operator() {
  print_message(stderr, translate("Error", "Error %1:%2: operator not allowed at library level\n",
                                  "%1 is a file name, %2 a line number")
                            .arg(local_text(current_source_name), QString::number(scan_line)));
}

}  // namespace

void parse_state_reset() {
  nesting_depth = 0;
  in_subunit = false;
  name_items_free(pending_context);
  pending_context = nullptr;
  name_items_free(with_names_in_progress);
  with_names_in_progress = nullptr;
  library_item_unit = nullptr;
  trailing_pragmas_open = false;
  set_name_prefix(nullptr);
  parse_strings_release();
}

void unit_enter(const char* name, int32_t properties) {
  const bool library_level = nesting_depth == 0;
  ++nesting_depth;
  if (!name_stack_push(name, properties) || !library_level) return;
  // A library unit takes the with clauses of its own context clause.
  name_stack_top()->context = pending_context;
  pending_context = nullptr;
}

void unit_leave() {
  --nesting_depth;
  name_stack_pop();
}

void protected_definition_enter() { ++nesting_depth; }

void protected_definition_leave() { --nesting_depth; }

uint32_t top_properties() {
  const NameStackEntry* entry = name_stack_top();
  return entry == nullptr ? 0 : static_cast<uint32_t>(entry->properties);
}

Unit* add_library_unit(UnitKind kind, uint32_t properties) {
  // A second reading only finds out whether the source parses.
  if (nesting_depth != 1 || trial_parse_running()) return nullptr;
  NameStackEntry* entry = name_stack_top();
  if (is_operator_symbol(entry->name)) {
    report_library_operator();
    return nullptr;
  }
  if (in_subunit)
    properties |= IS_SUBUNIT;
  else if (std::strchr(entry->name, '.') != nullptr)
    properties |= IS_CHILD;
  Unit* unit = unit_add(entry->name, kind, properties, entry->context);
  entry->context = nullptr;
  library_item_unit = unit;
  return unit;
}

void unit_end(Unit* unit, const SemanticValue& semicolon) {
  // A second reading makes no unit, and the units made before it stay as they are.
  if (trial_parse_running()) return;
  unit_set_end(unit, SourcePosition{semicolon.line, semicolon.column});
}

void library_unit_close(UnitKind kind, uint32_t properties, const SemanticValue& semicolon) {
  unit_end(add_library_unit(kind, properties), semicolon);
  unit_leave();
}

void library_renaming(const char* name, uint32_t properties, const char* target, const SemanticValue& semicolon) {
  if (name != nullptr) unit_enter(name, 0);
  Unit* unit = add_library_unit(SPEC, properties);
  unit_end(unit, semicolon);
  renaming_target_store(unit, target);
  unit_leave();
}

void package_instantiation_add(const char* name) {
  unit_enter(name, 0);
  add_library_unit(SPEC, IS_INSTANCE | IS_PACKAGE);
  unit_leave();
}

void subprogram_instantiation_add() {
  add_library_unit(SPEC, top_properties() | IS_INSTANCE | IS_BODY);
  unit_leave();
}

void package_specification_close() {
  add_library_unit(SPEC, IS_DECLARATION | IS_PACKAGE);
  unit_leave();
}

SemanticValue trailing_pragmas_begin() {
  trailing_pragmas_open = true;
  return SemanticValue{};
}

SemanticValue trailing_pragma_add(const SemanticValue& list, const SemanticValue& pragma) {
  if (trailing_pragmas_open && is_configuration_pragma(pragma.text)) trailing_pragmas_open = false;
  return trailing_pragmas_open ? pragma : list;
}

void compilation_unit_close(const SemanticValue& last_pragma) {
  if (library_item_unit != nullptr && last_pragma.line != 0) {
    library_item_unit->end_line = static_cast<uint32_t>(last_pragma.line);
    library_item_unit->end_column = static_cast<uint32_t>(last_pragma.column);
  }
  library_item_unit = nullptr;
  parse_strings_release();
}

void renaming_target_store(Unit* unit, const char* target) {
  if (unit == nullptr || target == nullptr) return;
  const size_t length = std::strlen(target);
  char* copy = static_cast<char*>(ac_alloc(length + 1));
  std::memcpy(copy, target, length);
  unit->renaming_target = copy;
}

NameItem* with_names_start(const char* name) {
  with_names_in_progress = name_item_new(name);
  return with_names_in_progress;
}

NameItem* with_names_prepend(const char* name, NameItem* names_reversed) {
  with_names_in_progress = name_item_prepend(name, names_reversed);
  return with_names_in_progress;
}

void with_clause_add(NameItem* names_reversed) {
  with_names_in_progress = nullptr;
  NameItem* names = nullptr;
  while (names_reversed != nullptr) {
    NameItem* next = names_reversed->next;
    names_reversed->next = names;
    names = names_reversed;
    names_reversed = next;
  }
  if (pending_context == nullptr) pending_tail = &pending_context;
  *pending_tail = names;
  while (*pending_tail != nullptr) pending_tail = &(*pending_tail)->next;
}

void subunit_begin(const char* parent) {
  set_name_prefix(parent);
  in_subunit = true;
}

void subunit_end() {
  set_name_prefix(nullptr);
  in_subunit = false;
}
