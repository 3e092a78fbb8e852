// Throughput of the file reader without the word scanner: classification,
// line splitting, Windows-1252 decoding and line normalisation of a generated
// 100 MB plain-text file, handed to a consumer that does nothing. Also reads a
// 100 MB UTF-8 file with accented words (no byte-order mark) and a 200 MB file
// without any line end, and reports the peak memory it needed.
//
//   reading_bench [MEGABYTES]
//   reading_bench --files FILE...
//
// The second form measures the given files: the classifier alone, the whole
// reading, and the classifier's share of the reading time.
//
// Generated files are written under /tmp and removed afterwards. Build in
// Release to measure.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>

#include "engine/session.h"
#include "platform/zip_reader.h"
#include "sources/file_classifier.h"
#include "sources/file_reader.h"
#include "sources/line_reader.h"

namespace velt {
namespace {

// What the bench prints of the classifier's verdict: the line type of a text
// file, "refused" for any other verdict.
const char* Described(const TextFileClass& found) {
  if (found.verdict != TextVerdict::Text) return "refused";
  switch (found.lineType) {
    case LineType::LfOnly:
      return "LF";
    case LineType::CrOnly:
      return "CR";
    case LineType::CrLf:
      break;
  }
  return "CR LF";
}

// What the bench prints of a reading's outcome.
const char* Described(const FileReadOutcome& outcome) {
  return outcome.status == FileReadStatus::Read ? "read" : "refused";
}

class DefaultDialogs final : public Dialogs {
 public:
  Answer Message(const MessageRequest& request) override { return request.DefaultAnswer(); }
  std::optional<Text> InputBox(const InputRequest&) override { return std::nullopt; }
  std::optional<Text> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Text> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Text> BrowseFolder(const Text&) override { return std::nullopt; }
};

class DiscardingHooks final : public SourceHooks {
 public:
  int64_t lines = 0;
  int64_t characters = 0;
  ScannerState& Scanner() override { return scanner_; }
  void ProcessLine(Text line) override {
    ++lines;
    characters += static_cast<int64_t>(line.size());
  }
  void ResetPhrases() override {}
  void ResetWordStore(bool) override {}
  void OutputToTxb(TextView) override {}
  void ClearTextbox() override {}
  bool TextWindowFull() const override { return false; }
  void ReportError(int number, const Text& description, const Text&) override {
    std::fprintf(stderr, "error %d: %s\n", number, ToUtf8(description).c_str());
  }
  void EnableDisableButtons(bool) override {}
  void ClearPreviousResults() override {}
  void ConcealCounters(bool) override {}
  void EraseCounters() override {}
  void FocusCountButton() override {}

