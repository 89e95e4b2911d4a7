#include "driver/banner.h"

#include <QDate>
#include <QTime>
#include <cstdio>

#include "driver/messages.h"
#include "driver/standard_streams.h"

namespace {

const char* const version = "8.0.0.5.340.013";
const char* const build_number = "340.013";
const char* const build_year = "2013";
const char* const build_month = "12";
const char* const build_day = "6";
const char* const build_hour = "1";
const char* const build_minute = "17";
const char* const system_name = "win32";

}  // namespace

void print_banner() {
  const QString lines[] = {
      QString("%1 %2\n").arg(translate("PLOVIdent", "Kovar"), QString(version)),
      QString("%1 %2\n").arg(translate("Version", "Build Number: "), QString(build_number)),
      QString("%1\n").arg(translate("PLOVIdent", "Copyright (C) 2013 Kovar.\nAll rights reserved.")),
  };
  for (const QString& line : lines) print_message(stdout, line);
}

void print_version() {
  print_banner();
  const QDate date(QString(build_year).toInt(), QString(build_month).toInt(), QString(build_day).toInt());
  const QTime time(QString(build_hour).toInt(), QString(build_minute).toInt(), 0, 0);
  print_message(stdout, translate("Version", "   Date : %1 %2\n", "%1 is an ISO date string, %2 an ISO hour")
                            .arg(date.toString(Qt::ISODate), time.toString(Qt::ISODate)));
  print_message(stdout, translate("Version", "     OS : %1\n", "%1 is an operating system name").arg(system_name));
  end_after_standard_output(0);
}
