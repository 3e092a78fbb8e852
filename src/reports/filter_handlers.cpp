#include "reports/filter_handlers.h"

#include "reports/filter_words.h"
#include "reports/listing.h"
#include "reports/report_text.h"
#include "words/case_mapping.h"

namespace velt {

void txbFilterWords_LostFocus(Session& session) {
  ReportState& reports = session.reports;
  reports.strFilterWords = LowerCaseText(TrimmedOfSpaces(session.settings.txbFilterWords));
  reports.astrFilterWords = ParseFilterWords(reports.strFilterWords);
  reports.intNumFilterWords = static_cast<int>(reports.astrFilterWords.size());
  session.settings.txbFilterWords = JoinFilterWords(reports.astrFilterWords);
  session.view.SettingsChanged();
}

bool txbFilterWords_KeyPress(Session& session, ListedPhrases& phrases, char16_t key) {
  if (key != u'\r') {
    session.window.SetEnabled(ControlId::cmdClear, true);
    return false;
  }
  txbFilterWords_LostFocus(session);
  cmdFilterResults_Click(session, phrases);
  return true;
}

void cmdFilterResults_Click(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  if (!session.run.blnStartUpCompleted || reports.blnListing) return;
  if (TrimmedOfSpaces(session.settings.txbFilterWords).empty() || !session.run.blnWordsGot) return;
  reports.blnFilterWordFound = false;
  reports.blnFilterActive = true;
  ListWords(session, phrases);
  reports.blnFilterActive = false;
}

void cmdClear_Click(Session& session) {
  session.settings.txbFilterWords.clear();
  session.view.SettingsChanged();
  session.window.SetFocus(ControlId::txbFilterWords);
  session.window.SetEnabled(ControlId::cmdClear, false);
}

void EnableFilterResults(Session& session) {
  const bool enabled = session.run.intIgnoreWordsOption == session.run.intIgnoreWordsOptionCounted;
  session.window.SetEnabled(ControlId::cmdFilterResults, enabled);
  session.window.SetEnabled(ControlId::txbFilterWords, enabled);
  session.settings.txbFilterWords = enabled ? session.reports.strFilterWords : Text();
  session.view.SettingsChanged();
}

}  // namespace velt
