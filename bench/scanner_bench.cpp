// Throughput of the line path of a count: Windows-1252 decoding, control-character
// trim, lower-casing and the word scanner, in markup modes None and HTML.
//
//   scanner_bench [FILE]
//
// Without FILE it scans ~50 MB of generated pseudo-English text with some HTML.
// Build in Release to measure.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "platform/event_pump.h"
#include "settings/settings.h"
#include "sources/line_normalise.h"
#include "sources/markup.h"
#include "text/case_mapping.h"
#include "words/word_scanner.h"

namespace velt {
namespace {

class CountingSink final : public WordSink {
 public:
  long words = 0;
  long characters = 0;
  void TakeWord(TextView word, const StopFlags&) override {
    ++words;
    characters += static_cast<long>(word.size());
  }
};

std::string GenerateText(size_t targetBytes) {
  static const char* const kWords[] = {"the",
                                       "of",
                                       "and",
                                       "to",
                                       "in",
                                       "a",
                                       "is",
                                       "that",
                                       "for",
                                       "it",
                                       "as",
                                       "was",
                                       "with",
                                       "be",
                                       "by",
                                       "on",
                                       "not",
                                       "he",
                                       "this",
                                       "are",
                                       "or",
                                       "his",
                                       "from",
                                       "at",
                                       "which",
                                       "but",
                                       "have",
                                       "an",
                                       "had",
                                       "they",
                                       "you",
                                       "were",
                                       "their",
                                       "one",
                                       "all",
                                       "we",
                                       "can",
                                       "her",
                                       "has",
                                       "there",
                                       "been",
                                       "if",
                                       "more",
                                       "when",
                                       "will",
                                       "would",
                                       "who",
                                       "so",
                                       "no",
                                       "time",
                                       "people",
                                       "world",
                                       "language",
                                       "phrase",
                                       "counted",
                                       "text",
                                       "house",
                                       "river",
                                       "morning",
                                       "during",
                                       "between",
                                       "well-known",
                                       "don't",
                                       "it's",
                                       "U.S.A",
                                       "3.5",
                                       "2023",
                                       "Café",
                                       "naïve",
                                       "e-mail",
                                       "state-of-the-art",
                                       "report",
                                       "between",
                                       "because",
                                       "through",
                                       "government",
                                       "question",
                                       "children"};
  static const char* const kMarkup[] = {"<p>",
                                        "</p>",
                                        "<b>",
                                        "</b>",
                                        "&amp;",
                                        "&eacute;",
                                        "&mdash;",
                                        "&nbsp;",
                                        "<a href=\"http://example.org/x\">",
                                        "</a>",
                                        "<!-- note -->",
                                        "&quot;",
                                        "<br/>",
                                        "<span class=\"c\">",
                                        "</span>",
                                        "--"};
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> word(0, std::size(kWords) - 1);
  std::uniform_int_distribution<size_t> markup(0, std::size(kMarkup) - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  std::string text;
  text.reserve(targetBytes + 200);
  while (text.size() < targetBytes) {
    const int wordsInLine = 8 + percent(random) % 12;
    for (int k = 0; k < wordsInLine; ++k) {
      const int roll = percent(random);
      if (roll < 8) text += kMarkup[markup(random)];
      text += kWords[word(random)];
      if (roll >= 90) text += roll < 95 ? "," : ".";
      if (roll == 50) text += "\t";
      text += ' ';
    }
    if (percent(random) < 3) text += "<script>var x = 1; // code</script>";
    text += "\r\n";
  }
  return text;
}

struct Result {
  double seconds;     // wall clock
  double cpuSeconds;  // this process only; steadier when the machine is busy
  long words;
};

Result ScanStream(std::istream& in, TextView extension) {
  Settings settings;
  WordRules rules;
  rules.SetAllowedExtraChars1(settings);
  rules.SetAllowedExtraChars2(settings);
  ScannerState state;
  SetMarkupMode(extension, state.markers, state.entitiesPossible);
  NullEventPump pump;
  const bool stopRequested = false;
  const bool startUpCompleted = true;
  CountingSink sink;
  WordScanner scanner(state, rules, settings, pump, stopRequested, startUpCompleted, sink);

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  std::string bytes;
  while (std::getline(in, bytes)) {
    const Text decoded = DecodeCp1252(bytes);
    const TextView trimmed = TrimControlChars(decoded);
    if (trimmed.empty()) continue;
    state.currentLine = LowerCaseText(trimmed);
    state.currentLine.push_back(u' ');
    scanner.ScanLine();
  }
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return {elapsed.count(), cpuSeconds, sink.words};
}

void Report(const char* mode, size_t bytes, const Result& result) {
  const double megabytes = static_cast<double>(bytes) / 1e6;
  std::printf("%-5s %5.1f MB: wall %6.3f s = %5.1f MB/s, CPU %6.3f s = %5.1f MB/s, %ld words\n",
              mode, megabytes, result.seconds, megabytes / result.seconds, result.cpuSeconds,
              megabytes / result.cpuSeconds, result.words);
}

}  // namespace
}  // namespace velt

int main(int argc, char** argv) {
  using namespace velt;
  const std::string generated = argc > 1 ? std::string() : GenerateText(50'000'000);
  for (const auto& [name, extension] : {std::pair{"None", u"txt"}, std::pair{"HTML", u"html"}}) {
    if (argc > 1) {
      std::ifstream file(argv[1], std::ios::binary);
      if (!file) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
      }
      Report(name, std::filesystem::file_size(argv[1]), ScanStream(file, extension));
    } else {
      std::istringstream in(generated);
      Report(name, generated.size(), ScanStream(in, extension));
    }
  }
  return 0;
}
