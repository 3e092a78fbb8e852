// Listing speed: ListWords over an in-memory table of 400,000 included phrases,
// with and without the output file, in both orders.
//
//   listing_bench [phrases]
//
// Prints the wall time of each listing (best of three), the size of the file and the window,
// and how often the window model was changed (the report reaches it in
// batches of just over 2,048 characters, never line by line).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "../tests/reports/in_memory_phrases.h"
#include "engine/session.h"
#include "reports/listing.h"

namespace {

using velt::testing::InMemoryPhrases;
using velt::testing::PhraseRow;

class SilentDialogs final : public velt::Dialogs {
 public:
  velt::Answer Message(const velt::MessageRequest& request) override {
    std::fprintf(stderr, "message: %s\n", velt::ToUtf8(request.text).c_str());
    return request.DefaultAnswer();
  }
  std::optional<velt::Text> InputBox(const velt::InputRequest& r) override { return r.defaultText; }
  std::optional<velt::Text> OpenFile(const velt::FileDialogRequest&) override { return {}; }
  std::optional<velt::Text> SaveFile(const velt::FileDialogRequest&) override { return {}; }
  std::optional<velt::Text> BrowseFolder(const velt::Text&) override { return {}; }
};

class CountingView final : public velt::View {
 public:
  long textWindowChanges = 0;
  void TextWindowChanged(size_t) override { ++textWindowChanges; }
  void ControlChanged(velt::ControlId) override {}
  void SettingsChanged() override {}
  void Repaint(velt::ControlId) override {}
  void SetFocus(velt::ControlId) override {}
};

// A listing alone runs no window handler: the hooks have nothing to do.
class NoReportHooks final : public velt::ReportHooks {
 public:
  void FocusCountButton() override {}
  void DisplayFormatChosen() override {}
  void SortByNumberOfFilesClicked() override {}
};

InMemoryPhrases MakeTable(int count) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> words(2, 5);
  std::uniform_int_distribution<int> word(0, 49999);
  std::geometric_distribution<int> extra(0.3);
  std::vector<PhraseRow> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    velt::Text phrase;
    for (int w = words(random); w > 0; --w) {
      if (!phrase.empty()) phrase.push_back(u' ');
      phrase.append(u"w").append(velt::Decimal(word(random)));
    }
    rows.push_back({std::move(phrase), 2 + extra(random)});
  }
  return InMemoryPhrases(std::move(rows));
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 400000;
  InMemoryPhrases table = MakeTable(count);
  SilentDialogs dialogs;
  CountingView view;
  velt::NullEventPump pump;
  velt::MemoryClipboard clipboard;
  velt::UiTextTable texts;
  velt::Session session(velt::Seams{dialogs, view, pump, clipboard}, texts, ".",
                        velt::NumberFormat{});
  session.settings.source = velt::Source::Clipboard;
  session.run.summarySentence = u"Summary.\r\n";
  NoReportHooks hooks;
  velt::TextSink sink(session.window, session.textWindow, session.reports, session.sources);
  velt::ReportContext context{
      session.shell, session.settings, session.run, session.reports, session.sources, sink, hooks};
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "velt_listing_bench.txt";

  std::printf("%d phrases\n", count);
  for (const int format : {0, 8}) {
    for (const int order : {0, 1}) {
      for (const bool toFile : {false, true}) {
        session.settings.displayFormat = format;
        session.settings.wordOrder = order;
        session.settings.filePaths[1] = toFile ? velt::FromUtf8(file.string()) : velt::Text();
        // The best of three runs, so that other load on the machine counts
        // as little as possible.
        double seconds = 1e9;
        for (int run = 0; run < 3; ++run) {
          view.textWindowChanges = 0;
          const auto start = std::chrono::steady_clock::now();
          velt::ListWords(context, table);
          seconds = std::min(seconds, Seconds(std::chrono::steady_clock::now() - start));
        }
        std::printf(
            "format %2d  %-12s  %-18s  %.3f s   window %zu chars, %ld window updates%s\n", format,
            order == 0 ? "by frequency" : "alphabetical", toFile ? "file + window" : "window only",
            seconds, session.textWindow.length(), view.textWindowChanges,
            toFile
                ? (", file " + std::to_string(std::filesystem::file_size(file)) + " bytes").c_str()
                : "");
      }
    }
  }
  std::filesystem::remove(file);
  return 0;
}
