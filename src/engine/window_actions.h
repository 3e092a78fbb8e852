// Small main-window actions that many operations share.
#pragma once

#include "engine/session.h"

namespace velt {

// The Count button's idle caption (UI text 21), enabled and redrawn.
void SetCountPhrasesCaption(Session& session);

// Unless the Count button shows the counting caption (UI text 25), gives it the
// idle caption; then blanks the activity indicator.
void SetTheFocus(Session& session);

// The four counter labels below the text window.
void EraseNumWords(Session& session);
void ConcealNumWords(Session& session, bool erase);

// True while the Count button shows one of its counting captions (UI texts 25
// and 90): a click on it is then a stop request.
bool CountButtonShowsStop(const Session& session);

}  // namespace velt
