#ifndef MIRELCHOP_DRIVER_REVISION_ENVIRONMENT_H
#define MIRELCHOP_DRIVER_REVISION_ENVIRONMENT_H

#include "analysis/ada_revision.h"

// The revision sources are read as: Ada 95 unless read_revision_environment
// found another.
extern AdaRevision ada_revision;

// Takes the Ada revision sources are read as from the environment variable
// `variable`: Ada 95 when it is absent, else 95, 2005, 2012 or 2022 as
// written; any other value, the empty one included, prints the error and
// ends with status 7.
void read_revision_environment(const char* variable);

#endif
