#include "analysis/block_store.h"

#include "driver/ac_mem.h"

namespace {

constexpr std::size_t block_size = 64 * 1024;

char* bytes_of(StoreBlock* block) { return reinterpret_cast<char*>(block + 1); }

void use_block(BlockStore& store, StoreBlock* block) {
  store.current = block;
  store.cursor = bytes_of(block);
  store.limit = store.cursor + block->capacity;
}

}  // namespace

void block_store_grow(BlockStore& store, std::size_t size) {
  const std::size_t capacity = size > block_size ? size : block_size;
  auto* block = static_cast<StoreBlock*>(ac_alloc(sizeof(StoreBlock) + capacity));
  block->next = nullptr;
  block->capacity = capacity;
  ASAN_POISON_MEMORY_REGION(bytes_of(block), capacity);
  if (store.first == nullptr)
    store.first = block;
  else
    store.current->next = block;
  use_block(store, block);
}

void block_store_release(BlockStore& store) {
  if (store.first == nullptr) return;
  StoreBlock* block = store.first->next;
  while (block != nullptr) {
    StoreBlock* next = block->next;
    ac_free(block);
    block = next;
  }
  store.first->next = nullptr;
  ASAN_POISON_MEMORY_REGION(bytes_of(store.first), store.first->capacity);
  use_block(store, store.first);
}
