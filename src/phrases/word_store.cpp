#include "phrases/word_store.h"

#include "phrases/phrase_key.h"

namespace velt {

WordStore::WordStore() : textStarts_{0}, keyStarts_{0}, slots_(1024, 0) {}

uint64_t WordStore::Hash(TextView word) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a over the code units
  for (const char16_t c : word) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash ^ (hash >> 29);
}

size_t WordStore::SlotOf(TextView word, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = slots_[slot];
    if (entry == 0) return slot;
    if (hashes_[entry - 1] == hash && Word(entry - 1) == word) return slot;
  }
}

uint32_t WordStore::Find(TextView word) const {
  const uint32_t entry = slots_[SlotOf(word, Hash(word))];
  return entry == 0 ? kNone : entry - 1;
}

uint32_t WordStore::Intern(TextView word) {
  const uint64_t hash = Hash(word);
  const size_t slot = SlotOf(word, hash);
  if (slots_[slot] != 0) return slots_[slot] - 1;
  const uint32_t id = size();
  textChars_.insert(textChars_.end(), word.begin(), word.end());
  textStarts_.push_back(static_cast<uint32_t>(textChars_.size()));
  Text key;
  AppendPhraseKey(word, key);
  keyChars_.insert(keyChars_.end(), key.begin(), key.end());
  keyStarts_.push_back(static_cast<uint32_t>(keyChars_.size()));
  hashes_.push_back(hash);
  slots_[slot] = id + 1;
  if (2 * size() > slots_.size()) Grow();
  return id;
}

void WordStore::Grow() {
  slots_.assign(slots_.size() * 2, 0);
  const size_t mask = slots_.size() - 1;
  for (uint32_t id = 0; id < size(); ++id) {
    size_t slot = hashes_[id] & mask;
    while (slots_[slot] != 0)
      slot = (slot + 1) & mask;
    slots_[slot] = id + 1;
  }
}

}  // namespace velt
