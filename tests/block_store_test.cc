#include "analysis/block_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "driver/ac_mem.h"

namespace {

// A store of its own for each test; all its blocks are freed at the end.
class BlockStoreTest : public ::testing::Test {
 protected:
  void TearDown() override {
    block_store_release(store_);
    ac_free(store_.first);
  }
  BlockStore store_ = {};
};

// Items of every size, across block boundaries and beyond a block's size,
// keep their bytes until the release and never overlap.
TEST_F(BlockStoreTest, ItemsKeepTheirBytesUntilTheRelease) {
  const std::size_t sizes[] = {1, 7, 64, 4096, 60000, 70000, 3, 200000, 16};
  std::vector<std::pair<char*, std::size_t>> items;
  for (int round = 0; round < 3; ++round)
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
      char* item = block_store_take(store_, sizes[i]);
      std::memset(item, 'a' + static_cast<int>(items.size() % 26), sizes[i]);
      items.emplace_back(item, sizes[i]);
    }
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto& [item, size] = items[i];
    for (std::size_t b = 0; b < size; b += 997) ASSERT_EQ(item[b], 'a' + static_cast<int>(i % 26)) << "item " << i;
    ASSERT_EQ(item[size - 1], 'a' + static_cast<int>(i % 26)) << "item " << i;
  }
}

// After a release the store serves again from its first block, from its
// start, so a run over many small sources reuses the same memory.
TEST_F(BlockStoreTest, ReleaseKeepsTheFirstBlockForReuse) {
  char* first_item = block_store_take(store_, 10);
  StoreBlock* first = store_.first;
  for (int i = 0; i < 5; ++i) block_store_take(store_, 50000);
  EXPECT_NE(store_.current, first);
  block_store_release(store_);
  EXPECT_EQ(store_.first, first);
  EXPECT_EQ(store_.current, first);
  EXPECT_EQ(first->next, nullptr);
  EXPECT_EQ(block_store_take(store_, 10), first_item);
}

// Two stores share nothing: releasing one and filling it again leaves the
// other's items alone.
TEST_F(BlockStoreTest, StoresAreIndependent) {
  BlockStore other = {};
  char* mine = block_store_take(store_, 6);
  std::memcpy(mine, "mine!", 6);
  char* theirs = block_store_take(other, 7);
  std::memcpy(theirs, "theirs", 7);
  block_store_release(other);
  // The other store hands out its bytes again; none of them may be mine.
  std::memset(block_store_take(other, 64), 'x', 64);
  EXPECT_STREQ(mine, "mine!");
  block_store_release(other);
  ac_free(other.first);
}

}  // namespace
