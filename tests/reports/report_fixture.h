// The context of the report operations with recording doubles, the
// program's UI texts and a private temporary folder, for the report tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "doubles/recording_dialogs.h"
#include "doubles/recording_view.h"
#include "doubles/scratch_dir.h"
#include "doubles/scripted_pump.h"
#include "reports/report_context.h"

namespace velt::testing {

// n spaces, for expected report lines with wide padding.
inline std::string S(size_t n) {
  return std::string(n, ' ');
}

inline std::string Utf8(TextView text) {
  return ToUtf8(text);
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The hooks of the reports: counts what the reports asked of the program above
// them.
class RecordingReportHooks final : public ReportHooks {
 public:
  int focusRequests = 0;
  int displayFormatChoices = 0;
  int sortByNumberOfFilesClicks = 0;

  void FocusCountButton() override { ++focusRequests; }
  void DisplayFormatChosen() override { ++displayFormatChoices; }
  void SortByNumberOfFilesClicked() override { ++sortByNumberOfFilesClicks; }
};

class ReportTest : public ::testing::Test {
 protected:
  ReportTest()
      : shell(Seams{dialogs, view, pump, clipboard}, texts, VELT_DATA_DIR, NumberFormat{}) {
    EXPECT_GT(texts.Load(UiTextFilePath(VELT_DATA_DIR)).entries, 0);
    shell.textWindow.SetLimit(TextWindowLimit(state.textWindowCapacity));
    run.startUpCompleted = true;
    settings.ignoreShortWords = false;
  }

  // Sends the output file to path (empty: no file output).
  void SetOutputFile(const std::filesystem::path& path) {
    settings.filePaths[1] = FromUtf8(path.string());
    settings.outputToFileDisabled = false;
  }

  std::string Window() const { return Utf8(shell.textWindow.text()); }

  RecordingDialogs dialogs;
  RecordingView view;
  ScriptedPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;
  Shell shell;
  Settings settings;
  RunState run;
  ReportState state;
  SourceState sources;
  RecordingReportHooks hooks;
  TextSink sink{shell.window, shell.textWindow, state, sources};
  ReportContext context{shell, settings, run, state, sources, sink, hooks};
  ScratchDir scratch{"velt-reports"};
  const std::filesystem::path tempDir = scratch.path();  // the test's folder
};

}  // namespace velt::testing
