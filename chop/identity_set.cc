#include "chop/identity_set.h"

#include "driver/ac_mem.h"

namespace {

// The fewest slots a table starts with.
constexpr std::size_t least_capacity = 16;

// Whether `count` identities fit in `capacity` slots, at most three quarters full.
bool fits(std::size_t count, std::size_t capacity) { return count <= capacity - capacity / 4; }

// The first slot to try for `identity` among `capacity`: identities of
// files made one after another differ in their low bits only, so they are
// spread by a multiplication whose high bits depend on all of theirs, then
// scaled onto the table without a division.
std::size_t home_slot(uint64_t identity, std::size_t capacity) {
  const uint64_t mixed = identity * 0x9E3779B97F4A7C15u;
  return static_cast<std::size_t>((static_cast<unsigned __int128>(mixed) * capacity) >> 64);
}

// Puts a nonzero `identity` known to be absent into the table of `slots`.
void place(uint64_t* slots, std::size_t capacity, uint64_t identity) {
  std::size_t slot = home_slot(identity, capacity);
  while (slots[slot] != 0) slot = slot + 1 == capacity ? 0 : slot + 1;
  slots[slot] = identity;
}

// Moves the set's identities into a new table of `capacity` slots.
void rebuild(IdentitySet& set, std::size_t capacity) {
  auto* slots = static_cast<uint64_t*>(ac_alloc(capacity * sizeof(uint64_t)));
  for (std::size_t slot = 0; slot < set.capacity; ++slot)
    if (set.slots[slot] != 0) place(slots, capacity, set.slots[slot]);
  ac_free(set.slots);
  set.slots = slots;
  set.capacity = capacity;
}

// The slot of the table (which must exist) that holds the nonzero
// `identity`, or the empty slot where the search for it ends.
std::size_t probe(const IdentitySet& set, uint64_t identity) {
  std::size_t slot = home_slot(identity, set.capacity);
  while (set.slots[slot] != 0 && set.slots[slot] != identity) slot = slot + 1 == set.capacity ? 0 : slot + 1;
  return slot;
}

}  // namespace

void identity_set_reserve(IdentitySet& set, std::size_t count) {
  if (set.slots != nullptr && fits(count, set.capacity)) return;
  std::size_t capacity = count + count / 3 + 1;
  if (capacity < least_capacity) capacity = least_capacity;
  while (!fits(count, capacity)) ++capacity;
  rebuild(set, capacity);
}

bool identity_set_insert(IdentitySet& set, uint64_t identity) {
  if (identity == 0) {
    const bool added = !set.holds_zero;
    set.holds_zero = true;
    return added;
  }
  if (set.slots != nullptr) {
    const std::size_t slot = probe(set, identity);
    if (set.slots[slot] == identity) return false;
    if (fits(set.count + 1, set.capacity)) {
      set.slots[slot] = identity;
      ++set.count;
      return true;
    }
  }
  rebuild(set, set.slots == nullptr ? least_capacity : set.capacity * 2);
  place(set.slots, set.capacity, identity);
  ++set.count;
  return true;
}

bool identity_set_contains(const IdentitySet& set, uint64_t identity) {
  if (identity == 0) return set.holds_zero;
  return set.slots != nullptr && set.slots[probe(set, identity)] == identity;
}

void identity_set_release(IdentitySet& set) {
  ac_free(set.slots);
  set = {};
}
