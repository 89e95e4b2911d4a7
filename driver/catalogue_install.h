#ifndef MIRELCHOP_DRIVER_CATALOGUE_INSTALL_H
#define MIRELCHOP_DRIVER_CATALOGUE_INSTALL_H

#include <string>

// Finds the catalogue `base_name` in `directory` (both the user's bytes) as
// Qt's translator would: `base_name`.qm, then `base_name`, then again with
// the name cut at its last '_' or '.', and so on. Installs it into the
// application object when its structure is sound; a damaged one is not used,
// with a warning naming it, and its messages stay in English.
void install_checked_catalogue(const std::string& directory, const std::string& base_name);

#endif
