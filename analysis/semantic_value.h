#ifndef MIRELCHOP_ANALYSIS_SEMANTIC_VALUE_H
#define MIRELCHOP_ANALYSIS_SEMANTIC_VALUE_H

#include <cstdint>

struct NameItem;

// The value carried with every token and grammar symbol. Plain data, so
// the generated parser can copy it on its value stack.
struct SemanticValue {
  int32_t line;     // line of the first byte, from 1
  int32_t column;   // column of the first byte, from 1
  // A symbol carries a text or a name list, never both; sharing their room
  // keeps the value at 16 bytes, which every reduction copies twice.
  union {
    char* text;       // identifiers and literals: the token's text
    NameItem* names;  // with-clause lists, set by the parse actions only
  };
};

#endif
