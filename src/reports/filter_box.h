// The filter-words box as the listing takes it, and the filtered listing.
#pragma once

#include "reports/listed_phrases.h"
#include "reports/report_context.h"

namespace velt {

// Normalises the box: trimmed and lower-cased into filterWordsParsed, parsed
// into the filter words, and the box rewritten as the words joined by single
// spaces.
void NormaliseFilterWords(Settings& settings, ReportState& state);

// Lists the last count restricted to the filter words. Does nothing while a
// listing runs.
void ListWordsFiltered(ReportContext& context, ListedPhrases& phrases);

}  // namespace velt
