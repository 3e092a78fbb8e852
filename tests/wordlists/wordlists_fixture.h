// The word lists' context on recording doubles, with words files on disk read
// through the text sources' own check and line reader.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "doubles/recording_dialogs.h"
#include "doubles/recording_view.h"
#include "doubles/scratch_dir.h"
#include "doubles/scripted_pump.h"
#include "sources/source_hooks.h"
#include "wordlists/source_words_files.h"
#include "wordlists/word_list_context.h"

namespace velt::testing {

// What checking a words file asks of the sources' hooks: clearing the text window.
class QuietSourceHooks final : public SourceHooks {
 public:
  explicit QuietSourceHooks(TextWindow& textWindow) : textWindow_(textWindow) {}
  ScannerState& Scanner() override { return scanner_; }
  void ProcessLine(Text) override {}
  void ResetPhrases() override {}
  void ResetWordStore(bool) override {}
  void OutputToTxb(TextView text) override { textWindow_.Append(text); }
  void ClearTextbox() override { textWindow_.Clear(); }
  bool TextWindowFull() const override { return false; }
  void ReportError(int, const Text&, const Text&) override {}
  void EnableDisableButtons(bool) override {}
  void ClearPreviousResults() override {}
  void ConcealCounters(bool) override {}
  void EraseCounters() override {}
  void FocusCountButton() override {}

 private:
  TextWindow& textWindow_;
  ScannerState scanner_;
};

// Counts what the word lists ask of the program above them.
class RecordingWordListHooks final : public WordListHooks {
 public:
  int countButtonResets = 0;
  void ResetCountButton() override { ++countButtonResets; }
};

class WordListsTest : public ::testing::Test {
 protected:
  WordListsTest()
      : shell(Seams{dialogs, view, pump, clipboard}, LoadTexts(texts), dir_.File("data")),
        sourceHooks_(shell.textWindow),
        files(shell, sourceHooks_),
        context{shell, settings, run, lists, files, hooks} {
    std::filesystem::create_directories(dir_ / "data");
    run.startUpCompleted = true;
  }

  Text PathOf(const std::string& name) const { return FromUtf8(dir_.File(name)); }

  // Writes bytes to a file under the test folder; returns its path.
  Text WriteFile(const std::string& name, const std::string& bytes) {
    return FromUtf8(dir_.Write(name, bytes));
  }

  // Lists path and selects it, as the user's choice does.
  void Select(const Text& path) {
    WordsFileList& list = settings.wordsFileList;
    list.entries.push_back(path);
    list.index = static_cast<int>(list.entries.size()) - 1;
  }

  const std::vector<Text>& FileWords() { return lists.fileWordsToIgnore.entries(); }

  RecordingDialogs dialogs;
  RecordingView view;
  ScriptedPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;

 private:
  static const UiTextTable& LoadTexts(UiTextTable& table) {
    table.Load(std::string(VELT_DATA_DIR) + "/velt.dat");
    return table;
  }

  ScratchDir dir_{"velt-wordlists"};

 protected:
  Shell shell;
  Settings settings;
  RunState run;
  WordListState lists;
  RecordingWordListHooks hooks;

 private:
  QuietSourceHooks sourceHooks_;

 protected:
  SourceWordsFiles files;
  WordListContext context;
};

}  // namespace velt::testing
