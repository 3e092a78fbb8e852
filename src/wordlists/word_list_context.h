// What the words-to-ignore lists need from the rest of the program, and the
// context their operations run in.
#pragma once

#include "phrases/run_state.h"
#include "settings/settings.h"
#include "settings/shell.h"
#include "wordlists/word_list_state.h"
#include "wordlists/words_file_source.h"

namespace velt {

class WordListHooks {
 public:
  virtual ~WordListHooks() = default;

  // After a words file was read (or the common words loaded at start-up): the
  // Count button shows its idle caption again, enabled and redrawn.
  virtual void ResetCountButton() = 0;
};

// Everything a word-list operation works with: the seams, the settings, the
// run's flags, the lists' own state, the words files as the text sources read
// them, and the hooks.
struct WordListContext {
  Shell& shell;
  Settings& settings;
  RunState& run;
  WordListState& state;
  WordsFileSource& files;
  WordListHooks& hooks;
};

}  // namespace velt
