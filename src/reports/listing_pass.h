// One pass of a listing over the phrase table: into the output file or into
// the text window.
#pragma once

#include "reports/listed_phrases.h"
#include "reports/listing_read_ahead.h"
#include "reports/output_file.h"
#include "reports/report_context.h"
#include "reports/report_options.h"

namespace velt {

struct ListingPass {
  ListingPass(ReportContext& context, ListingReadAhead& records, const ReportOptions& options,
              OutputFile* file = nullptr)
      : context(context), records(records), phrases(records), options(options), file(file) {}

  ReportContext& context;
  ListingReadAhead& records;  // told which record the pass visits
  ListedPhrases& phrases;     // the same, for reading
  const ReportOptions& options;
  OutputFile* file = nullptr;     // the output file during the file pass, else null
  bool commaListStarted = false;  // format 9 in the file: an item has been written
  Text line;                      // the line being built, reused from phrase to phrase

  bool ToFile() const { return file != nullptr; }
};

}  // namespace velt
