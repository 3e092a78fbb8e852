#include "test_support.h"

#include <gtest/gtest.h>

#include "phrases/string_arrays.h"

namespace velt::testing {

std::vector<Text> TrickyVocabulary() {
  return {u"a",      u"at",       u"the",    u"there",       u"sat",        u"cat",
          u"he",     u"here",     u"her",    u"apple",       u"Apple",      u"éclair",
          u"eclair", u"Éclair",   u"straße", u"strasse",     u"b",          u"ab",
          u"ba",     u"bab",      u"x-ray",  u"ray",         u"brrrr",      u"Œuvre",
          u"oeuvre", u"catapult", u"at-at",  Text(45, u'w'), Text(47, u'q')};
}

std::vector<StreamWord> RandomStream(std::mt19937& rng, const std::vector<Text>& vocabulary,
                                     size_t length) {
  std::vector<StreamWord> stream;
  std::uniform_int_distribution<size_t> pick(0, vocabulary.size() - 1);
  std::uniform_int_distribution<int> punctuation(0, 29);
  // A small active vocabulary per stream makes repeated phrases likely.
  std::vector<Text> active;
  for (int k = 0; k < 7; ++k)
    active.push_back(vocabulary[pick(rng)]);
  std::uniform_int_distribution<size_t> pickActive(0, active.size() - 1);
  for (size_t k = 0; k < length; ++k) {
    StreamWord w{active[pickActive(rng)], {}};
    switch (punctuation(rng)) {
      case 0:
        w.flags.period = true;
        break;
      case 1:
        w.flags.comma = true;
        break;
      case 2:
        w.flags.doubleQuote = true;
        break;
      case 3:
        w.flags.tab = true;
        break;
      case 4:
        w.flags.semicolon = true;
        break;
      default:
        break;
    }
    stream.push_back(w);
  }
  return stream;
}

std::vector<StreamWord> Words(TextView text) {
  std::vector<StreamWord> words;
  for (Text word : SplitAtSpaces(text)) {
    StreamWord w;
    switch (word.back()) {
      case u'.':
        w.flags.period = true;
        break;
      case u',':
        w.flags.comma = true;
        break;
      case u'"':
        w.flags.doubleQuote = true;
        break;
      default:
        break;
    }
    if (w.flags.period || w.flags.comma || w.flags.doubleQuote) word.pop_back();
    w.word = word;
    words.push_back(w);
  }
  return words;
}

std::vector<std::string> Listing(const PhraseTable& table) {
  std::vector<std::string> lines;
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    lines.push_back(ToUtf8(table.Phrase(i)) + "=" + std::to_string(table.Count(i)));
  }
  return lines;
}

void ExpectSameTables(const PhraseTable& fast, const reference::Table& slow) {
  ASSERT_EQ(fast.phraseCount(), slow.phraseCount());
  EXPECT_EQ(fast.firstInFrequencyOrder(), slow.firstInFrequencyOrder());
  for (int32_t i = 1; i <= slow.phraseCount(); ++i) {
    const reference::Record& r = slow.record(i);
    SCOPED_TRACE(ToUtf8(r.phrase) + " at " + std::to_string(i));
    ASSERT_EQ(fast.Phrase(i), r.phrase);
    EXPECT_EQ(fast.Key(i), r.key);
    EXPECT_EQ(fast.Count(i), r.count);
    EXPECT_EQ(fast.Included(i), r.included);
    EXPECT_EQ(fast.Rank(i), r.rank);
    EXPECT_EQ(fast.Next(i), r.next);
    EXPECT_EQ(fast.FileCount(i), r.fileCount);
    EXPECT_EQ(fast.Files(i), reference::DecodeFiles(r));
  }
  ExpectSameBatchPhrases(fast, slow);
}

// The records read together, last first and each twice, after text already
// in the buffer.
void ExpectSameBatchPhrases(const PhraseTable& fast, const reference::Table& slow) {
  std::vector<int32_t> indices;
  for (int32_t i = slow.phraseCount(); i >= 1; --i)
    indices.insert(indices.end(), {i, i});
  Text chars = u"before";
  std::vector<size_t> ends;
  fast.AppendPhrases(indices, chars, ends);
  ASSERT_EQ(ends.size(), indices.size());
  size_t start = 6;
  for (size_t k = 0; k < indices.size(); ++k) {
    SCOPED_TRACE("batch entry " + std::to_string(k));
    ASSERT_LE(start, ends[k]);
    EXPECT_EQ(TextView(chars).substr(start, ends[k] - start), slow.record(indices[k]).phrase);
    start = ends[k];
  }
  EXPECT_EQ(start, chars.size());
  EXPECT_EQ(chars.substr(0, 6), u"before");
}

void ExpectSameStatistics(const ListStatistics& fast, const ListStatistics& slow) {
  EXPECT_EQ(fast.includedPhraseCount, slow.includedPhraseCount);
  EXPECT_EQ(fast.excludedPhraseCount, slow.excludedPhraseCount);
  EXPECT_EQ(fast.occurrenceCount, slow.occurrenceCount);
  EXPECT_EQ(fast.maxFrequency, slow.maxFrequency);
  EXPECT_EQ(fast.maxFileCount, slow.maxFileCount);
  EXPECT_EQ(fast.longestPhraseLength, slow.longestPhraseLength);
  EXPECT_EQ(fast.wordsInLongestPhrase, slow.wordsInLongestPhrase);
  EXPECT_EQ(fast.topPhrase, slow.topPhrase);
}

}  // namespace velt::testing
