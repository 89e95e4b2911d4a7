#ifndef MIRELCHOP_TESTS_NESTED_SOURCE_H
#define MIRELCHOP_TESTS_NESTED_SOURCE_H

#include <string>

// A library procedure whose body is `depth` case statements, each the only
// statement of the one around it: a source that fills the parse stack.
std::string nested_case_statements(int depth);

#endif
