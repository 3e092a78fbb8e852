// The sources' context on recording doubles, hooks that record what the
// sources hand on, and a private folder for generated files.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "doubles/recording_dialogs.h"
#include "doubles/recording_view.h"
#include "doubles/scratch_dir.h"
#include "doubles/scripted_pump.h"
#include "sources/source_hooks.h"
#include "sources/zip_archive_builder.h"

namespace velt::testing {

inline std::string TestData(const std::string& name) {
  return std::string(VELT_TEST_DATA_DIR) + "/" + name;
}

// Records every line, boundary and error the sources hand on, and writes what
// they output to the text window.
class RecordingHooks final : public SourceHooks {
 public:
  RecordingHooks(TextWindow& textWindow, const Settings& settings, const SourceState& state)
      : textWindow_(textWindow), settings_(settings), state_(state) {}

  struct Error {
    int number;
    Text description;
    Text label;
  };

  ScannerState scanner;
  std::vector<Text> lines;
  std::vector<Text> lineFiles;           // the file being read when each line arrived
  std::vector<bool> sevenBitDuringLine;  // only7BitAscii when each line arrived
  int phraseResets = 0;
  std::vector<bool> wordStoreResets;  // folderRun of each reset
  std::vector<Error> errors;
  std::vector<bool> buttonStates;
  int previousResultsCleared = 0;
  std::vector<bool> counterConceals;  // erase of each ConcealCounters
  int counterErasures = 0;
  int countButtonFocused = 0;
  size_t textboxCapacity = SIZE_MAX;
  bool textWindowFull = false;

  ScannerState& Scanner() override { return scanner; }
  void ProcessLine(Text line) override {
    lines.push_back(std::move(line));
    lineFiles.push_back(state_.currentFile);
    sevenBitDuringLine.push_back(settings_.only7BitAscii);
  }
  void ResetPhrases() override { ++phraseResets; }
  void ResetWordStore(bool folderRun) override { wordStoreResets.push_back(folderRun); }
  void OutputToTxb(TextView text) override {
    if (textWindowFull) return;
    textWindow_.Append(text);
    if (textWindow_.length() > textboxCapacity) textWindowFull = true;
  }
  void ClearTextbox() override {
    textWindow_.Clear();
    textWindowFull = false;
  }
  bool TextWindowFull() const override { return textWindowFull; }
  void ReportError(int number, const Text& description, const Text& label) override {
    errors.push_back({number, description, label});
  }
  void EnableDisableButtons(bool enable) override { buttonStates.push_back(enable); }
  void ClearPreviousResults() override { ++previousResultsCleared; }
  void ConcealCounters(bool erase) override { counterConceals.push_back(erase); }
  void EraseCounters() override { ++counterErasures; }
  void FocusCountButton() override { ++countButtonFocused; }

 private:
  TextWindow& textWindow_;
  const Settings& settings_;
  const SourceState& state_;
};

inline UiTextTable LoadTexts() {
  UiTextTable texts;
  texts.Load(UiTextFilePath(VELT_DATA_DIR));
  return texts;
}

class SourceTest : public ::testing::Test {
 protected:
  SourceTest() {
    run.startUpCompleted = true;
    setenv("TMPDIR", tempRoot.path().c_str(), 1);
  }
  ~SourceTest() override { unsetenv("TMPDIR"); }

  // What reading left in $TMPDIR: the docx temporary folders in the
  // sources' private folder (which lives as long as the fixture) and
  // anything else beside that folder.
  std::vector<std::string> LeftoverTempFolders() const {
    const std::filesystem::path area = sources.tempArea.path();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(tempRoot.path())) {
      if (entry.path() != area) names.push_back(entry.path().filename().string());
    }
    if (area.empty()) return names;
    for (const auto& entry : std::filesystem::directory_iterator(area)) {
      if (entry.path().filename() != "lock") names.push_back(entry.path().filename().string());
    }
    return names;
  }

  void UseSingleFile(const std::string& path) {
    settings.source = Source::SingleFile;
    settings.filePaths[0] = FromUtf8(path);
  }

  ScratchDir dir{"velt-sources"};
  ScratchDir tempRoot{"velt-tmpdir"};  // $TMPDIR while a test runs
  RecordingDialogs dialogs;
  RecordingView view;
  ScriptedPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts = LoadTexts();
  Shell shell{Seams{dialogs, view, pump, clipboard}, texts, VELT_DATA_DIR, NumberFormat{}};
  Settings settings;
  RunState run;
  SourceState sources;
  RecordingHooks hooks{shell.textWindow, settings, sources};
  LibzipReader zip;
  SourceContext context{shell, settings, run, sources, hooks, zip};
};

}  // namespace velt::testing
