// Relisting the last count after a report option changed.
#pragma once

#include "reports/listed_phrases.h"
#include "reports/report_context.h"

namespace velt {

// Lists the last count again under the current options (after start-up, not
// while suppressRelist is set), then gives the Count button the focus.
// Clicked while a listing runs, the relist waits until that listing has
// ended.
void RelistAfterOptionChange(ReportContext& context, ListedPhrases& phrases);

// Relinks the frequency chain by the current "sort by number of files"
// option. The chain must not change under a running listing's feet: while one
// runs, the rebuild waits until it has ended.
void RebuildFrequencyChain(ReportContext& context, ListedPhrases& phrases);

}  // namespace velt
