#include "engine/window_actions.h"

#include "phrases/count_button.h"

namespace velt {
namespace {

constexpr ControlId kCounterLabels[] = {ControlId::lblNumberOfWords, ControlId::lblNumWordsExcluded,
                                        ControlId::lblNumOccurrences,
                                        ControlId::lblTotalNumOccurrences};

}  // namespace

void SetCountPhrasesCaption(Session& session) {
  ShowCountButton(session.shell, session.run, CountButton::Count);
  session.window.SetEnabled(ControlId::cmdCountPhrases, true);
  session.window.Repaint(ControlId::cmdCountPhrases);
}

void SetTheFocus(Session& session) {
  if (session.run.countButton != CountButton::Stop) SetCountPhrasesCaption(session);
  session.window.SetCaption(ControlId::lblTwirler, u" ");
  session.window.SetFocus(ControlId::cmdCountPhrases);
}

void EraseNumWords(Session& session) {
  for (const ControlId id : kCounterLabels)
    session.window.SetCaption(id, u"");
}

void ConcealNumWords(Session& session, bool erase) {
  if (erase) EraseNumWords(session);
  for (const ControlId id : kCounterLabels)
    session.window.SetVisible(id, false);
}

}  // namespace velt
