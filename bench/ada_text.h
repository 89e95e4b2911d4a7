#ifndef MIRELCHOP_BENCH_ADA_TEXT_H
#define MIRELCHOP_BENCH_ADA_TEXT_H

#include <cstddef>
#include <string>

// About `size` bytes of varied, well-formed Ada 95 text: specs and bodies
// with context clauses, comments, attributes, based and real literals,
// strings, character literals and operators.
std::string ada_text(std::size_t size);

#endif
