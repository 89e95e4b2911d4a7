#ifndef MIRELCHOP_CHOP_IDENTITY_SET_H
#define MIRELCHOP_CHOP_IDENTITY_SET_H

#include <cstddef>
#include <cstdint>

// A set of 64-bit file identities (the unit files one chop has written),
// kept in one flat table of 8-byte slots from the guarded allocator: open
// addressing with linear probing, at most three quarters full. A hash set
// of nodes spends about 40 bytes of the heap on each identity; this one
// about 11 when its room is reserved up front, at most 22 as it grows. A
// slot holding 0 is empty, so identity 0 is held by a flag of its own.
struct IdentitySet {
  uint64_t* slots;        // `capacity` slots, 0 when empty; null until room is taken
  std::size_t capacity;   // number of slots
  std::size_t count;      // nonzero identities in the slots
  bool holds_zero;        // identity 0 is in the set
};

// Makes room for `count` identities in all, so that inserting up to that
// many takes no further allocation; the identities held stay.
void identity_set_reserve(IdentitySet& set, std::size_t count);

// Adds `identity`; true when it was not in the set yet, false (and the set
// unchanged) when it was.
bool identity_set_insert(IdentitySet& set, uint64_t identity);

// True when `identity` is in the set.
bool identity_set_contains(const IdentitySet& set, uint64_t identity);

// Releases the table and leaves the set empty, ready for use again.
void identity_set_release(IdentitySet& set);

#endif
