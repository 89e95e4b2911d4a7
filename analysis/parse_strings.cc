#include "analysis/parse_strings.h"

#include <cstring>

#include "analysis/block_store.h"

namespace {

// The strings of the unit being parsed. Its first block, kept from one
// release to the next, holds the strings of most units.
BlockStore store = {};

// The last name parse_string_concat built, with room to grow in place: a
// dotted name is built one part at a time, and copying it whole for each
// part would cost the square of its length.
char* growing = nullptr;
std::size_t growing_length = 0;
std::size_t growing_capacity = 0;

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

char* parse_string_whole(const char* bytes, std::size_t length) {
  char* text = block_store_take(store, length + 1);
  // Most identifiers are 4 to 16 bytes long: two overlapping moves of fixed
  // width copy them inline, where a call to copy them would cost more.
  if (length >= 8 && length <= 16) {
    std::memcpy(text, bytes, 8);
    std::memcpy(text + length - 8, bytes + length - 8, 8);
  } else if (length >= 4 && length < 8) {
    std::memcpy(text, bytes, 4);
    std::memcpy(text + length - 4, bytes + length - 4, 4);
  } else {
    std::memcpy(text, bytes, length);
  }
  text[length] = '\0';
  return text;
}

char* parse_string_copy(const char* text) { return parse_string_whole(text, std::strlen(text)); }

char* parse_string_concat(const char* a, const char* b, const char* c) {
  if (a == nullptr || c == nullptr) return nullptr;
  const std::size_t lb = std::strlen(b), lc = std::strlen(c);
  // The name a grows into is its prefix's only holder: the parse actions
  // copy every name they keep.
  if (a == growing && growing_capacity - growing_length > lb + lc) {
    std::memcpy(growing + growing_length, b, lb);
    std::memcpy(growing + growing_length + lb, c, lc);
    growing_length += lb + lc;
    growing[growing_length] = '\0';
    return growing;
  }
  const std::size_t la = a == growing ? growing_length : std::strlen(a);
  const std::size_t length = la + lb + lc;
  // Twice the room needed: a name that keeps growing is copied a number of
  // times that grows with the logarithm of its length.
  char* text = block_store_take(store, 2 * (length + 1));
  std::memcpy(text, a, la);
  std::memcpy(text + la, b, lb);
  std::memcpy(text + la + lb, c, lc);
  text[length] = '\0';
  growing = text;
  growing_length = length;
  growing_capacity = 2 * (length + 1);
  return text;
}

// A released string stays poisoned under AddressSanitizer until its bytes
// are handed out again, so a name used after its unit's release is caught.
void parse_strings_release() {
  block_store_release(store);
  growing = nullptr;
  growing_length = 0;
  growing_capacity = 0;
}
