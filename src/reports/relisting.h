// Relisting after a report option changed, and the click handlers of the
// report options that the windows call.
#pragma once

#include "engine/session.h"
#include "reports/listed_phrases.h"

namespace velt {

// Lists the last count again under the current options (after start-up, not
// while suppressRelist is set). Clicked while a listing runs, the relist
// waits until that listing has ended.
void RelistAfterOptionChange(Session& session, ListedPhrases& phrases);

// Handlers of the report options. The window changes the settings record
// first, then calls the handler. The engine itself runs the handlers that
// its own changes of a setting imply; a window must not call them again when
// it mirrors such a change (SettingsChanged).
void OnWordOrderChosen(Session& session, ListedPhrases& phrases);
void OnDisplayFormatChosen(Session& session, ListedPhrases& phrases);
void OnRelativeFrequencyClicked(Session& session, ListedPhrases& phrases);
void OnSortByNumberOfFilesClicked(Session& session, ListedPhrases& phrases);

// The "Disable" box beside the output path: unchecked with a count available,
// offers to relist so that the file gets written.
void OnDisableOutputToFileClicked(Session& session, ListedPhrases& phrases);

}  // namespace velt
