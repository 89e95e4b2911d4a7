#include "driver/naming.h"

#include <cstdlib>
#include <cstring>

#include "analysis/ac_tree.h"
#include "driver/ac_mem.h"
#include "driver/messages.h"
#include "driver/name_folding.h"
#include "driver/run_settings.h"

namespace {

// file_name for a full name of `length` bytes holding some beyond ASCII:
// folded as the source's encoding asks.
char* folded_file_name(const Unit* unit, size_t length, char dot, const char* extension) {
  char* name = static_cast<char*>(ac_alloc(folded_capacity(length) + std::strlen(extension) + 1));
  const size_t folded = fold_name(unit->full_name, length, current_source_utf8, name);
  for (size_t i = 0; i < folded; ++i)
    if (name[i] == '.') name[i] = dot;
  std::strcpy(name + folded, extension);
  return name;
}

// Copies the lowered full name into a zero-filled block with room for
// `extension`, turning dots into `dot`, and appends the extension. A name
// found to hold a byte beyond ASCII, rare, is made again by folded_file_name.
char* file_name(const Unit* unit, char dot, const char* extension) {
  const size_t length = std::strlen(unit->full_name);
  char* name = static_cast<char*>(ac_alloc(length + std::strlen(extension) + 1));
  unsigned char bytes_seen = 0;
  for (size_t i = 0; i < length; ++i) {
    const char byte = unit->full_name[i];
    bytes_seen |= static_cast<unsigned char>(byte);
    name[i] = byte == '.' ? dot : lower_ascii(byte);
  }
  if (bytes_seen >= 0x80) {
    ac_free(name);
    return folded_file_name(unit, length, dot, extension);
  }
  std::strcpy(name + length, extension);
  return name;
}

}  // namespace

void read_naming_environment(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) {
    naming_from_default = true;
    naming_convention = gnat_file_name;
    return;
  }
  select_naming_convention(local_text(value));
}

void select_naming_convention(const QString& name) {
  const QString upper = name.toUpper();
  if (upper == QLatin1String("VESK")) {
    naming_convention = vesk_file_name;
  } else if (upper == QLatin1String("GNAT")) {
    naming_convention = gnat_file_name;
  } else {
    fail(7, translate("Error", "Error : unknown naming convention (%1)\n", "%1 is a string").arg(name));
  }
}

const char* naming_convention_name() { return naming_convention == vesk_file_name ? "VESK" : "GNAT"; }

char* gnat_file_name(const Unit* unit) {
  char* name = file_name(unit, '-', unit->kind == SPEC ? ".ads" : ".adb");
  // A one-letter parent a, g, i or s would clash with the predefined
  // hierarchies' file names, so its hyphen becomes a tilde.
  if (name[1] == '-' && std::strchr("agis", name[0]) != nullptr) name[1] = '~';
  return name;
}

char* vesk_file_name(const Unit* unit) { return file_name(unit, '.', unit->kind == SPEC ? ".1.ada" : ".2.ada"); }
