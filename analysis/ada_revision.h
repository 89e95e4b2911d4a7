#ifndef MIRELCHOP_ANALYSIS_ADA_REVISION_H
#define MIRELCHOP_ANALYSIS_ADA_REVISION_H

#include <cstdint>

// The revision of the Ada standard a source is read as. Ada 95 is the
// default; each later one adds reserved words, lexical elements and syntax.
enum AdaRevision : uint8_t {
  ADA_95,
  ADA_2005,
  ADA_2012,
  ADA_2022,
};

#endif
