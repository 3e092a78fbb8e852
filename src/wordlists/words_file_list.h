// The list of words-to-ignore files in the Settings window (up to 99 added by
// the user) and the loading of its selected entry.
#pragma once

#include "wordlists/word_list_context.h"

namespace velt {

// A path as the list keeps it: absolute and lexically normalised. Paths are
// case-sensitive here, so the case is never changed.
Text NormalizePath(const Text& path);

// Loads the file selected in the list of index. False when nothing is
// selected, the file is missing (a message after start-up; during start-up
// the English common-words file is appended instead) or cannot be read. On
// success the language list follows the file and loadedWordsFile names it.
bool AttemptToReadWords(WordListContext& context, int index);

// Adds path (normalised) to the list and selects it, unless it is already
// listed: then the "Already present" message and false.
bool AddWordsFile(WordListContext& context, const Text& path);

// Adds path to the list and loads it; a file that cannot be loaded leaves the
// list again. The notice then tells whether words are in force.
void AddAndLoadWordsFile(WordListContext& context, const Text& path);

// The words of the list's file leave force together with the record of their
// file.
void DropFileWords(WordListState& lists, int index);

// No file of the list is selected and no language, and none of the file's
// words stay in force; with removeAll the list is emptied as well.
void ClearWordsFileSelection(WordListContext& context, bool removeAll);

// No file of the list is selected and none of its words stay in force (the
// language list is left as it is).
void DeselectWordsFile(WordListContext& context);

// The selected file of the list is read again; when that fails no file is
// selected.
void ReloadSelectedWordsFile(WordListContext& context);

// The selected file leaves the list, and its words leave force.
void RemoveSelectedWordsFile(WordListContext& context);

// The list selects the file whose words are loaded again (no file when none
// is loaded).
void ReselectLoadedWordsFile(WordListContext& context);

}  // namespace velt
