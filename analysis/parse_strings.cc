#include "analysis/parse_strings.h"

#include <sanitizer/asan_interface.h>

#include <cstring>

#include "driver/ac_mem.h"

namespace {

// One block of the store, its bytes following the header.
struct StoreBlock {
  StoreBlock* next;
  std::size_t capacity;
};

// Large enough for the strings of most units, so that the store settles on
// its first block and its bytes stay in cache from one unit to the next.
constexpr std::size_t block_size = 64 * 1024;

// The first block is kept from one release to the next; later ones, needed
// only by a unit with more strings than it holds, are released with them.
StoreBlock* first_block = nullptr;
StoreBlock* current_block = nullptr;
char* cursor = nullptr;  // next free byte of current_block
char* limit = nullptr;   // end of current_block

char* bytes_of(StoreBlock* block) { return reinterpret_cast<char*>(block + 1); }

void use_block(StoreBlock* block) {
  current_block = block;
  cursor = bytes_of(block);
  limit = cursor + block->capacity;
}

// Room for `size` bytes, in a new block when the current one lacks it.
char* take(std::size_t size) {
  if (static_cast<std::size_t>(limit - cursor) < size) {
    const std::size_t capacity = size > block_size ? size : block_size;
    auto* block = static_cast<StoreBlock*>(ac_alloc(sizeof(StoreBlock) + capacity));
    block->capacity = capacity;
    ASAN_POISON_MEMORY_REGION(bytes_of(block), capacity);
    if (first_block == nullptr)
      first_block = block;
    else
      current_block->next = block;
    use_block(block);
  }
  char* taken = cursor;
  cursor += size;
  ASAN_UNPOISON_MEMORY_REGION(taken, size);
  return taken;
}

}  // namespace

char* parse_string_new(const char* bytes, std::size_t length) {
  // Token texts are mostly a few bytes long: one pass that copies and looks
  // for the NUL costs less than the calls to find it and then copy.
  char* text = take(length + 1);
  std::size_t i = 0;
  for (; i < length && bytes[i] != '\0'; ++i) text[i] = bytes[i];
  text[i] = '\0';
  return text;
}

char* parse_string_copy(const char* text) { return parse_string_new(text, std::strlen(text)); }

char* parse_string_concat(const char* a, const char* b, const char* c) {
  if (a == nullptr || c == nullptr) return nullptr;
  const std::size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
  char* text = take(la + lb + lc + 1);
  std::memcpy(text, a, la);
  std::memcpy(text + la, b, lb);
  std::memcpy(text + la + lb, c, lc);
  text[la + lb + lc] = '\0';
  return text;
}

// Under AddressSanitizer a released string stays poisoned until its bytes
// are handed out again, so a name used after its unit's release is still
// caught, as it was when every string had an allocation of its own.
void parse_strings_release() {
  if (first_block == nullptr) return;
  StoreBlock* block = first_block->next;
  while (block != nullptr) {
    StoreBlock* next = block->next;
    ac_free(block);
    block = next;
  }
  first_block->next = nullptr;
  ASAN_POISON_MEMORY_REGION(bytes_of(first_block), first_block->capacity);
  use_block(first_block);
}
