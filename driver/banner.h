#ifndef MIRELCHOP_DRIVER_BANNER_H
#define MIRELCHOP_DRIVER_BANNER_H

// Prints the product name and version, the build number and the legal notice.
void print_banner();

// Prints the banner, the build date and the operating system, and ends the
// process with status 0.
[[noreturn]] void print_version();

#endif
