#include "engine/window_actions.h"

namespace velt {
namespace {

constexpr ControlId kCounterLabels[] = {ControlId::lblNumberOfWords, ControlId::lblNumWordsExcluded,
                                        ControlId::lblNumOccurrences,
                                        ControlId::lblTotalNumOccurrences};

}  // namespace

void SetCountPhrasesCaption(Session& session) {
  session.window.SetCaption(ControlId::cmdCountPhrases, session.UIText(21));
  session.window.SetEnabled(ControlId::cmdCountPhrases, true);
  session.window.Repaint(ControlId::cmdCountPhrases);
}

void SetTheFocus(Session& session) {
  if (session.window.Get(ControlId::cmdCountPhrases).caption != session.UIText(25)) {
    SetCountPhrasesCaption(session);
  }
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

bool CountButtonShowsStop(const Session& session) {
  const Text& caption = session.window.Get(ControlId::cmdCountPhrases).caption;
  return caption == session.UIText(25) || caption == session.UIText(90);
}

}  // namespace velt
