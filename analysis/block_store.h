#ifndef MIRELCHOP_ANALYSIS_BLOCK_STORE_H
#define MIRELCHOP_ANALYSIS_BLOCK_STORE_H

#include <sanitizer/asan_interface.h>

#include <cstddef>

// A store of bytes that are all released together: the unit records of a
// source, the name strings of a compilation unit. It takes memory from the
// guarded allocator in blocks of 64 KB (or one block for a larger request),
// so an item costs no allocation of its own. The first block is kept from
// one release to the next: a run over many small sources, or a source of
// many small units, settles on it and its bytes stay in cache.

// One block of a store; its bytes follow the header.
struct StoreBlock {
  StoreBlock* next;
  std::size_t capacity;
};

// A store: its blocks, the next free byte and the end of the current block.
// All null in a store that has taken nothing yet.
struct BlockStore {
  StoreBlock* first;
  StoreBlock* current;
  char* cursor;
  char* limit;
};

// Adds a block with room for at least `size` bytes and makes it current.
void block_store_grow(BlockStore& store, std::size_t size);

// `size` bytes of `store`, uninitialised, valid until its next release.
// Under AddressSanitizer the store's free bytes are poisoned: reading a
// released item, or past an item's end into free bytes, is reported.
inline char* block_store_take(BlockStore& store, std::size_t size) {
  if (static_cast<std::size_t>(store.limit - store.cursor) < size) block_store_grow(store, size);
  char* taken = store.cursor;
  store.cursor += size;
  ASAN_UNPOISON_MEMORY_REGION(taken, size);
  return taken;
}

// Releases everything taken from `store`; its first block stays for reuse.
void block_store_release(BlockStore& store);

#endif
