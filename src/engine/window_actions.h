// Small main-window actions that many operations share.
#pragma once

#include "engine/session.h"

namespace velt {

// The Count button idle again: its caption (UI text 21), enabled and redrawn.
void SetCountPhrasesCaption(Session& session);

// Unless the Count button is the Stop button with its first caption (UI text
// 25), makes it the idle Count button; then blanks the activity indicator and
// gives the button the focus.
void SetTheFocus(Session& session);

// The four counter labels below the text window.
void EraseNumWords(Session& session);
void ConcealNumWords(Session& session, bool erase);

}  // namespace velt
