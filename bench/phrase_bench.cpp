// Times a whole count of a plain-text file, from reading its lines to the
// finished frequency chain, stage by stage, and prints the peak memory.
//
// Usage: phrase_bench FILE [MIN_WORDS MAX_WORDS MIN_OCCURRENCES [case]]
// (defaults 2 6 2; default word rules, no words to ignore; "case" makes case
// significant, so "The" and "the" are phrases with equal keys). bench/kjv.sh
// makes the test texts.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "phrases/list_statistics.h"
#include "phrases/phrase_assembler.h"
#include "phrases/phrase_table.h"
#include "phrases/redundant_subphrases.h"
#include "platform/event_pump.h"
#include "settings/settings.h"
#include "text/case_mapping.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"
#include "words/word_scanner.h"

namespace velt {
namespace {

// Wall-clock and processor time (user + system) of one stage.
struct Lap {
  double wall = 0;
  double cpu = 0;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class Stopwatch {
 public:
  Lap Next() {
    const auto now = std::chrono::steady_clock::now();
    const double cpu = CpuSeconds();
    const Lap lap{std::chrono::duration<double>(now - wall_).count(), cpu - cpu_};
    wall_ = now;
    cpu_ = cpu;
    total_.wall += lap.wall;
    total_.cpu += lap.cpu;
    return lap;
  }
  Lap total() const { return total_; }

 private:
  std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
  double cpu_ = CpuSeconds();
  Lap total_;
};

void PrintLap(const char* stage, const Lap& lap) {
  std::printf("  %-28s %6.2f s wall %6.2f s cpu\n", stage, lap.wall, lap.cpu);
}

long PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// A file line as the single-file source prepares it: control characters
// trimmed at both ends, lower-cased (case not significant), one space appended.
bool PrepareLine(const std::string& bytes, bool caseSignificant, Text& line) {
  line = DecodeCp1252(bytes);
  size_t first = 0;
  size_t last = line.size();
  while (first < last && line[first] < u' ')
    ++first;
  while (last > first && line[last - 1] < u' ')
    --last;
  if (first == last) return false;
  line = line.substr(first, last - first);
  if (!caseSignificant) line = LowerCaseText(line);
  line.push_back(u' ');
  return true;
}

int Run(const char* path, int minWords, int maxWords, int minOccurrences, bool caseSignificant) {
  Settings settings;
  settings.caseSignificant = caseSignificant;
  NullEventPump pump;
  const bool stopRequested = false;
  const bool startUpCompleted = true;
  PhraseRunParameters params;
  params.minPhraseLength = minWords;
  params.maxPhraseLength = maxWords;
  params.minimumFrequency = minOccurrences;
  params.phraseSlotCount = maxWords;
  params.SetIgnoreWordsOption(settings.ignoreMode);
  NoWordsToIgnore lists;
  const WordIgnoreTest ignoreTest(lists, settings, stopRequested);

  WordRules rules;
  rules.SetAllowedExtraChars1(settings);
  rules.SetAllowedExtraChars2(settings);
  ScannerState state;
  PhraseTable table(pump);
  table.Reset(TableMode::Count);
  PhraseAssembler assembler(table, params, settings, ignoreTest, stopRequested);
  CountingSink sink(assembler, params);
  WordScanner scanner(state, rules, settings, pump, stopRequested, startUpCompleted, sink);

  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return 2;
  }
  Stopwatch watch;
  std::string bytes;
  while (std::getline(in, bytes)) {
    if (!PrepareLine(bytes, settings.caseSignificant, state.currentLine)) continue;
    if (settings.endPhraseAtLineEnd) assembler.ResetPhrases();
    scanner.ScanLine();
  }
  const Lap reading = watch.Next();
  table.SortPhraseTable(1, table.phraseCount(), 1);
  const Lap sorting = watch.Next();
  ApplyThreshold(table, params);
  const bool completed = ExcludeRedundantSubphrases(table, stopRequested, pump);
  const Lap subphrases = watch.Next();
  const ListStatistics stats = ComputeListStatistics(table, pump);
  BuildFrequencyChain(table, stats, false, pump, [] {});
  const Lap chain = watch.Next();

  std::printf("%s: lengths %d-%d, minimum %d occurrence(s)%s\n", path, minWords, maxWords,
              minOccurrences, caseSignificant ? ", case significant" : "");
  std::printf("  words %d, distinct phrases %d, listed %d, excluded %d%s\n", state.totalOccurrences,
              table.phraseCount(), stats.includedPhraseCount, stats.excludedPhraseCount,
              completed ? "" : " (pass incomplete)");
  PrintLap("reading and counting", reading);
  PrintLap("sort", sorting);
  PrintLap("threshold and subphrases", subphrases);
  PrintLap("statistics and chain", chain);
  PrintLap("total", watch.total());
  std::printf("  peak RSS %ld MB\n", PeakRssMegabytes());
  return 0;
}

}  // namespace
}  // namespace velt

int main(int argc, char** argv) {
  if (argc != 2 && argc != 5 && argc != 6) {
    std::fprintf(stderr, "usage: %s FILE [MIN_WORDS MAX_WORDS MIN_OCCURRENCES [case]]\n", argv[0]);
    return 2;
  }
  const int minWords = argc >= 5 ? std::atoi(argv[2]) : 2;
  const int maxWords = argc >= 5 ? std::atoi(argv[3]) : 6;
  const int minOccurrences = argc >= 5 ? std::atoi(argv[4]) : 2;
  const bool caseSignificant = argc == 6 && std::string(argv[5]) == "case";
  return velt::Run(argv[1], minWords, maxWords, minOccurrences, caseSignificant);
}
