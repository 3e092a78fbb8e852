// What a mouse click on the text window tells the user while the program is
// busy or the source is the clipboard.
#pragma once

#include "engine/session.h"

namespace velt {

// Left click. While files are listed or read (with words shown as found) a
// message box holds the run until it is closed.
void OnOutputLeftClicked(Session& session);

// Right click: with the clipboard source, explains how to count its text.
void OnOutputRightClicked(Session& session);

}  // namespace velt
