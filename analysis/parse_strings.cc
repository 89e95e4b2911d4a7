#include "analysis/parse_strings.h"

#include <cstddef>
#include <cstring>

#include "driver/ac_mem.h"

namespace {

// The kept strings; the array's capacity stays for the next source.
char** kept = nullptr;
std::size_t kept_count = 0;
std::size_t kept_capacity = 0;

}  // namespace

char* parse_string_keep(char* text) {
  if (text == nullptr) return nullptr;
  if (kept_count == kept_capacity) {
    kept_capacity = kept_capacity == 0 ? 1024 : kept_capacity * 2;
    kept = static_cast<char**>(ac_realloc(kept, kept_capacity * sizeof *kept));
  }
  kept[kept_count++] = text;
  return text;
}

char* parse_string_copy(const char* text) {
  const std::size_t length = std::strlen(text);
  char* copy = static_cast<char*>(ac_alloc(length + 1));
  std::memcpy(copy, text, length);
  return parse_string_keep(copy);
}

void parse_strings_release() {
  for (std::size_t i = 0; i < kept_count; ++i) ac_free(kept[i]);
  kept_count = 0;
}
