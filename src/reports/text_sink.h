// The text window as an output sink: appending with the capacity rule, the
// report buffer pendingOutput, and clearing.
#pragma once

#include "engine/session.h"

namespace velt {

// Appends text to the text window, moves the caret to the end and repaints.
// Once the window is full (textWindowFull) nothing is added any more.
void OutputToTxb(Session& session, TextView text);

// Sets how many characters the text window is meant to hold; the window
// refuses text a little beyond that (kTextWindowLimitMargin).
void SetTextboxCapacity(Session& session, int32_t capacity);

// Replaces the text window's content (caret at the start) and repaints.
void SetTextWindow(Session& session, Text text);

// Empties the window, repaints it and clears textWindowFull.
void ClearTextbox(Session& session);

// Appends the pending report text pendingOutput to the window and empties it.
// While the window is full the text stays pending (the full notice shows it).
void FlushOutput(Session& session);

// The "Clear textbox" button: empties the window, hides the counters and
// forgets the count, so that nothing can be relisted.
void OnClearOutputClicked(Session& session);

}  // namespace velt
