// The text window's model keeps the program's CR LF line ends; a QTextDocument
// breaks the line at CR and at LF alike, so CR LF must be shown as one break.
// These helpers convert the text and map positions between the two forms
// (CR LF is one display character; a lone CR or LF is one display character).
#pragma once

#include <QString>

#include "text/text.h"

namespace velt::ui {

// The display form of `text`. `afterCr` says that the text already shown ends
// with CR, so a leading LF completes that line break and is dropped.
QString DisplayText(TextView text, bool afterCr = false);

// The length of DisplayText(text, afterCr), without building it.
int DisplayLength(TextView text, bool afterCr = false);

// The display position of model position `position` of `text`.
int DisplayPosition(TextView text, size_t position);

// The model position of display position `position` of `text`.
size_t ModelPosition(TextView text, int position);

}  // namespace velt::ui
