#include "reports/relisting.h"

#include "reports/display_format.h"
#include "reports/listing.h"
#include "settings/ui_texts.h"

namespace velt {

void RelistAfterOptionChange(ReportContext& context, ListedPhrases& phrases) {
  ReportState& state = context.state;
  const RunState& run = context.run;
  if (!run.startUpCompleted || state.suppressRelist) return;
  if (state.listingRunning) {
    state.relistRequested = true;
    return;
  }
  if (!CheckDisplayFormatAvailable(context)) return;
  if (run.countAvailable || run.listIncomplete) {
    ListWords(context, phrases);
    if (run.listIncomplete) {
      Shell& shell = context.shell;
      shell.Message(MessageId::ListIncomplete, shell.UIText(ui_text::kListIncompleteTitle),
                    shell.UIText(ui_text::kListIncomplete), MessageIcon::Information);
    }
  }
  context.hooks.FocusCountButton();
}

void RebuildFrequencyChain(ReportContext& context, ListedPhrases& phrases) {
  if (context.state.listingRunning) {
    context.state.chainRebuildRequested = true;
  } else {
    phrases.BuildFrequencyChain(context.settings.sortByNumberOfFiles);
  }
}

}  // namespace velt
