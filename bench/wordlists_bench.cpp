// Words-to-ignore lookups per second: 200 wildcard patterns with pattern
// matching on, and a 10,000-word plain list with it off and on; and how long a
// runaway expression takes to end at its match limit. Build in Release to
// measure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "settings/settings.h"
#include "wordlists/compiled_pattern_list.h"
#include "wordlists/ignore_lookup.h"

namespace {

using velt::Text;

Text RandomWord(std::mt19937& rng, int minLength, int maxLength) {
  std::uniform_int_distribution<int> length(minLength, maxLength);
  std::uniform_int_distribution<int> letter(0, 25);
  Text word;
  for (int n = length(rng); n > 0; --n)
    word += static_cast<char16_t>(u'a' + letter(rng));
  return word;
}

// Shapes of wildcard entries: prefix~, ~suffix, a?c~, ~infix~; with classes,
// every tenth also holds a character class, so it needs a compiled expression.
std::vector<Text> WildcardPatterns(std::mt19937& rng, int count, bool classes) {
  std::vector<Text> patterns;
  for (int i = 0; i < count; ++i) {
    Text p;
    switch (i % 4) {
      case 0:
        p = RandomWord(rng, 2, 4) + u"~";
        break;
      case 1:
        p = u"~" + RandomWord(rng, 3, 4);
        break;
      case 2:
        p = RandomWord(rng, 1, 1) + u"?" + RandomWord(rng, 1, 2) + u"~";
        break;
      default:
        p = u"~" + RandomWord(rng, 3, 3) + u"~";
        break;
    }
    if (classes && i % 10 == 9) p += u"[aeiou]";
    patterns.push_back(p);
  }
  return patterns;
}

template <class Lookup>
void Measure(const char* label, const std::vector<Text>& words, Lookup lookup) {
  long hits = 0;
  const auto start = std::chrono::steady_clock::now();
  long lookups = 0;
  double seconds = 0;
  do {
    for (const Text& word : words)
      hits += lookup(word) ? 1 : 0;
    lookups += static_cast<long>(words.size());
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  } while (seconds < 1.0);
  std::printf("%-52s %12.0f lookups/s  (%.1f%% ignored)\n", label, lookups / seconds,
              100.0 * static_cast<double>(hits) / static_cast<double>(lookups));
}

}  // namespace

int main() {
  std::mt19937 rng(42);
  std::vector<Text> words;
  for (int i = 0; i < 20000; ++i)
    words.push_back(RandomWord(rng, 2, 12));

  velt::Settings settings;
  velt::WordListState lists;

  settings.patternMatching = true;
  lists.fileWordsToIgnore.Assign(WildcardPatterns(rng, 200, false));
  Measure("200 wildcard patterns", words,
          [&](const Text& w) { return velt::MatchesWordsFile(lists, settings, w); });
  lists.fileWordsToIgnore.Assign(WildcardPatterns(rng, 200, true));
  Measure("200 wildcard patterns, 20 of them with [aeiou]", words,
          [&](const Text& w) { return velt::MatchesWordsFile(lists, settings, w); });

  std::vector<Text> plain;
  for (int i = 0; i < 10000; ++i)
    plain.push_back(RandomWord(rng, 2, 8));
  std::sort(plain.begin(), plain.end());
  plain.erase(std::unique(plain.begin(), plain.end()), plain.end());
  const auto started = std::chrono::steady_clock::now();
  lists.fileWordsToIgnore.Assign(plain);
  const double prepared =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  settings.patternMatching = false;
  Measure("10,000 plain words, binary search", words,
          [&](const Text& w) { return velt::MatchesWordsFile(lists, settings, w); });
  settings.patternMatching = true;
  Measure("10,000 plain words, pattern matching on", words,
          [&](const Text& w) { return velt::MatchesWordsFile(lists, settings, w); });
  std::printf("(preparing the 10,000-word list took %.1f ms)\n", prepared);

  // "(a+)+$" against 3,000 a's and a "!" backtracks without end but for the
  // match limit; the entry after it must still be tried.
  velt::CompiledPatternList runaway({u"<(a+)+$>", u"<^z>"});
  const Text word = Text(3000, u'a') + u'!';
  bool invalid = false;
  const auto start = std::chrono::steady_clock::now();
  const bool matched = velt::MatchesPatternList(word, runaway, invalid);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("runaway expression ended at its match limit in %.2f ms (matched: %s)\n", ms,
              matched ? "yes" : "no");
  return 0;
}
