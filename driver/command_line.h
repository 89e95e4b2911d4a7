#ifndef MIRELCHOP_DRIVER_COMMAND_LINE_H
#define MIRELCHOP_DRIVER_COMMAND_LINE_H

#include <vector>

// Applies the options of argv[1..argc-1] to the run settings and returns the
// source words in command-line order, never empty. A trailing directory
// after two or more file words becomes the output directory. Ends the
// process itself for -h, -v, -version and every command-line error.
std::vector<const char*> parse_command_line(int argc, char** argv);

// Prints the usage text and the banner and ends the process with status 7.
[[noreturn]] void print_usage();

#endif
