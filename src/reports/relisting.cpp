#include "reports/relisting.h"

#include "engine/window_actions.h"
#include "reports/display_format.h"
#include "reports/listing.h"

namespace velt {
namespace {

// The format handlers relist right after EnableFormatOptions; the relist that
// unchecking "sort by number of files" would start on its own is left out so
// the report is listed once.
void EnableFormatOptionsWithoutRelist(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  const bool suppressed = reports.suppressRelist;
  reports.suppressRelist = true;
  EnableFormatOptions(session, phrases);
  reports.suppressRelist = suppressed;
}

}  // namespace

void RelistAfterOptionChange(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  if (!session.run.startUpCompleted || reports.suppressRelist) return;
  if (reports.listingRunning) {
    reports.relistRequested = true;
    return;
  }
  if (!CheckDisplayFormatAvailable(session, phrases)) return;
  if (session.run.countAvailable || session.run.listIncomplete) {
    ListWords(session, phrases);
    if (session.run.listIncomplete) {
      session.Message(session.UIText(23), session.UIText(22), MessageIcon::Information);
    }
  }
  SetTheFocus(session);
}

void OnWordOrderChosen(Session& session, ListedPhrases& phrases) {
  if (!session.run.startUpCompleted) return;
  EnableFormatOptionsWithoutRelist(session, phrases);
  RelistAfterOptionChange(session, phrases);
}

void OnDisplayFormatChosen(Session& session, ListedPhrases& phrases) {
  if (!session.run.startUpCompleted) return;
  EnableFormatOptionsWithoutRelist(session, phrases);
  RelistAfterOptionChange(session, phrases);
}

void OnRelativeFrequencyClicked(Session& session, ListedPhrases& phrases) {
  RelistAfterOptionChange(session, phrases);
}

void OnSortByNumberOfFilesClicked(Session& session, ListedPhrases& phrases) {
  // The chain must not change under a running listing's feet.
  if (session.reports.listingRunning) {
    session.reports.chainRebuildRequested = true;
  } else {
    phrases.BuildFrequencyChain(session.settings.sortByNumberOfFiles);
  }
  RelistAfterOptionChange(session, phrases);
}

void OnDisableOutputToFileClicked(Session& session, ListedPhrases& phrases) {
  const Settings& settings = session.settings;
  if (!settings.outputToFileDisabled && !settings.filePaths[1].empty() &&
      session.run.countAvailable && !session.reports.listingRunning) {
    const Answer answer = session.Message(u"Relist?", u"Relist words (so as to write to file)?",
                                          MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::Yes) ListWords(session, phrases);
  }
  SetTheFocus(session);
}

}  // namespace velt
