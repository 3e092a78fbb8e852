// The sort key of a phrase: German transliteration, then accent removal, then
// lower-casing, so that "Éclair" sorts next to "eclair".
#pragma once

#include "text/text.h"

namespace velt {

// Appends the key of text to out. Every step maps one character at a time and
// leaves the space alone, so the key of a phrase is the keys of its words joined
// by single spaces.
void AppendPhraseKey(TextView text, Text& out);

inline Text MakePhraseKey(TextView text) {
  Text key;
  AppendPhraseKey(text, key);
  return key;
}

}  // namespace velt
