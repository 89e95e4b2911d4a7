#ifndef MIRELCHOP_DRIVER_CATALOGUE_CHECK_H
#define MIRELCHOP_DRIVER_CATALOGUE_CHECK_H

#include <cstddef>

// True when `data` is a compiled message catalogue whose every offset and
// length stays within its own section, so that looking up any message in it
// reads nothing outside the bytes and cannot divide by zero. Qt trusts these
// fields; one changed byte in a catalogue would otherwise crash a lookup.
// A catalogue that names other catalogues it depends on is refused too: those
// would be loaded unchecked.
bool catalogue_is_sound(const unsigned char* data, std::size_t size);

#endif
