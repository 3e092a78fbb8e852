// Test doubles and helpers shared by the phrase tests.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "phrases/phrase_table.h"
#include "phrases/words_to_ignore.h"
#include "platform/event_pump.h"
#include "reference_model.h"
#include "text/text.h"
#include "words/word_sink.h"

namespace velt::testing {

// Words to ignore given as a set of lower-case words (the extra-words box).
class ListWordsToIgnore final : public WordsToIgnore {
 public:
  explicit ListWordsToIgnore(std::set<Text> words) : words_(std::move(words)) {}
  int NumExtraWords() const override { return static_cast<int>(words_.size()); }
  int32_t NumFileWords() const override { return 0; }
  bool MatchesExtraWords(TextView lowerWord) const override {
    return words_.count(Text(lowerWord)) > 0;
  }
  bool MatchesWordsFile(TextView) const override { return false; }

 private:
  std::set<Text> words_;
};

// Counts yields and sets a stop flag at the given yield.
class StoppingPump final : public EventPump {
 public:
  StoppingPump(bool& stopRequested, int64_t stopAt)
      : stopRequested_(stopRequested), stopAt_(stopAt) {}
  void Yield() override {
    if (++yields_ == stopAt_) stopRequested_ = true;
  }
  int64_t yields() const { return yields_; }

 private:
  bool& stopRequested_;
  int64_t stopAt_;
  int64_t yields_ = 0;
};

// One word of a generated stream and the character after it.
struct StreamWord {
  Text word;
  StopFlags flags;
};

// Words chosen so that phrases contain each other across word boundaries
// ("at the" in "sat there"), differ only in case or accents, break the 7-bit
// rule, are short, long or to be ignored.
std::vector<Text> TrickyVocabulary();

// A random stream over the vocabulary with random punctuation after words.
std::vector<StreamWord> RandomStream(std::mt19937& rng, const std::vector<Text>& vocabulary,
                                     size_t length);

// Splits a text at spaces into words; a word may end in ".", "," or a double
// quote, which becomes its stop flag. Folder runs switch files at "|".
std::vector<StreamWord> Words(TextView text);

// The phrases and counts of a table, "phrase=count" in table order.
std::vector<std::string> Listing(const PhraseTable& table);

// Expects the fast table to hold exactly what the reference holds: record
// order, phrases (one by one and read together), keys, counts, included
// flags, chain and per-file data.
void ExpectSameTables(const PhraseTable& fast, const reference::Table& slow);
// Expects PhraseTable::AppendPhrases to give the reference's phrases.
void ExpectSameBatchPhrases(const PhraseTable& fast, const reference::Table& slow);
void ExpectSameStatistics(const ListStatistics& fast, const ListStatistics& slow);

}  // namespace velt::testing
