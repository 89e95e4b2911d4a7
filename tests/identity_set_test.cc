#include "chop/identity_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// One insertion and whether it must find the identity new.
struct Insert {
  uint64_t identity;
  bool is_new;
};

// A sequence of insertions into one set, with the room reserved before the
// first (0: none, the set grows from nothing).
struct IdentityRow {
  const char* name;
  std::size_t reserved;
  std::vector<Insert> inserts;
};

void PrintTo(const IdentityRow& row, std::ostream* os) { *os << row.name; }

// Insertions of `identities` in order, each expected new exactly when it
// has not come before.
std::vector<Insert> first_time_new(const std::vector<uint64_t>& identities) {
  std::set<uint64_t> seen;
  std::vector<Insert> inserts;
  for (const uint64_t identity : identities) inserts.push_back({identity, seen.insert(identity).second});
  return inserts;
}

// Identities of files as a run makes them: `count` inodes in a row on one
// device, packed as the chopper packs them, with every fifth one repeated.
std::vector<uint64_t> files_in_a_row(std::size_t count, uint64_t device) {
  std::vector<uint64_t> identities;
  for (uint64_t inode = 1000; inode < 1000 + count; ++inode) {
    identities.push_back(inode ^ (device << 40));
    if (inode % 5 == 0) identities.push_back((inode - 3) ^ (device << 40));
  }
  return identities;
}

// `count` draws from a fixed generator over `range` values spread across
// all 64 bits, so that most come several times.
std::vector<uint64_t> random_draws(std::size_t count, uint64_t range) {
  std::mt19937_64 generator(17);
  std::vector<uint64_t> identities;
  for (std::size_t i = 0; i < count; ++i) identities.push_back((generator() % range) * 0x0101010101010101u);
  return identities;
}

// Identities that agree in their low bits and differ only in the device
// bits, or are multiples of a large power of two, so that a table indexed by
// low bits would put them all in one slot.
std::vector<uint64_t> same_low_bits() {
  std::vector<uint64_t> identities;
  for (uint64_t device = 1; device <= 40; ++device) identities.push_back(7 ^ (device << 40));
  for (uint64_t k = 1; k <= 40; ++k) identities.push_back(k << 48);
  for (uint64_t device = 1; device <= 40; ++device) identities.push_back(7 ^ (device << 40));
  for (uint64_t k = 1; k <= 40; ++k) identities.push_back(k << 48);
  return identities;
}

const IdentityRow identity_rows[] = {
    {"DistinctIdentitiesAreNew", 0, {{1, true}, {2, true}, {0xFFFFFFFFFFFFFFFFu, true}, {1u << 20, true}}},
    {"RepeatsAreNotNew", 0, {{5, true}, {7, true}, {5, false}, {7, false}, {5, false}, {6, true}}},
    {"IdentityZeroIsOneLikeAnyOther", 0, {{0, true}, {0, false}, {16, true}, {0, false}, {16, false}}},
    {"IdentityZeroAfterOthersInAFullTable", 0, first_time_new({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 13, 0, 12})},
    {"GrowsFromNothingKeepingEveryIdentity", 0, first_time_new(files_in_a_row(5000, 3))},
    {"ReservedRoomHoldsEveryIdentity", 5000, first_time_new(files_in_a_row(5000, 3))},
    {"ReservedTooLittleStillGrows", 10, first_time_new(files_in_a_row(300, 9))},
    {"ManyRepeatsAmongFewValues", 0, first_time_new(random_draws(20000, 700))},
    {"IdentitiesAgreeingInTheirLowBits", 0, first_time_new(same_low_bits())},
};

class IdentitySetRows : public ::testing::TestWithParam<IdentityRow> {};

// Each insertion finds the identity new exactly when it was inserted before.
TEST_P(IdentitySetRows, InsertTellsNewIdentitiesFromRepeats) {
  const IdentityRow& row = GetParam();
  IdentitySet set = {};
  if (row.reserved != 0) identity_set_reserve(set, row.reserved);
  for (std::size_t i = 0; i < row.inserts.size(); ++i) {
    const Insert& insert = row.inserts[i];
    ASSERT_EQ(identity_set_insert(set, insert.identity), insert.is_new)
        << "insertion " << i << " of identity " << insert.identity;
  }
  identity_set_release(set);
}

INSTANTIATE_TEST_SUITE_P(Rows, IdentitySetRows, ::testing::ValuesIn(identity_rows),
                         [](const auto& info) { return std::string(info.param.name); });

// Room reserved for a count is enough for that many identities: the table
// is neither moved nor enlarged while they go in, and identities already
// held survive a later, larger reservation.
TEST(IdentitySet, ReservedRoomTakesNoFurtherAllocation) {
  IdentitySet set = {};
  identity_set_insert(set, 42);
  identity_set_reserve(set, 3000);
  const uint64_t* slots = set.slots;
  const std::size_t capacity = set.capacity;
  EXPECT_FALSE(identity_set_insert(set, 42));
  for (uint64_t identity = 1; identity < 3000; ++identity)
    if (identity != 42) ASSERT_TRUE(identity_set_insert(set, identity)) << identity;
  EXPECT_EQ(set.slots, slots);
  EXPECT_EQ(set.capacity, capacity);
  EXPECT_EQ(set.count, 2999u);
  // A smaller reservation keeps the table as it is.
  identity_set_reserve(set, 10);
  EXPECT_EQ(set.slots, slots);
  identity_set_release(set);
}

// A released set holds nothing and can be filled again.
TEST(IdentitySet, ReleasedSetStartsEmpty) {
  IdentitySet set = {};
  for (uint64_t identity = 0; identity < 100; ++identity) identity_set_insert(set, identity);
  identity_set_release(set);
  EXPECT_EQ(set.slots, nullptr);
  EXPECT_EQ(set.count, 0u);
  for (uint64_t identity = 0; identity < 100; ++identity) ASSERT_TRUE(identity_set_insert(set, identity)) << identity;
  identity_set_release(set);
}

}  // namespace
