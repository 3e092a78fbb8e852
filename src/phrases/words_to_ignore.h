// The words-to-ignore lookups that phrase assembly asks for one lower-cased
// word at a time: the extra words typed by the user and the loaded words file.
// The word-lists subsystem implements them; a count never changes the lists, so
// an answer for a word holds for the whole count.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace velt {

class WordsToIgnore {
 public:
  virtual ~WordsToIgnore() = default;
  // extraWordCount and fileWordCount.
  virtual int NumExtraWords() const = 0;
  virtual int32_t NumFileWords() const = 0;
  virtual bool MatchesExtraWords(TextView lowerWord) const = 0;
  virtual bool MatchesWordsFile(TextView lowerWord) const = 0;
};

// No lists in force: only the word-shape rules mark words to ignore.
class NoWordsToIgnore final : public WordsToIgnore {
 public:
  int NumExtraWords() const override { return 0; }
  int32_t NumFileWords() const override { return 0; }
  bool MatchesExtraWords(TextView) const override { return false; }
  bool MatchesWordsFile(TextView) const override { return false; }
};

}  // namespace velt
