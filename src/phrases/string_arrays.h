// Sorting and searching of string arrays and phrase lists, shared by the phrase
// table, the word lists and the reports. Items are stored from element 0, but
// positions in arguments and results are 1-based like the lists they serve:
// position k is items[k - 1]. A character position c compares each item from
// its c-th character on.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "phrases/sorted_search.h"
#include "text/strings.h"
#include "text/text.h"

namespace velt {

// The part of item from its c-th character on (empty past its end).
TextView FromCharacter(TextView item, int c);

// Sorts items first..last ascending by the text from character c on: the
// partition procedure ordering descending, then the range reversed, which is
// what decides the order of items that compare equal.
void SortStringArray(std::span<Text> items, int32_t first, int32_t last, int c);

// Binary search of text among the first n items (ascending from character c on).
FindResult FindString(TextView text, std::span<const Text> items, int32_t n, int c = 1);

// Binary search of a phrase in a table of phrases ascending in code-unit order.
FindResult FindPhrase(TextView text, std::span<const Text> phrases, int32_t n);

// Moves the item just appended at position n (the last) to position a, its
// sorted place, unless it is already greater than the item before it.
template <class T, class Less>
void InsertPhraseInOrder(std::span<T> table, int32_t n, int32_t a, Less less) {
  if (n < 2 || a >= n || less(table[n - 2], table[n - 1])) return;
  T added = std::move(table[n - 1]);
  for (int32_t k = n - 1; k >= a; --k)
    table[k] = std::move(table[k - 1]);
  table[a - 1] = std::move(added);
}

// Trims a space-separated list, sorts its items, removes duplicates and joins
// them with single spaces; an empty or all-space text gives an empty text.
Text NormalizeSpaceList(TextView text);

}  // namespace velt
