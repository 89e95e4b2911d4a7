#include "analysis/ac_tree.h"

#include <cstring>

#include "driver/ac_mem.h"
#include "driver/run_settings.h"

namespace {

Unit* first_unit = nullptr;
Unit* last_unit = nullptr;
NameStackEntry* stack_top = nullptr;
const char* name_prefix = nullptr;

// A new zero-terminated copy of `text` from ac_alloc.
char* copy_string(const char* text) {
  const size_t length = std::strlen(text);
  char* copy = static_cast<char*>(ac_alloc(length + 1));
  std::memcpy(copy, text, length);
  return copy;
}

}  // namespace

Unit* unit_new(const char* name, UnitKind kind, uint32_t properties, NameItem* context) {
  Unit* unit = static_cast<Unit*>(ac_alloc(sizeof(Unit)));
  unit->kind = kind;
  unit->properties = properties;
  unit->simple_name = copy_string(name);
  unit->full_name = name_prefix ? concat3(name_prefix, ".", name) : copy_string(name);
  unit->source_file = copy_string(current_source_name ? current_source_name : "");
  unit->context = context;
  return unit;
}

Unit* unit_add(const char* name, UnitKind kind, uint32_t properties, NameItem* context) {
  if (name == nullptr) return nullptr;
  Unit* unit = unit_new(name, kind, properties, context);
  if (last_unit != nullptr)
    last_unit->next = unit;
  else
    first_unit = unit;
  last_unit = unit;
  return unit;
}

Unit* units_first() { return first_unit; }

Unit* units_last() { return last_unit; }

void unit_set_end(Unit* unit, SourcePosition position) {
  if (unit == nullptr) return;
  if (unit->end_line != 0 && unit->end_column != 0) return;
  unit->end_line = static_cast<uint32_t>(position.line);
  unit->end_column = static_cast<uint32_t>(position.column);
}

void unit_free(Unit* unit) {
  if (unit == nullptr) return;
  ac_free(unit->simple_name);
  ac_free(unit->full_name);
  ac_free(unit->source_file);
  ac_free(unit->renaming_target);
  name_items_free(unit->context);
  ac_free(unit);
}

void units_free_all() {
  Unit* unit = first_unit;
  while (unit != nullptr) {
    Unit* next = unit->next;
    unit_free(unit);
    unit = next;
  }
  first_unit = nullptr;
  last_unit = nullptr;
}

void set_name_prefix(const char* prefix) { name_prefix = prefix; }

NameItem* name_item_new(const char* name) { return name_item_prepend(name, nullptr); }

NameItem* name_item_prepend(const char* name, NameItem* rest) {
  NameItem* item = static_cast<NameItem*>(ac_alloc(sizeof(NameItem)));
  item->name = copy_string(name);
  item->next = rest;
  return item;
}

void name_items_free(NameItem* list) {
  while (list != nullptr) {
    NameItem* next = list->next;
    ac_free(list->name);
    ac_free(list);
    list = next;
  }
}

void name_stack_reset() { stack_top = nullptr; }

bool name_stack_push(const char* name, int32_t properties) {
  if (name == nullptr) return false;
  NameStackEntry* entry = static_cast<NameStackEntry*>(ac_alloc(sizeof(NameStackEntry)));
  entry->name = copy_string(name);
  entry->properties = properties;
  entry->next = stack_top;
  stack_top = entry;
  return true;
}

NameStackEntry* name_stack_top() { return stack_top; }

void name_stack_pop() {
  NameStackEntry* entry = stack_top;
  if (entry == nullptr) return;
  stack_top = entry->next;
  ac_free(entry->name);
  name_items_free(entry->context);
  ac_free(entry);
}

char* concat3(const char* a, const char* b, const char* c) {
  if (a == nullptr || c == nullptr) return nullptr;
  const size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
  char* result = static_cast<char*>(ac_alloc(la + lb + lc + 1));
  std::memcpy(result, a, la);
  std::memcpy(result + la, b, lb);
  std::memcpy(result + la + lb, c, lc);
  return result;
}
