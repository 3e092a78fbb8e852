#include "phrases/phrase_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace velt {
namespace {

using testing::Listing;

TEST(PhraseTable, KeepsPhraseOrderBetweenAddsAndKeyOrderAfterTheSort) {
  NullEventPump pump;
  PhraseTable table(pump);
  table.Reset(TableMode::Count);
  for (const char16_t* phrase : {u"b a", u"a b", u"b a"})
    table.AddWordToList(phrase);
  EXPECT_EQ(Listing(table), (std::vector<std::string>{"a b=1", "b a=2"}));
  // Adding after the records got indexes moves them and keeps their flags.
  table.SetIncluded(2, false);
  table.AddWordToList(u"ab c");
  EXPECT_EQ(Listing(table), (std::vector<std::string>{"a b=1", "ab c=1", "b a=2"}));
  EXPECT_FALSE(table.Included(3));
  EXPECT_TRUE(table.Included(2));

  table.Reset(TableMode::Count);
  for (const char16_t* phrase : {u"ecm x", u"Éclair x", u"eclair x", u"Eclair x", u"e x"}) {
    table.AddWordToList(phrase);
  }
  EXPECT_EQ(table.Phrase(1), u"Eclair x");  // code-unit order: capitals first
  table.SortPhraseTable(1, table.phraseCount(), 1);
  // Same key "eclair x" for three records, between "e x" and "ecm x"; the
  // partition procedure leaves the equal keys in this order.
  EXPECT_EQ(Listing(table), (std::vector<std::string>{"e x=1", "Éclair x=1", "eclair x=1",
                                                      "Eclair x=1", "ecm x=1"}));
  EXPECT_EQ(table.Key(2), u"eclair x");
}

TEST(PhraseTable, CountsPhrasesUpToOneHundredCharacters) {
  NullEventPump pump;
  PhraseTable table(pump);
  table.Reset(TableMode::Count);
  table.AddWordToList(Text(50, u'a') + u' ' + Text(49, u'b'));
  table.AddWordToList(Text(50, u'a') + u' ' + Text(50, u'b'));
  ASSERT_EQ(table.phraseCount(), 1);
  EXPECT_EQ(table.PhraseLength(1), 100);
  // A word list has no length limit.
  table.Reset(TableMode::ReadingWords);
  table.AddWordToList(Text(300, u'z'));
  EXPECT_EQ(table.phraseCount(), 1);
}

TEST(PhraseTable, KeepsPerFileDataOfFolderRuns) {
  NullEventPump pump;
  PhraseTable table(pump);
  table.filesRead().Reset();
  table.Reset(TableMode::FolderCount);
  const auto inFile = [&](int file, int times) {
    table.filesRead().SetCurrentFile(T("/docs/file" + std::to_string(file)));
    for (int k = 0; k < times; ++k)
      table.AddWordToList(u"x y");
  };
  table.filesRead().SetCurrentFile(u"/docs/file1");
  table.AddWordToList(u"w z");
  for (const int file : {2, 3, 3, 4, 5, 6, 7})
    inFile(file, file == 3 || file == 7 ? 1 : 0);
  // Files without a counted phrase get no number: file 3 is number 2, file 7 number 3.
  EXPECT_EQ(table.filesRead().readPaths(),
            (std::vector<Text>{u"", u"/docs/file1", u"/docs/file3", u"/docs/file7"}));
  EXPECT_EQ(table.Files(1), (std::vector<FileTally>{{1, 1}}));
  EXPECT_EQ(table.Files(2), (std::vector<FileTally>{{2, 2}, {3, 1}}));
  EXPECT_EQ(table.FileCount(2), 2);
  // Paths are compared exactly: another case is another file.
  table.filesRead().SetCurrentFile(u"/DOCS/file7");
  table.AddWordToList(u"x y");
  EXPECT_EQ(table.filesRead().currentFileNumber(), 4);
}

TEST(FileTallies, StopAtTheLimitsAndNumberFilesModuloOneHundredThousand) {
  FileTallies tallies;
  tallies.Start(7, 100003);
  EXPECT_EQ(tallies.Files(7), (std::vector<FileTally>{{3, 1}}));
  tallies.RecordFileOccurrence(7, 3);  // the same 5-digit number: the same entry
  EXPECT_EQ(tallies.Files(7), (std::vector<FileTally>{{3, 2}}));
  for (int k = 0; k < 100000; ++k)
    tallies.RecordFileOccurrence(7, 4);
  EXPECT_EQ(tallies.Files(7).back(), (FileTally{4, 99999}));
  for (int32_t file = 5; file < 10003; ++file)
    tallies.RecordFileOccurrence(7, file);
  EXPECT_EQ(tallies.FileCount(7), 10000);
  const FileTally last = tallies.Files(7).back();
  tallies.RecordFileOccurrence(7, last.fileNumber);  // even the last file takes no more
  EXPECT_EQ(tallies.Files(7).back(), last);
  EXPECT_EQ(last, (FileTally{10002, 1}));
}

// Phrases come back exactly as added, one by one and read together: also with
// empty words (spaces side by side or at an end) and in batches of phrases of
// many different lengths, more than are walked at once.
TEST(PhraseTable, PhrasesComeBackAsAddedOneByOneAndTogether) {
  NullEventPump pump;
  PhraseTable table(pump);
  table.Reset(TableMode::ReadingWords);
  std::vector<Text> added = {u"a  b", u" x", u"y ", u" ", u"solo"};
  for (int words = 1; words <= 40; ++words) {
    Text phrase = T("w" + std::to_string(words));
    for (int w = 1; w < words; ++w)
      phrase += T(" v" + std::to_string((words * 7 + w) % 13));
    added.push_back(phrase);
  }
  for (const Text& phrase : added)
    table.AddWordToList(phrase);
  std::vector<Text> phrases = table.PhrasesInOrder();
  std::sort(phrases.begin(), phrases.end());
  std::vector<Text> expected = added;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(phrases, expected);

  std::vector<int32_t> indices;
  for (int32_t i = table.phraseCount(); i >= 1; --i)
    indices.push_back(i);
  Text chars;
  std::vector<size_t> ends;
  table.AppendPhrases(indices, chars, ends);
  ASSERT_EQ(ends.size(), indices.size());
  for (size_t k = 0; k < indices.size(); ++k) {
    const size_t start = k == 0 ? 0 : ends[k - 1];
    EXPECT_EQ(chars.substr(start, ends[k] - start), table.Phrase(indices[k])) << k;
  }
}

TEST(PhraseTable, ReadsWordListsWithProgressCallbacks) {
  NullEventPump pump;
  PhraseTable table(pump);
  int firstRecord = 0;
  std::vector<int32_t> progress;
  table.SetHooks({[&] { ++firstRecord; }, [&](int32_t n) { progress.push_back(n); }});
  table.Reset(TableMode::ReadingWords);
  for (int k = 25; k >= 1; --k) {
    table.AddWordToList(T("w" + std::to_string(k)));
    table.AddWordToList(u"w1");
  }
  EXPECT_EQ(firstRecord, 1);
  EXPECT_EQ(progress, (std::vector<int32_t>{10, 20}));
  const std::vector<Text> words = table.PhrasesInOrder();
  ASSERT_EQ(words.size(), 25u);
  EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
  // A word list's records start without files; repeats are tallied.
  EXPECT_EQ(table.FileCount(table.phraseCount()), 0);  // "w9", added once
  EXPECT_EQ(table.Count(1), 26);                       // "w1"
}

}  // namespace
}  // namespace velt
