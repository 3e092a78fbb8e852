// A session with recording doubles and words files on disk, read through the
// text sources' own check and line reader.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "doubles/recording_dialogs.h"
#include "doubles/recording_view.h"
#include "doubles/scripted_pump.h"
#include "engine/session.h"
#include "sources/source_hooks.h"
#include "wordlists/source_words_files.h"

namespace velt::testing {

// What checking a words file asks of the sources' hooks: clearing the text window.
class QuietSourceHooks final : public SourceHooks {
 public:
  explicit QuietSourceHooks(Session& session) : session_(session) {}
  ScannerState& Scanner() override { return scanner_; }
  void ProcessLine(Text) override {}
  void ResetPhrases() override {}
  void ResetWordStore(bool) override {}
  void OutputToTxb(TextView text) override { session_.textWindow.Append(text); }
  void ClearTextbox() override { session_.textWindow.Clear(); }
  bool TextWindowFull() const override { return false; }
  void ReportError(int, const Text&, const Text&) override {}
  void EnableDisableButtons(bool) override {}
  void ClearPreviousResults() override {}
  void ConcealCounters(bool) override {}
  void EraseCounters() override {}
  void FocusCountButton() override {}

 private:
  Session& session_;
  ScannerState scanner_;
};

class WordListsTest : public ::testing::Test {
 protected:
  WordListsTest()
      : dir_(MakeTempDir()),
        session_(Seams{dialogs, view, pump, clipboard}, LoadTexts(texts), (dir_ / "data").string()),
        hooks_(session_),
        files(session_.shell, hooks_) {
    std::filesystem::create_directories(dir_ / "data");
    session_.run.startUpCompleted = true;
  }
  ~WordListsTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  Session& session() { return session_; }
  Text PathOf(const std::string& name) const { return FromUtf8((dir_ / name).string()); }

  // Writes bytes to a file under the test folder; returns its path.
  Text WriteFile(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories((dir_ / name).parent_path());
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return PathOf(name);
  }

  // Lists path and selects it, as the user's choice does.
  void Select(const Text& path) {
    WordsFileList& list = session_.settings.wordsFileList;
    list.entries.push_back(path);
    list.index = static_cast<int>(list.entries.size()) - 1;
  }

  const std::vector<Text>& FileWords() { return session_.wordLists.fileWordsToIgnore.entries(); }

  RecordingDialogs dialogs;
  RecordingView view;
  ScriptedPump pump;
  MemoryClipboard clipboard;
  UiTextTable texts;

 private:
  static std::filesystem::path MakeTempDir() {
    std::string name = (std::filesystem::temp_directory_path() / "velt-wordlists-XXXXXX").string();
    return mkdtemp(name.data());
  }
  static const UiTextTable& LoadTexts(UiTextTable& table) {
    table.Load(std::string(VELT_DATA_DIR) + "/velt.dat");
    return table;
  }

  std::filesystem::path dir_;
  Session session_;
  QuietSourceHooks hooks_;

 protected:
  SourceWordsFiles files;
};

}  // namespace velt::testing
