#include "reports/filter_handlers.h"

#include "reports/filter_words.h"
#include "reports/listing.h"
#include "text/case_mapping.h"
#include "text/strings.h"

namespace velt {

void OnFilterWordsLeft(Session& session) {
  ReportState& reports = session.reports;
  reports.filterWordsParsed = LowerCaseText(TrimmedOfSpaces(session.settings.filterWords));
  reports.filterWordList = ParseFilterWords(reports.filterWordsParsed);
  reports.filterWordCount = static_cast<int>(reports.filterWordList.size());
  session.settings.filterWords = JoinFilterWords(reports.filterWordList);
  session.view.SettingsChanged();
}

bool FilterWordsKeyPress(Session& session, ListedPhrases& phrases, char16_t key) {
  if (key != u'\r') {
    session.window.SetEnabled(ControlId::cmdClear, true);
    return false;
  }
  OnFilterWordsLeft(session);
  OnFilterClicked(session, phrases);
  return true;
}

void OnFilterClicked(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  if (!session.run.startUpCompleted || reports.listingRunning) return;
  if (TrimmedOfSpaces(session.settings.filterWords).empty() || !session.run.countAvailable) return;
  reports.filterWordFound = false;
  reports.filterActive = true;
  ListWords(session, phrases);
  reports.filterActive = false;
}

void OnClearFilterClicked(Session& session) {
  session.settings.filterWords.clear();
  session.view.SettingsChanged();
  session.window.SetFocus(ControlId::txbFilterWords);
  session.window.SetEnabled(ControlId::cmdClear, false);
}

void EnableFilterResults(Session& session) {
  const bool enabled = session.run.ignoreModeCode == session.run.ignoreModeCodeCounted;
  session.window.SetEnabled(ControlId::cmdFilterResults, enabled);
  session.window.SetEnabled(ControlId::txbFilterWords, enabled);
  session.settings.filterWords = enabled ? session.reports.filterWordsParsed : Text();
  session.view.SettingsChanged();
}

}  // namespace velt
