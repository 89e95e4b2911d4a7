#include "driver/revision_environment.h"

#include <cstdlib>
#include <cstring>

#include "analysis/parser.h"
#include "driver/messages.h"

namespace {

// The values the variable accepts, each the year of its revision.
struct RevisionName {
  const char* name;
  AdaRevision revision;
};

const RevisionName revision_names[] = {
    {"95", ADA_95},
    {"2005", ADA_2005},
    {"2012", ADA_2012},
    {"2022", ADA_2022},
};

}  // namespace

void read_revision_environment(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return;
  for (const RevisionName& entry : revision_names) {
    if (std::strcmp(value, entry.name) == 0) {
      ada_revision = entry.revision;
      return;
    }
  }
  fail(7, translate("Error", "Error : unknown Ada revision (%1) in %2, use 95, 2005, 2012 or 2022\n",
                    "%1 is the value given, %2 the environment variable's name")
              .arg(local_text(value), QString::fromLatin1(variable)));
}
