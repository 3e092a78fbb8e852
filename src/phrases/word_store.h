// The distinct words of a count, each stored once with its sort key. Phrases
// are held as sequences of word ids; their text and key are joined from here.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace velt {

class WordStore {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  WordStore();

  // The id of word, added when new. Ids count from 0 in order of first sight.
  uint32_t Intern(TextView word);
  // The id of word, or kNone.
  uint32_t Find(TextView word) const;

  uint32_t size() const { return static_cast<uint32_t>(textStarts_.size() - 1); }
  TextView Word(uint32_t id) const { return Slice(textChars_, textStarts_, id); }
  TextView Key(uint32_t id) const { return Slice(keyChars_, keyStarts_, id); }
  uint32_t Length(uint32_t id) const { return textStarts_[id + 1] - textStarts_[id]; }

 private:
  static TextView Slice(const std::vector<char16_t>& chars, const std::vector<uint32_t>& starts,
                        uint32_t id) {
    return TextView(chars.data() + starts[id], starts[id + 1] - starts[id]);
  }
  static uint64_t Hash(TextView word);
  size_t SlotOf(TextView word, uint64_t hash) const;
  void Grow();

  std::vector<char16_t> textChars_;
  std::vector<uint32_t> textStarts_;
  std::vector<char16_t> keyChars_;
  std::vector<uint32_t> keyStarts_;
  std::vector<uint64_t> hashes_;
  // Open addressing: id + 1 per slot, 0 when empty.
  std::vector<uint32_t> slots_;
};

}  // namespace velt
