// Hash index of a word trie: (parent node, word id) -> child node. Open
// addressing with the whole key in the slot, so a lookup usually costs one
// cache miss; counting a long text is mostly these lookups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velt {

class TrieIndex {
 public:
  static constexpr uint32_t kAbsent = 0;  // node 0 is the root, never a child

  TrieIndex() : slots_(kInitialSlots) {}

  uint32_t Find(uint32_t parent, uint32_t word) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = Hash(parent, word) & mask;; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.node == kAbsent) return kAbsent;
      if (slot.parent == parent && slot.word == word) return slot.node;
    }
  }

  // Starts loading the slot of (parent, word) into the cache: lookups of one
  // word's windows are independent, so their cache misses can overlap.
  void Prefetch(uint32_t parent, uint32_t word) const {
    __builtin_prefetch(&slots_[Hash(parent, word) & (slots_.size() - 1)]);
  }

  // The child of (parent, word); when absent, stores and returns newNode.
  uint32_t FindOrAdd(uint32_t parent, uint32_t word, uint32_t newNode) {
    const size_t mask = slots_.size() - 1;
    for (size_t at = Hash(parent, word) & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.node == kAbsent) {
        slot = {parent, word, newNode};
        if (++size_ * 10 > slots_.size() * 7) Grow();
        return newNode;
      }
      if (slot.parent == parent && slot.word == word) return slot.node;
    }
  }

  // Room for `nodes` children without growing.
  void Reserve(size_t nodes) {
    size_t slotCount = slots_.size();
    while (nodes * 10 > slotCount * 7)
      slotCount *= 2;
    if (slotCount == slots_.size()) return;
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    Rehash(old);
  }

  void Clear() {
    std::vector<Slot>(kInitialSlots).swap(slots_);
    size_ = 0;
  }

 private:
  static constexpr size_t kInitialSlots = 1024;
  struct Slot {
    uint32_t parent = 0;
    uint32_t word = 0;
    uint32_t node = kAbsent;
  };

  static uint64_t Hash(uint32_t parent, uint32_t word) {
    uint64_t x = (static_cast<uint64_t>(parent) << 32) | word;
    x ^= x >> 33;  // the murmur3 finaliser: parents and words are small integers
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ull;
    return x ^ (x >> 33);
  }

  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    Rehash(old);
  }

  void Rehash(const std::vector<Slot>& old) {
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.node == kAbsent) continue;
      size_t at = Hash(slot.parent, slot.word) & mask;
      while (slots_[at].node != kAbsent)
        at = (at + 1) & mask;
      slots_[at] = slot;
    }
  }

  std::vector<Slot> slots_;
  size_t size_ = 0;
};

}  // namespace velt
