#include "reference_model.h"

#include <span>
#include <string>

#include "phrases/phrase_key.h"
#include "phrases/string_arrays.h"
#include "words/word_shape.h"

namespace velt::reference {
namespace {

Text FiveDigits(int32_t value) {
  std::string digits = std::to_string(value);
  digits = std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
  return T(digits.substr(digits.size() - 5));
}

int32_t CountWords(TextView phrase) {
  int32_t words = 1;
  for (const char16_t c : phrase)
    words += c == u' ' ? 1 : 0;
  return words;
}

}  // namespace

void Table::AddWordToList(TextView phrase) {
  const bool reading = mode_ == TableMode::ReadingWords;
  if (!reading && phrase.size() > kMaxPermittedWordLength) return;
  if (mode_ == TableMode::FolderCount) NoteCurrentFile();
  const auto fill = [&](Record& r) {
    r = Record();
    r.phrase = phrase;
    r.key = MakePhraseKey(phrase);
    r.count = 1;
    if (reading) return;
    r.files = FiveDigits(currentFileNumber_);
    r.perFileCounts = u"00001";
    r.fileCount = 1;
  };
  if (numWords_ == 0) {
    numWords_ = 1;
    records_.resize(2);
    fill(records_[1]);
    ++firstRecordCalls_;
    return;
  }
  const FindResult found =
      SearchSorted(numWords_, [&](int32_t m) { return phrase.compare(records_[m].phrase); });
  if (found.found) {
    ++records_[found.index].count;
    RecordFileOccurrence(found.index);
    return;
  }
  ++numWords_;
  records_.resize(numWords_ + 1);
  fill(records_[numWords_]);
  InsertPhraseInOrder(std::span<Record>(records_).subspan(1, numWords_), numWords_, -found.index,
                      [](const Record& a, const Record& b) { return a.phrase < b.phrase; });
  if (reading && numWords_ % 10 == 0) wordsReadCalls_.push_back(numWords_);
}

void Table::NoteCurrentFile() {
  if (currentFile_ == filesRead_[currentFileNumber_]) return;
  ++currentFileNumber_;
  filesRead_.push_back(currentFile_);
}

void Table::RecordFileOccurrence(int32_t r) {
  Record& record = records_[r];
  if (record.files.size() == 50000) return;
  const Text file = FiveDigits(currentFileNumber_);
  if (record.files.size() < 5 || record.files.substr(record.files.size() - 5) != file) {
    record.files += file;
    record.perFileCounts += u"00000";
    ++record.fileCount;
  }
  const size_t last = record.perFileCounts.size() - 5;
  const int32_t v = std::stoi(ToUtf8(record.perFileCounts.substr(last))) + 1;
  if (v > 99999) return;
  record.perFileCounts.replace(last, 5, FiveDigits(v));
}

void Table::SortPhraseTable(int32_t first, int32_t last, int c) {
  PartitionSort<Text>(
      first, last, [&](int64_t k) { return FromCharacter(records_[k].key, c); },
      [](TextView a, TextView b) { return a < b; },
      [&](int64_t i, int64_t j) { std::swap(records_[i], records_[j]); });
}

void Table::ApplyThreshold(int threshold) {
  for (int32_t i = 1; i <= numWords_; ++i) {
    records_[i].included = threshold == 1 || records_[i].count >= threshold;
  }
}

void Table::ExcludeRedundantSubphrases() {
  for (int32_t i = 1; i <= numWords_; ++i) {
    Record& sub = records_[i];
    if (!sub.included) continue;
    for (int32_t j = 1; j <= numWords_; ++j) {
      const Record& super = records_[j];
      if (j != i && super.included && sub.phrase.size() < super.phrase.size() &&
          sub.count == super.count && super.phrase.find(sub.phrase) != Text::npos) {
        sub.included = false;
        break;
      }
    }
  }
}

ListStatistics Table::ComputeListStatistics() const {
  ListStatistics s;
  for (int32_t i = 1; i <= numWords_; ++i) {
    const Record& r = records_[i];
    if (!r.included) {
      ++s.excludedPhraseCount;
      continue;
    }
    ++s.includedPhraseCount;
    s.occurrenceCount += r.count;
    if (r.count > s.maxFrequency) {
      s.maxFrequency = r.count;
      s.topPhrase = r.phrase;
    }
    if (r.fileCount > s.maxFileCount) {
      s.maxFileCount = r.fileCount;
      s.topPhrase = r.phrase;
    }
    if (static_cast<int>(r.phrase.size()) > s.longestPhraseLength) {
      s.longestPhraseLength = static_cast<int>(r.phrase.size());
    }
    if (CountWords(r.phrase) > s.wordsInLongestPhrase) {
      s.wordsInLongestPhrase = CountWords(r.phrase);
    }
  }
  return s;
}

void Table::BuildFrequencyChain(const ListStatistics& stats, bool byNumberOfFiles) {
  for (int32_t i = 1; i <= numWords_; ++i)
    records_[i].rank = records_[i].next = 0;
  firstFreq_ = 0;
  int32_t counter = 0;
  const int32_t maxValue = byNumberOfFiles ? stats.maxFileCount : stats.maxFrequency;
  for (int32_t v = maxValue; v >= 1; --v) {
    for (int32_t i = 1; i <= numWords_; ++i) {
      const Record& r = records_[i];
      if (r.included && (byNumberOfFiles ? r.fileCount : r.count) == v) {
        records_[i].rank = ++counter;
        if (counter == 1) firstFreq_ = i;
      }
    }
  }
  if (firstFreq_ == 0) return;
  int32_t current = firstFreq_;
  for (int32_t k = 1;; ++k) {
    for (int32_t i = 1; i <= numWords_; ++i) {
      if (records_[i].rank == k + 1) {
        records_[current].next = i;
        current = i;
        break;
      }
    }
    if (k == stats.includedPhraseCount) break;
  }
}

Assembler::Assembler(Table& table, const PhraseRunParameters& params, const Settings& settings,
                     const WordIgnoreTest& ignoreTest)
    : table_(table),
      params_(params),
      settings_(settings),
      ignoreTest_(ignoreTest),
      slots_(params.phraseSlotCount + 1) {}

void Assembler::TakeWord(TextView word, const StopFlags& flags) {
  if (params_.removeIgnoredWords && ignoreTest_.StripPhrase(word).empty()) return;
  GetWords2(word, flags);
}

void Assembler::ResetPhrases() {
  for (Text& slot : slots_)
    slot.clear();
}

void Assembler::GetWords2(TextView w, const StopFlags& flags) {
  if (FailsSevenBitTest(w, settings_)) return;
  for (int c = 2; c <= params_.phraseSlotCount; ++c) {
    Text& window = slots_[c];
    if (window.empty()) {
      window = w;
    } else {
      if (static_cast<int>(SplitWindow(window).size()) >= c) {
        window.erase(0, window.find(u'+') + 1);
      }
      window += u'+';
      window += w;
    }
    if (static_cast<int>(SplitWindow(window).size()) != c) continue;
    const int upper =
        params_.removeIgnoredWords ? 2 * params_.maxPhraseLength : params_.maxPhraseLength;
    if (c < params_.minPhraseLength || c > upper) continue;
    bool accepted;
    if (!params_.wordsToIgnoreInForce) {
      accepted = c <= params_.maxPhraseLength;
    } else if (params_.removeIgnoredWords) {
      const Text s = ignoreTest_.StripPhrase(window);
      const int words = s.empty() ? 0 : CountWords(s);
      accepted = words >= params_.minPhraseLength && words <= params_.maxPhraseLength;
    } else {
      accepted = ignoreTest_.PhraseAcceptable(window, params_);
    }
    if (!accepted) continue;
    Text phrase = window;
    for (char16_t& ch : phrase)
      ch = ch == u'+' ? u' ' : ch;
    table_.AddWordToList(phrase);
  }
  if ((settings_.endPhraseAtPeriod && flags.period) ||
      (settings_.endPhraseAtDoubleQuote && flags.doubleQuote) ||
      (settings_.endPhraseAtTab && flags.tab) || (settings_.endPhraseAtComma && flags.comma)) {
    ResetPhrases();
  }
}

std::vector<FileTally> DecodeFiles(const Record& record) {
  std::vector<FileTally> files;
  for (size_t at = 0; at + 5 <= record.files.size(); at += 5) {
    files.push_back({std::stoi(ToUtf8(record.files.substr(at, 5))),
                     std::stoi(ToUtf8(record.perFileCounts.substr(at, 5)))});
  }
  return files;
}

}  // namespace velt::reference
