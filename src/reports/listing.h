// The listing: the single entry point of every report (ListWords) and its two
// traversals of the phrase table.
#pragma once

#include "reports/listed_phrases.h"
#include "reports/listing_pass.h"
#include "reports/report_context.h"

namespace velt {

// Lists the counted phrases: first into the output file when file output is
// enabled (asking before overwriting when the Settings option says so), then
// into the text window. Does nothing while a listing is already running; an
// option clicked meanwhile relists when this one has ended.
void ListWords(ReportContext& context, ListedPhrases& phrases);

// How a traversal ended. A failure has been reported already.
enum class PassEnd { Completed, Stopped, Failed };

// The phrases in table (sort-key) order.
PassEnd ListWordsAlphabetically(ListingPass& pass);

// The phrases along the frequency chain.
PassEnd ListWordsByFrequency(ListingPass& pass);

}  // namespace velt
