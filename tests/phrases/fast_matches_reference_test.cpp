// The fast table, assembly and passes against the literal procedures on random
// word streams and random tables: every record, flag, link, per-file entry and
// statistic must be the same.
#include <gtest/gtest.h>

#include <random>

#include "phrases/list_statistics.h"
#include "phrases/phrase_assembler.h"
#include "phrases/redundant_subphrases.h"
#include "reference_model.h"
#include "test_support.h"

namespace velt {
namespace {

using testing::ExpectSameStatistics;
using testing::ExpectSameTables;

struct CountSetup {
  Settings settings;
  PhraseRunParameters params;
  TableMode mode = TableMode::Count;
  bool byNumberOfFiles = false;
};

CountSetup RandomRun(std::mt19937& rng) {
  const auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
  CountSetup run;
  run.settings.only7BitAscii = chance(25);
  run.settings.endPhraseAtComma = chance(50);
  run.settings.endPhraseAtPeriod = chance(70);
  run.settings.ignoreShortWords = chance(70);
  PhraseRunParameters& p = run.params;
  p.minPhraseLength = 2 + static_cast<int>(rng() % 3);
  p.maxPhraseLength = chance(15) ? 25 : p.minPhraseLength + static_cast<int>(rng() % 5);
  p.minimumFrequency = 1 + static_cast<int>(rng() % 3);
  p.SetIgnoreWordsOption(static_cast<IgnoreMode>(1 + rng() % 4));
  p.wordsToIgnoreInForce = chance(70);
  p.phraseSlotCount = p.maxPhraseLength * (p.removeIgnoredWords ? 2 : 1);
  run.mode = chance(40) ? TableMode::FolderCount : TableMode::Count;
  run.byNumberOfFiles = run.mode == TableMode::FolderCount && chance(50);
  return run;
}

// Sorts, thresholds, removes subphrases and chains both tables as a run does.
void FinishBoth(PhraseTable& fast, reference::Table& slow, CountSetup& run) {
  NullEventPump pump;
  const bool stopRequested = false;
  fast.SortPhraseTable(1, fast.phraseCount(), 1);
  slow.SortPhraseTable(1, slow.phraseCount(), 1);
  ApplyThreshold(fast, run.params);
  slow.ApplyThreshold(run.params.minimumFrequency);
  EXPECT_TRUE(ExcludeRedundantSubphrases(fast, stopRequested, pump));
  slow.ExcludeRedundantSubphrases();
  const ListStatistics fastStats = ComputeListStatistics(fast, pump);
  const ListStatistics slowStats = slow.ComputeListStatistics();
  ExpectSameStatistics(fastStats, slowStats);
  int dots = 0;
  BuildFrequencyChain(fast, fastStats, run.byNumberOfFiles, pump, [&] { ++dots; });
  slow.BuildFrequencyChain(slowStats, run.byNumberOfFiles);
  EXPECT_EQ(dots, (slowStats.includedPhraseCount + 1) / 1000);
  ExpectSameTables(fast, slow);
}

TEST(FastMatchesReference, RandomWordStreams) {
  const std::vector<Text> vocabulary = testing::TrickyVocabulary();
  const testing::ListWordsToIgnore lists({u"the", u"a", u"ray", u"apple"});
  for (uint32_t seed = 1; seed <= 250; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    CountSetup run = RandomRun(rng);
    const bool stopRequested = false;
    const WordIgnoreTest ignoreTest(lists, run.settings, stopRequested);
    NullEventPump pump;
    PhraseTable fast(pump);
    fast.filesRead().Reset();
    fast.Reset(run.mode);
    PhraseAssembler assembler(fast, run.params, run.settings, ignoreTest, stopRequested);
    CountingSink sink(assembler, run.params);
    reference::Table slow(run.mode);
    reference::Assembler slowAssembler(slow, run.params, run.settings, ignoreTest);

    int file = 0;
    for (const testing::StreamWord& w : testing::RandomStream(rng, vocabulary, 100 + rng() % 700)) {
      if (run.mode == TableMode::FolderCount && rng() % 40 == 0) {
        // Paths may come back; case differs between files.
        const Text path = (rng() % 2 ? u"/docs/F" : u"/docs/f") + T(std::to_string(++file % 4));
        fast.filesRead().SetCurrentFile(path);
        slow.SetCurrentFile(path);
      }
      if (rng() % 50 == 0) {  // the end-of-line boundary
        assembler.ResetPhrases();
        slowAssembler.ResetPhrases();
      }
      sink.TakeWord(w.word, w.flags);
      slowAssembler.TakeWord(w.word, w.flags);
    }
    ExpectSameTables(fast, slow);  // between adds: ascending by phrase
    EXPECT_EQ(fast.filesRead().readPaths(), slow.filesRead());
    FinishBoth(fast, slow, run);
    if (::testing::Test::HasFailure()) return;
  }
}

// Phrases added directly, one to four words, including one-word phrases and
// phrases that are not parts of each other's occurrences.
TEST(FastMatchesReference, RandomTablesOfAnyPhrases) {
  const std::vector<Text> vocabulary = testing::TrickyVocabulary();
  for (uint32_t seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    CountSetup run = RandomRun(rng);
    if (seed % 5 == 0) run.mode = TableMode::ReadingWords;
    NullEventPump pump;
    PhraseTable fast(pump);
    fast.filesRead().Reset();
    fast.Reset(run.mode);
    reference::Table slow(run.mode);
    std::vector<Text> phrases;
    for (int k = 0; k < 60; ++k) {
      Text phrase = vocabulary[rng() % 12];
      for (uint32_t extra = rng() % 4; extra > 0; --extra)
        phrase += u' ' + vocabulary[rng() % 12];
      phrases.push_back(phrase);
    }
    for (int k = 0; k < 400; ++k) {
      if (run.mode == TableMode::FolderCount && rng() % 30 == 0) {
        const Text path = T("/f" + std::to_string(rng() % 5));
        fast.filesRead().SetCurrentFile(path);
        slow.SetCurrentFile(path);
      }
      const Text& phrase = phrases[rng() % phrases.size()];
      fast.AddWordToList(phrase);
      slow.AddWordToList(phrase);
    }
    ExpectSameTables(fast, slow);
    if (seed % 3 == 0) {  // sort a part from a later character first
      const int32_t first = 1 + static_cast<int32_t>(rng() % 5);
      const int c = 2 + static_cast<int>(rng() % 3);
      fast.SortPhraseTable(first, fast.phraseCount() - 1, c);
      slow.SortPhraseTable(first, slow.phraseCount() - 1, c);
      ExpectSameTables(fast, slow);
    }
    FinishBoth(fast, slow, run);
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace velt
