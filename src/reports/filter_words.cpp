#include "reports/filter_words.h"

#include "text/case_mapping.h"

namespace velt {
namespace {

constexpr TextView kFilterWordChars =
    u"abcdefghijklmnopqrstuvwxyzšœÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþß01234567890'-";

// The word occurring at pos is a whole word of the phrase: it is the phrase,
// or it starts the phrase or follows a space, and it ends the phrase or is
// followed by a space.
bool IsWholeWordAt(TextView phrase, TextView word, size_t pos) {
  if (phrase == word) return true;
  const size_t end = pos + word.size();
  const bool startsWord = pos == 0 || phrase[pos - 1] == u' ';
  const bool endsWord = end == phrase.size() || (end < phrase.size() && phrase[end] == u' ');
  return startsWord && endsWord;
}

bool ContainsWholeWord(TextView phrase, TextView word) {
  size_t pos = phrase.find(word);
  while (pos != TextView::npos && !IsWholeWordAt(phrase, word, pos)) {
    pos = phrase.find(word, pos + word.size());
  }
  return pos != TextView::npos;
}

bool ContainsAsSubphrase(TextView phrase, TextView words) {
  for (size_t pos = phrase.find(words); pos != TextView::npos; pos = phrase.find(words, pos + 1)) {
    if (IsWholeWordAt(phrase, words, pos)) return true;
  }
  return false;
}

// Each word occurs after the previous one with at least one character
// between them (plain substrings).
bool ContainsInSameOrder(TextView phrase, const std::vector<Text>& words) {
  size_t start = 0;
  for (size_t k = 0; k + 1 < words.size(); ++k) {
    const size_t pos = phrase.find(words[k], start);
    if (pos == TextView::npos) return false;
    const size_t next = phrase.find(words[k + 1], pos + words[k].size() + 1);
    if (next == TextView::npos) return false;
    start = next;
  }
  return true;
}

}  // namespace

bool IsFilterWordChar(char16_t c) {
  return kFilterWordChars.find(c) != TextView::npos;
}

std::vector<Text> ParseFilterWords(TextView text) {
  std::vector<Text> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !IsFilterWordChar(text[i]))
      ++i;
    const size_t start = i;
    while (i < text.size() && IsFilterWordChar(text[i]))
      ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

Text JoinFilterWords(const std::vector<Text>& words) {
  Text joined;
  for (const Text& word : words) {
    if (!joined.empty()) joined.push_back(u' ');
    joined.append(word);
  }
  return joined;
}

bool PhraseMatchesFilter(TextView phrase, const std::vector<Text>& words, FilterMode mode) {
  if (words.empty()) return true;
  const Text lower = LowerCaseText(phrase);
  if (mode == FilterMode::Subphrase) return ContainsAsSubphrase(lower, JoinFilterWords(words));
  for (const Text& word : words) {
    if (!ContainsWholeWord(lower, word)) return false;
  }
  return mode == FilterMode::AllWords || ContainsInSameOrder(lower, words);
}

TextView FilterModeText(FilterMode mode) {
  switch (mode) {
    case FilterMode::SameOrder:
      return u"all filter words in same order";
    case FilterMode::Subphrase:
      return u"all filter words as a subphrase";
    case FilterMode::AllWords:
      break;
  }
  return u"all filter words";
}

TextView NoMatchMessage(FilterMode mode, bool toFile) {
  switch (mode) {
    case FilterMode::SameOrder:
      return u"No phrase containing all filter words in same order found.";
    case FilterMode::Subphrase:
      return toFile ? u"No phrase containing all filter words as subphrase found."
                    : u"No phrase containing all filter words as a subphrase found.";
    case FilterMode::AllWords:
      break;
  }
  return u"No phrase containing all filter words found.";
}

}  // namespace velt
