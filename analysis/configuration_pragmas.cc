#include "analysis/configuration_pragmas.h"

#include <strings.h>

#include <algorithm>
#include <iterator>

namespace {

// The configuration pragmas of the Ada standards and of GNAT, and
// Source_Reference, in lower case and sorted.
constexpr const char* configuration_pragmas[] = {
    "ada_05", "ada_12", "ada_2005", "ada_2012", "ada_2022", "ada_83", "ada_95",
    "aggregate_individually_assign", "allow_integer_address", "annotate", "assertion_policy",
    "assume_no_invalid_values", "c_pass_by_copy", "check_float_overflow", "check_name", "check_policy",
    "compile_time_error", "compile_time_warning", "component_alignment", "convention_identifier",
    "debug_policy", "default_storage_pool", "detect_blocking", "disable_atomic_synchronization",
    "discard_names", "elaboration_checks", "eliminate", "enable_atomic_synchronization", "extend_system",
    "extensions_allowed", "external_name_casing", "favor_top_level", "gnat_annotate", "ignore_pragma",
    "implicit_packing", "initialize_scalars", "interrupt_state", "license", "locking_policy",
    "no_component_reordering", "no_heap_finalization", "no_run_time", "no_strict_aliasing",
    "normalize_scalars", "optimize_alignment", "overflow_mode", "overriding_renamings",
    "partition_elaboration_policy", "persistent_bss", "prefix_exception_messages",
    "priority_specific_dispatching", "profile", "profile_warnings", "propagate_exceptions", "queuing_policy",
    "rational", "ravenscar", "rename_pragma", "restricted_run_time", "restriction_warnings", "restrictions",
    "reviewable", "short_circuit_and_or", "short_descriptors", "source_file_name", "source_file_name_project",
    "source_reference", "spark_mode", "style_checks", "suppress", "suppress_exception_locations",
    "task_dispatching_policy", "unevaluated_use_of_old", "unsuppress", "use_vads_size", "validity_checks",
    "warning_as_error", "warnings", "wide_character_encoding",
};

}  // namespace

bool is_configuration_pragma(const char* name) {
  const auto lower = [](const char* left, const char* right) { return strcasecmp(left, right) < 0; };
  return std::binary_search(std::begin(configuration_pragmas), std::end(configuration_pragmas), name, lower);
}
