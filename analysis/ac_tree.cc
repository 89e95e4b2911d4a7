#include "analysis/ac_tree.h"

#include <cstring>

#include "analysis/block_store.h"
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

// The units of a source all live until the list is emptied, so their records
// and names are taken from one store, released together, with no allocation
// and no allocator overhead per unit: the list of a source of 20,000 units
// then takes under 2 MB.
BlockStore store = {};

// The copy of the source name that the units' source_file fields share: one
// per source, not one per unit.
char* shared_source_file = nullptr;

// `size` zero-filled bytes of the store, aligned for a record.
void* store_take(size_t size) {
  size = (size + alignof(Unit) - 1) & ~(alignof(Unit) - 1);
  void* taken = block_store_take(store, size);
  std::memset(taken, 0, size);
  return taken;
}

// A copy of `text` in the store.
char* store_string(const char* text) {
  const size_t length = std::strlen(text);
  char* copy = static_cast<char*>(store_take(length + 1));
  std::memcpy(copy, text, length);
  return copy;
}

// The released bytes stay poisoned under AddressSanitizer until they are
// taken again, so a unit used after the list was emptied is caught.
void store_release() {
  shared_source_file = nullptr;
  block_store_release(store);
}

// The store's copy of the current source name, made once per source.
char* source_file_copy() {
  const char* source = current_source_name ? current_source_name : "";
  if (shared_source_file == nullptr || std::strcmp(shared_source_file, source) != 0)
    shared_source_file = store_string(source);
  return shared_source_file;
}

// The store's copy of `list`, in the same order; the list itself is released.
NameItem* store_name_items(NameItem* list) {
  NameItem* copy = nullptr;
  NameItem** tail = &copy;
  for (const NameItem* item = list; item != nullptr; item = item->next) {
    auto* stored = static_cast<NameItem*>(store_take(sizeof(NameItem)));
    stored->name = store_string(item->name);
    *tail = stored;
    tail = &stored->next;
  }
  name_items_free(list);
  return copy;
}

}  // namespace

Unit* unit_new(const char* name, UnitKind kind, uint32_t properties, NameItem* context) {
  Unit* unit = static_cast<Unit*>(store_take(sizeof(Unit)));
  unit->kind = kind;
  unit->properties = properties;
  // The simple name is the full name's last part, so it shares its bytes.
  if (name_prefix != nullptr) {
    const size_t prefix_length = std::strlen(name_prefix), name_length = std::strlen(name);
    unit->full_name = static_cast<char*>(store_take(prefix_length + 1 + name_length + 1));
    std::memcpy(unit->full_name, name_prefix, prefix_length);
    unit->full_name[prefix_length] = '.';
    std::memcpy(unit->full_name + prefix_length + 1, name, name_length);
    unit->simple_name = unit->full_name + prefix_length + 1;
  } else {
    unit->full_name = store_string(name);
    unit->simple_name = unit->full_name;
  }
  unit->source_file = source_file_copy();
  unit->context = store_name_items(context);
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
  ac_free(unit->renaming_target);
  unit->renaming_target = nullptr;
}

void units_free_all() {
  for (Unit* unit = first_unit; unit != nullptr; unit = unit->next) unit_free(unit);
  first_unit = nullptr;
  last_unit = nullptr;
  store_release();
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
