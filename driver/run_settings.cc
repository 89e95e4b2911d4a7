#include "driver/run_settings.h"

const char* current_source_name = nullptr;
bool current_source_utf8 = false;
NamingFunction naming_convention = nullptr;
bool naming_from_default = false;
bool list_only = false;
bool no_overwrite = true;
const char* output_directory = nullptr;
FILE* studio_log = nullptr;
const char* studio_log_name = nullptr;
