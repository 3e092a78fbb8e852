// What restoring the state and loading settings files ask of the rest of the
// program. The engine implements these with the words-to-ignore lists, the
// sources and the windows; tests implement them with a recorder.
#pragma once

#include "text/text.h"

namespace velt {

class RestoreHooks {
 public:
  virtual ~RestoreHooks() = default;

  // --- while the records are applied ---

  // The folder box was set (record 1): remember it as the last folder.
  virtual void RememberLastFolder(const Text& folder) = 0;
  // The file-pattern (0) or exclusion-text (1) box was set: parse it again.
  virtual void PatternBoxSet(int index) = 0;
  // The four file boxes were set: remember the input file as the last input file.
  virtual void RememberLastInputFile(const Text& path) = 0;
  // The source option was set: what selecting that option button does.
  virtual void SourceSelected() = 0;
  // The language list's selection was set: what selecting an entry does.
  virtual void LanguageSelected() = 0;

  // --- after a complete read ---

  // The output-file box is empty: "Disable" becomes unavailable (the record's
  // outputToFileDisabled is already 0).
  virtual void DisableOutputSwitch() = 0;
  // The input-file box is not empty: check its name (size labels, and at
  // start-up a path ending with "/" empties the box).
  virtual void CheckInputFileName(const Text& path) = 0;
  // The folder box's lost-focus handling.
  virtual void FolderBoxLostFocus() = 0;
  // Rebuild the extra words to ignore from the restored box, so that the words
  // shown are the words in force.
  virtual void CommitExtraWords() = 0;

  // --- the words-to-ignore file question ---

  // Loads the selected words-to-ignore file; false when that failed.
  virtual bool AttemptToReadWords() = 0;
  // No words of a file stay in force (fileWordCount = 0).
  virtual void ClearFileWordsInForce() = 0;
  virtual void SetWordsToIgnoreNotice() = 0;

  // --- reading past the end of the file, answered Yes ---

  virtual void SetDefaultValues() = 0;
};

}  // namespace velt
