// The words-to-ignore lists in force and the guards of their controls.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "text/text.h"
#include "wordlists/compiled_pattern_list.h"

namespace velt {

// The entries of one list together with their prepared form for pattern
// matching; both always change together.
class IgnoreList {
 public:
  const std::vector<Text>& entries() const { return entries_; }
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  void Assign(std::vector<Text> entries) {
    patterns_ = CompiledPatternList(entries);
    entries_ = std::move(entries);
  }
  void Clear() { Assign({}); }

  CompiledPatternList& patterns() { return patterns_; }

 private:
  std::vector<Text> entries_;
  CompiledPatternList patterns_;
};

struct WordListState {
  IgnoreList fileWordsToIgnore;   // the loaded file's entries: unique, ordinal order
  IgnoreList extraWordsToIgnore;  // the extra words: lower-case, sorted, duplicates kept
  bool wordsToIgnoreInForce = false;
  bool invalidExpressionMet = false;    // the last lookup met an invalid regular expression
  std::array<Text, 2> loadedWordsFile;  // per list: the path whose words are loaded

  // Guards that keep the list's click handler quiet during program changes.
  bool addingWordsFile = false;
  bool resettingWordsFileSelection = false;
  bool clearingWordsFileSelection = false;
  bool settingAllCheckboxes = false;

  int32_t fileWordCount() const { return static_cast<int32_t>(fileWordsToIgnore.size()); }
  int extraWordCount() const { return static_cast<int>(extraWordsToIgnore.size()); }
};

// Sets a guard flag for the lifetime of the object and restores its value after.
class GuardFlag {
 public:
  explicit GuardFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~GuardFlag() { flag_ = saved_; }
  GuardFlag(const GuardFlag&) = delete;
  GuardFlag& operator=(const GuardFlag&) = delete;

 private:
  bool& flag_;
  const bool saved_;
};

}  // namespace velt
