#include "analysis/syntax_error.h"

#include <QString>

#include "analysis/scanner.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

void report_syntax_error() {
  // One arg() call, so that a file name holding "%2" is printed as it is.
  fail(7, translate("Error", "%1:%2:%3: Syntax error while analysing, can't continue.\n",
                    "%1 is a file name, %2 and %3 line and column numbers")
              .arg(local_text(current_source_name), QString::number(scan_line), QString::number(scan_column)));
}

void report_nesting_too_deep() {
  fail(7, translate("Error", "%1:%2:%3: Construct nested too deeply, can't continue.\n",
                    "%1 is a file name, %2 and %3 line and column numbers")
              .arg(local_text(current_source_name), QString::number(scan_line), QString::number(scan_column)));
}
