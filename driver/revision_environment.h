#ifndef MIRELCHOP_DRIVER_REVISION_ENVIRONMENT_H
#define MIRELCHOP_DRIVER_REVISION_ENVIRONMENT_H

// Sets ada_revision (analysis/parser.h) from the environment variable
// `variable`: Ada 95 when it is absent, else 95, 2005, 2012 or 2022 as
// written; any other value, the empty one included, prints the error and
// ends with status 7.
void read_revision_environment(const char* variable);

#endif
