#include "analysis/parse_strings.h"

#include <cstring>

#include "analysis/block_store.h"

namespace {

// The strings of the unit being parsed. Its first block, kept from one
// release to the next, holds the strings of most units.
BlockStore store = {};

}  // namespace

char* parse_string_new(const char* bytes, std::size_t length) {
  // Token texts are mostly a few bytes long: one pass that copies and looks
  // for the NUL costs less than the calls to find it and then copy.
  char* text = block_store_take(store, length + 1);
  std::size_t i = 0;
  for (; i < length && bytes[i] != '\0'; ++i) text[i] = bytes[i];
  text[i] = '\0';
  return text;
}

char* parse_string_copy(const char* text) { return parse_string_new(text, std::strlen(text)); }

char* parse_string_concat(const char* a, const char* b, const char* c) {
  if (a == nullptr || c == nullptr) return nullptr;
  const std::size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
  char* text = block_store_take(store, la + lb + lc + 1);
  std::memcpy(text, a, la);
  std::memcpy(text + la, b, lb);
  std::memcpy(text + la + lb, c, lc);
  text[la + lb + lc] = '\0';
  return text;
}

// A released string stays poisoned under AddressSanitizer until its bytes
// are handed out again, so a name used after its unit's release is caught.
void parse_strings_release() { block_store_release(store); }
