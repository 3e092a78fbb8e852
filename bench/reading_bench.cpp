// Throughput of the file reader without the word scanner: classification,
// line splitting, Windows-1252 decoding and line normalisation of a generated
// 100 MB plain-text file, handed to a consumer that does nothing. Also reads a
// 200 MB file without any line end and reports the peak memory it needed.
//
//   reading_bench [MEGABYTES]
//
// Files are generated under /tmp and removed afterwards. Build in Release to
// measure.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/session.h"
#include "platform/zip_reader.h"
#include "sources/file_classifier.h"
#include "sources/file_reader.h"
#include "sources/line_reader.h"

namespace velt {
namespace {

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
  void ReportError(int number, const Text& description, const Text&) override {
    std::fprintf(stderr, "error %d: %s\n", number, ToUtf8(description).c_str());
  }
  void EnableDisableButtons(bool) override {}
  void ClearPreviousResults() override {}

 private:
  ScannerState scanner_;
};

void WriteText(const std::string& path, size_t megabytes, bool lineEnds) {
  static const char* const kWords[] = {"the",   "of",      "and",   "to",       "in",
                                       "a",     "is",      "that",  "for",      "it",
                                       "river", "morning", "quiet", "thousand", "window"};
  std::mt19937 random(42);
  std::ofstream out(path, std::ios::binary);
  std::string line;
  size_t written = 0;
  while (written < megabytes << 20) {
    line.clear();
    while (line.size() < 70) {
      line += kWords[random() % std::size(kWords)];
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
  session.settings.txbFile[0] = FromUtf8(path);
  session.settings.txbFile[1] = u"/tmp/velt_bench_unused_output.txt";
  session.settings.chkDisableOutputToFile = true;
  DiscardingHooks hooks;
  LibzipReader zip;
  SourceContext context{session, hooks, zip};

  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1048576.0;
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const int result = DoItFromFile(context);
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::printf(
      "%-34s %7.1f MB in %6.3f s = %7.1f MB/s, CPU %6.3f s = %7.1f MB/s  (result %d, %lld "
      "lines, peak RSS %ld MB)\n",
      label, megabytes, seconds, megabytes / seconds, cpuSeconds, megabytes / cpuSeconds, result,
      static_cast<long long>(hooks.lines), PeakMemoryMb());
}

void MeasureSplittingOnly(const std::string& path) {
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1048576.0;
  const auto start = std::chrono::steady_clock::now();
  TextFileInfo info;
  const int type = IsTextFile(FromUtf8(path), kSampleSize, info, kFileSourceThreshold, true);
  LineReader reader(path);
  Text line;
  bool complete = false;
  int64_t lines = 0;
  while (reader.ReadLine(line, complete))
    ++lines;
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  std::printf("%-34s %7.1f MB in %6.3f s = %7.1f MB/s  (line type %d, %lld lines)\n",
              "classify + split + decode", megabytes, seconds, megabytes / seconds, type,
              static_cast<long long>(lines));
}

}  // namespace
}  // namespace velt

int main(int argc, char** argv) {
  const size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 100;
  const std::string text = "/tmp/velt_reading_bench.txt";
  const std::string oneLine = "/tmp/velt_reading_bench_oneline.txt";
  velt::WriteText(text, megabytes, true);
  velt::MeasureSplittingOnly(text);
  velt::Measure("DoItFromFile, CR LF lines", text);
  velt::Measure("DoItFromFile, CR LF lines (again)", text);
  std::filesystem::remove(text);
  velt::WriteText(oneLine, 2 * megabytes, false);
  velt::Measure("DoItFromFile, no line end at all", oneLine);
  std::filesystem::remove(oneLine);
  return 0;
}
