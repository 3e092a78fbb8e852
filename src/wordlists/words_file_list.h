// The list of words-to-ignore files in the Settings window (up to 99 added by
// the user) and the loading of its selected entry.
#pragma once

#include "engine/session.h"
#include "wordlists/words_file_source.h"

namespace velt {

// A path as the list keeps it: absolute and lexically normalised. Paths are
// case-sensitive here, so the case is never changed.
Text NormalizePath(const Text& path);

// Loads the file selected in the list of index. False when nothing is
// selected, the file is missing (a message after start-up; during start-up
// the English common-words file is appended instead) or cannot be read. On
// success the language list follows the file and loadedWordsFile names it.
bool AttemptToReadWords(Session& session, WordsFileSource& files, int index);

// Adds path (normalised) to the list and selects it, unless it is already
// listed: then the "Already present" message and false.
bool AddWordsFile(Session& session, const Text& path);

// The list's file button: asks for a file, adds and loads it. At most 99 files.
void OnSelectWordsFileClicked(Session& session, WordsFileSource& files, int index);

// The list's Clear button: asks whether to remove all files (Yes/No/Cancel);
// Yes and No both drop the words in force and the selection.
void OnClearWordsFilesClicked(Session& session, int index);

// The user selected a listed file (the window has already written the new
// selection into the settings). True when the Load/Remove dialog is to be
// shown; false before start-up has completed and while a guard flag is set.
bool WordsFileClickWanted(const Session& session, int index);

enum class LoadRemoveChoice { Load, Remove, Cancel };

// What the Load/Remove dialog decided for the selected file of list index.
void LoadRemoveChosen(Session& session, WordsFileSource& files, int index, LoadRemoveChoice choice);

}  // namespace velt
