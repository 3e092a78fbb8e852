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
  const bool suppressed = reports.blnSuppressRelist;
  reports.blnSuppressRelist = true;
  EnableFormatOptions(session, phrases);
  reports.blnSuppressRelist = suppressed;
}

}  // namespace

void RelistAfterOptionChange(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  if (!session.run.blnStartUpCompleted || reports.blnSuppressRelist) return;
  if (reports.blnListing) {
    reports.blnRelistRequested = true;
    return;
  }
  if (!CheckDisplayFormatAvailable(session, phrases)) return;
  if (session.run.blnWordsGot || session.run.blnListIncomplete) {
    ListWords(session, phrases);
    if (session.run.blnListIncomplete) {
      session.Message(session.UIText(23), session.UIText(22), MessageIcon::Information);
    }
  }
  SetTheFocus(session);
}

void cboWordOrder_Click(Session& session, ListedPhrases& phrases) {
  if (!session.run.blnStartUpCompleted) return;
  EnableFormatOptionsWithoutRelist(session, phrases);
  RelistAfterOptionChange(session, phrases);
}

void cboDisplayFormat_Click(Session& session, ListedPhrases& phrases) {
  if (!session.run.blnStartUpCompleted) return;
  EnableFormatOptionsWithoutRelist(session, phrases);
  RelistAfterOptionChange(session, phrases);
}

void chkDisplayRelativeFrequency_Click(Session& session, ListedPhrases& phrases) {
  RelistAfterOptionChange(session, phrases);
}

void chkSortByNumberOfFiles_Click(Session& session, ListedPhrases& phrases) {
  // The chain must not change under a running listing's feet.
  if (session.reports.blnListing) {
    session.reports.blnChainRebuildRequested = true;
  } else {
    phrases.BuildFrequencyChain(session.settings.chkSortByNumberOfFiles);
  }
  RelistAfterOptionChange(session, phrases);
}

void chkDisableOutputToFile_Click(Session& session, ListedPhrases& phrases) {
  const Settings& settings = session.settings;
  if (!settings.chkDisableOutputToFile && !settings.txbFile[1].empty() && session.run.blnWordsGot &&
      !session.reports.blnListing) {
    const Answer answer = session.Message(u"Relist?", u"Relist words (so as to write to file)?",
                                          MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::Yes) ListWords(session, phrases);
  }
  SetTheFocus(session);
}

}  // namespace velt