 private:
  ScannerState scanner_;
};

constexpr const char* kEnglishWords[] = {"the",   "of",      "and",   "to",       "in",
                                         "a",     "is",      "that",  "for",      "it",
                                         "river", "morning", "quiet", "thousand", "window"};
// French and German words in UTF-8, most of them accented.
constexpr const char* kAccentedWords[] = {"le",    "café",  "crème", "brûlée", "et",
                                          "la",    "forêt", "grüße", "aus",    "Köln",
                                          "œuvre", "der",   "und",   "die",    "straße"};

void WriteText(const std::string& path, size_t megabytes, bool lineEnds,
               std::span<const char* const> words = kEnglishWords) {
  std::mt19937 random(42);
  std::ofstream out(path, std::ios::binary);
  std::string line;
  size_t written = 0;
  while (written < megabytes << 20) {
    line.clear();
    while (line.size() < 70) {
      line += words[random() % words.size()];
      line += ' ';
    }
    line += lineEnds ? "\r\n" : " ";
    out << line;
    written += line.size();
  }
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

long PeakMemoryMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Runs DoItFromFile on path as a single-file count would.
void Measure(const char* label, const std::string& path) {
  DefaultDialogs dialogs;
  NullView view;
  NullEventPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;
  Session session(Seams{dialogs, view, pump, clipboard}, texts, "", NumberFormat{});
  session.settings.source = Source::SingleFile;
  session.settings.filePaths[0] = FromUtf8(path);
  session.settings.filePaths[1] = u"/tmp/velt_bench_unused_output.txt";
  session.settings.outputToFileDisabled = true;
  DiscardingHooks hooks;
  LibzipReader zip;
  SourceContext context{session.shell, session.settings, session.run, session.sources, hooks, zip};

  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1048576.0;
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const FileReadOutcome result = DoItFromFile(context);
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::printf(
      "%-34s %7.1f MB in %6.3f s = %7.1f MB/s, CPU %6.3f s = %7.1f MB/s  (%s, %lld "
      "lines, peak RSS %ld MB)\n",
      label, megabytes, seconds, megabytes / seconds, cpuSeconds, megabytes / cpuSeconds,
      Described(result), static_cast<long long>(hooks.lines), PeakMemoryMb());
}

void MeasureSplittingOnly(const std::string& path) {
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1048576.0;
  const auto start = std::chrono::steady_clock::now();
  TextFileInfo info;
  const TextFileClass type =
      IsTextFile(FromUtf8(path), kSampleSize, info, kFileSourceThreshold, true);
  LineReader reader(path);
  Text line;
  bool complete = false;
  int64_t lines = 0;
  while (reader.ReadLine(line, complete))
    ++lines;
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  std::printf("%-34s %7.1f MB in %6.3f s = %7.1f MB/s  (line type %s, %lld lines)\n",
              "classify + split + decode", megabytes, seconds, megabytes / seconds, Described(type),
              static_cast<long long>(lines));
}

// The UTF-8 content check of the classifier on its sample, in memory: the
// best mean of seven batches.
double Utf8CheckSeconds(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string sample(kUtf8SampleSize, '\0');
  in.read(sample.data(), static_cast<std::streamsize>(sample.size()));
  sample.resize(static_cast<size_t>(in.gcount()));
  double best = 1e30;
  bool valid = false;
  for (int batch = 0; batch < 7; ++batch) {
    constexpr int kRuns = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < kRuns; ++run)
      valid ^= CheckUtf8(sample, true).valid;
    best = std::min(best, Seconds(std::chrono::steady_clock::now() - start) / kRuns);
  }
  if (valid) std::fputs("", stdout);  // keeps the checks from being optimised away
  return best;
}

// The classifier alone against the whole reading of a file (which includes
// the classifier). On a shared machine the best of several tries is the
// figure least disturbed by other work: the classifier's time is the best
// mean of seven batches of runs, the reading's the best of five.
void MeasureClassifierShare(const std::string& path) {
  const Text textPath = FromUtf8(path);
  double classifierSeconds = 1e30;
  TextFileClass type;
  for (int batch = 0; batch < 7; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    int runs = 0;
    while (runs < 200 && Seconds(std::chrono::steady_clock::now() - start) < 0.3) {
      TextFileInfo info;
      type = IsTextFile(textPath, kSampleSize, info, kFileSourceThreshold, true);
      ++runs;
    }
    classifierSeconds =
        std::min(classifierSeconds, Seconds(std::chrono::steady_clock::now() - start) / runs);
  }
  double bestReading = 1e30;
  FileReadOutcome result;
  int64_t lines = 0;
  for (int i = 0; i < 5; ++i) {
    DefaultDialogs dialogs;
    NullView view;
    NullEventPump pump;
    MemoryClipboard clipboard;
    UiTextTable texts;
    Session session(Seams{dialogs, view, pump, clipboard}, texts, "", NumberFormat{});
    session.settings.source = Source::SingleFile;
    session.settings.filePaths[0] = textPath;
    session.settings.outputToFileDisabled = true;
    DiscardingHooks hooks;
    LibzipReader zip;
    SourceContext context{
        session.shell, session.settings, session.run, session.sources, hooks, zip};
    const auto readStart = std::chrono::steady_clock::now();
    result = DoItFromFile(context);
    bestReading = std::min(bestReading, Seconds(std::chrono::steady_clock::now() - readStart));
    lines = hooks.lines;
  }
  const double checkSeconds = Utf8CheckSeconds(path);
  std::printf(
      "%-20s classify %9.1f us (%s), UTF-8 check %7.2f us; read %9.3f ms (%s, "
      "%lld lines); share of reading: classifier %.3f %%, check %.3f %%\n",
      std::filesystem::path(path).filename().c_str(), classifierSeconds * 1e6, Described(type),
      checkSeconds * 1e6, bestReading * 1e3, Described(result), static_cast<long long>(lines),
      100.0 * classifierSeconds / bestReading, 100.0 * checkSeconds / bestReading);
}

}  // namespace
}  // namespace velt

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--files") {
    for (int i = 2; i < argc; ++i)
      velt::MeasureClassifierShare(argv[i]);
    return 0;
  }
  const size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 100;
  const std::string text = "/tmp/velt_reading_bench.txt";
  const std::string oneLine = "/tmp/velt_reading_bench_oneline.txt";
  velt::WriteText(text, megabytes, true);
  velt::MeasureSplittingOnly(text);
  velt::Measure("DoItFromFile, CR LF lines", text);
  velt::Measure("DoItFromFile, CR LF lines (again)", text);
  std::filesystem::remove(text);
  const std::string accented = "/tmp/velt_reading_bench_utf8.txt";
  velt::WriteText(accented, megabytes, true, velt::kAccentedWords);
  velt::Measure("DoItFromFile, UTF-8 accented", accented);
  std::filesystem::remove(accented);
  velt::WriteText(oneLine, 2 * megabytes, false);
  velt::Measure("DoItFromFile, no line end at all", oneLine);
  std::filesystem::remove(oneLine);
  return 0;
}
