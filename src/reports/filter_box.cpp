#include "reports/filter_box.h"

#include "reports/filter_words.h"
#include "reports/listing.h"
#include "text/case_mapping.h"
#include "text/strings.h"

namespace velt {

void NormaliseFilterWords(Settings& settings, ReportState& state) {
  state.filterWordsParsed = LowerCaseText(TrimmedOfSpaces(settings.filterWords));
  state.filterWordList = ParseFilterWords(state.filterWordsParsed);
  state.filterWordCount = static_cast<int>(state.filterWordList.size());
  settings.filterWords = JoinFilterWords(state.filterWordList);
}

void ListWordsFiltered(ReportContext& context, ListedPhrases& phrases) {
  ReportState& state = context.state;
  if (state.listingRunning) return;
  state.filterWordFound = false;
  state.filterActive = true;
  ListWords(context, phrases);
  state.filterActive = false;
}

}  // namespace velt
