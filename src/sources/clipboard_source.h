// The clipboard source: the clipboard's text, checked and scanned as one line.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

inline constexpr size_t kMaxClipboardLength = 100000;
inline constexpr int kNaturalTextSample = 3000;

// Fetches the clipboard's text into SourceState::clipboardText; false (after a
// message) when there is none, too much, or fetching failed.
bool GetClipboardText(SourceContext& context);

// Checks the fetched text and hands it to the scanner as one line; false when
// it does not look like natural-language text.
bool DoItFromClipboard(SourceContext& context);

// True when the first sampleLength characters (all when 0 or less) hold no
// control character: codes 0-8, 11 and 14-31 with allowWhitespace (tab, LF,
// form feed and CR pass), any code below 32 without it.
bool IsNaturalText(TextView text, int sampleLength, bool allowWhitespace);

}  // namespace velt
