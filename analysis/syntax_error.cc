#include "analysis/syntax_error.h"

#include <QString>

#include "analysis/later_revision_hint.h"
#include "analysis/scanner.h"
#include "driver/messages.h"
#include "driver/run_settings.h"

void report_syntax_error() {
  if (trial_parse_running()) throw ParseRefused{};
  // One arg() call, so that a file name holding "%2" is printed as it is.
  const QString message =
      translate("Error", "%1:%2:%3: Syntax error while analysing, can't continue.\n",
                "%1 is a file name, %2 and %3 line and column numbers")
          .arg(local_text(current_source_name), QString::number(scan_line), QString::number(scan_column));
  // The position is taken before the second reading moves the scanner.
  fail(7, message + later_revision_note());
}

void report_nesting_too_deep() {
  if (trial_parse_running()) throw ParseRefused{};
  fail(7, translate("Error", "%1:%2:%3: Construct nested too deeply, can't continue.\n",
                    "%1 is a file name, %2 and %3 line and column numbers")
              .arg(local_text(current_source_name), QString::number(scan_line), QString::number(scan_column)));
}
