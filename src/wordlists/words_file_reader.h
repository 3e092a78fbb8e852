// Reading the selected words-to-ignore file into the list in force.
//
// Format: any text file; entries are separated by characters that are not
// word characters (while a list is read the word characters are the letters,
// every optional word character and the wildcards "~" and "?"). "/*" ... "*/"
// (across lines) and "//" to the end of the line are comments. Lines are
// lower-cased, except for regular-expression entries: a "<" where an entry may
// start runs to the next ">" on the same line, and that whole stretch,
// brackets included, is one entry kept as written. A "<" without a ">" after
// it is passed over. A UTF-8 file has its byte-order mark removed and gets the
// UTF-8 repairs of the file reader before lower-casing.
#pragma once

#include "wordlists/word_list_context.h"

namespace velt {

// Reads the file selected in the words-file list of list index (through the
// context's words files) into
// fileWordsToIgnore. False when the file fails the text-file check (nothing
// changes), on a read error (message; the previous list stays in force) and
// when the user stops the reading (the file leaves the list and no file words
// stay in force).
//
// The words are collected in a sorted set of their own rather than in the
// phrase table: the last count's results stay listable, and a bracketed
// expression may hold spaces, which the phrase table would take for word
// boundaries.
bool ReadWords(WordListContext& context, int index);

}  // namespace velt
