// The phrase table, phrase assembly and the passes after counting exactly as
// the procedures are written: a sorted array with binary search and shifting
// inserts, "+"-joined phrase windows, the quadratic subphrase pass and the
// quadratic chain walk. Slow, and the yardstick for the fast implementation.
#pragma once

#include <cstdint>
#include <vector>

#include "phrases/list_statistics.h"
#include "phrases/phrase_table.h"
#include "phrases/run_parameters.h"
#include "phrases/word_ignore_test.h"
#include "settings/settings.h"
#include "text/text.h"
#include "words/word_sink.h"

namespace velt::reference {

struct Record {
  Text phrase;
  Text key;
  int32_t count = 0;
  int32_t rank = 0;
  int32_t next = 0;
  bool included = true;
  Text files;  // 5 digits per file
  Text perFileCounts;
  int32_t fileCount = 0;
};

class Table {
 public:
  explicit Table(TableMode mode) : mode_(mode) {}

  void AddWordToList(TextView phrase);
  void SortPhraseTable(int32_t first, int32_t last, int c);
  void ApplyThreshold(int threshold);
  void ExcludeRedundantSubphrases();
  ListStatistics ComputeListStatistics() const;
  void BuildFrequencyChain(const ListStatistics& stats, bool byNumberOfFiles);

  void ResetFileList() {
    filesRead_.assign(1, Text());
    currentFileNumber_ = 0;
  }
  void SetCurrentFile(TextView path) { currentFile_ = path; }

  int32_t phraseCount() const { return numWords_; }
  const Record& record(int32_t i) const { return records_[i]; }
  int32_t firstInFrequencyOrder() const { return firstFreq_; }
  const std::vector<Text>& filesRead() const { return filesRead_; }
  int firstRecordCalls() const { return firstRecordCalls_; }
  const std::vector<int32_t>& wordsReadCalls() const { return wordsReadCalls_; }

 private:
  void NoteCurrentFile();
  void RecordFileOccurrence(int32_t r);

  TableMode mode_;
  std::vector<Record> records_{Record()};
  int32_t numWords_ = 0;
  int32_t firstFreq_ = 0;
  std::vector<Text> filesRead_{Text()};
  int32_t currentFileNumber_ = 0;
  Text currentFile_;
  int firstRecordCalls_ = 0;
  std::vector<int32_t> wordsReadCalls_;
};

// GetWords2 over "+"-joined windows, with the scanner's remove-mode filter.
class Assembler final : public WordSink {
 public:
  Assembler(Table& table, const PhraseRunParameters& params, const Settings& settings,
            const WordIgnoreTest& ignoreTest);

  void TakeWord(TextView word, const StopFlags& flags) override;
  void GetWords2(TextView word, const StopFlags& flags);
  void ResetPhrases();

 private:
  Table& table_;
  const PhraseRunParameters& params_;
  const Settings& settings_;
  const WordIgnoreTest& ignoreTest_;
  std::vector<Text> slots_;  // index 1 to phraseSlotCount
};

// The files text of a record as (file number, count) pairs.
std::vector<FileTally> DecodeFiles(const Record& record);

}  // namespace velt::reference
