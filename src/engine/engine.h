// The engine of the program: the session with every subsystem it owns, the
// counting run that drives them, and the operations behind the controls of
// both windows. velt-batch and the tests use it without windows; the Qt
// windows reach it through MainWindowController and SettingsWindowController.
#pragma once

#include <memory>
#include <string>

#include "engine/count/reading_pipeline.h"
#include "engine/session.h"
#include "engine/table_listing.h"
#include "phrases/list_statistics.h"
#include "phrases/phrase_table.h"
#include "platform/zip_reader.h"
#include "reports/report_context.h"
#include "settings/settings_files.h"
#include "settings/state_file.h"
#include "settings/state_file_hooks.h"
#include "sources/source_hooks.h"
#include "wordlists/ignore_lookup.h"
#include "wordlists/source_words_files.h"
#include "wordlists/word_list_context.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"

namespace velt {

class CountObserver;
class MainWindowController;
class SettingsWindowController;

struct EngineOptions {
  std::string dataDir;    // velt.dat and the common-words files
  std::string statePath;  // the default state file
  NumberFormat numbers = NumberFormat::FromEnvironment();
};

class Engine final : private SourceHooks,
                     private RestoreHooks,
                     private ReportHooks,
                     private WordListHooks {
 public:
  Engine(Seams seams, const UiTextTable& texts, EngineOptions options);
  ~Engine() override;
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Session& session() { return session_; }
  const PhraseTable& table() const { return table_; }
  ListedPhrases& listing() { return listing_; }
  const StateFile& stateFile() const { return stateFile_; }
  MainWindowController& mainWindow();
  SettingsWindowController& settingsWindow();

  // --- start-up and quitting ---
  // The one-time control setup and Initialize (start-up steps 2 to 6).
  void SetUpBeforeShow();
  // Restores the state file and asks the start-up questions (steps 7 to 13).
  void StartUpAfterShow();
  void Quit();
  // Everything back to its first-start value; after start-up also asks
  // whether to clear the words-to-ignore files ("Reinitialize").
  void Initialize();
  // The Settings window's defaults ("Restore defaults"; a restore that read
  // past the end of its file).
  void SetDefaultValues() override;

  // --- counting ---
  // Before the checks of a Count command: no listing reached and no run-time
  // error reported yet.
  void ResetCountOutcome();
  // The count the Count button starts once its checks and questions are
  // passed: from the run parameters to the listing, shown in the main window
  // (CountWindow) or through another observer of its steps.
  void Count();
  void Count(CountObserver& observer);
  // Whether the last Count command reached its listing (also "no phrases").
  bool CountReachedListing() const { return countReachedListing_; }
  const ListStatistics& statistics() const { return stats_; }

  // --- velt-batch ---
  // Starts without windows: the control setup of start-up and Initialize,
  // then start-up is complete (no state file is read).
  void StartBatch();
  // Commits the extra-words, pattern and filter-words boxes.
  void PrepareBatchRun();
  // Loads a settings file as "Load settings from file" does (without dialogs),
  // its words-to-ignore file included: how the restore ended.
  RestoreStatus LoadSettingsFile(const std::string& path);
  // Whether the count reads the clipboard (velt-batch fills it from its input).
  bool CountsTheClipboard() const;
  // The Count command as a click on the idle Count button runs it: the main
  // window controller's checks and questions, then the count.
  void CountCommand();
  // The last Count command reached its listing, no run-time error was
  // reported, the output file (when it was to be written) received the whole
  // report, and a report too long for the text window is in the output file.
  bool EveryLineDelivered() const;
  // What the text window holds.
  const Text& TextWindowText() const { return session_.textWindow.text(); }
  // Reports that memory ran out outside the steps that report it themselves.
  void ReportOutOfMemory(const Text& label);

  // --- shared window actions ---
  void EnableDisableButtons(bool enable) override;
  void EnableListControls(bool enable);
  void EnableRunControls(bool enable);
  // "Save settings" of the main window (fromMainWindow) or of the Settings window.
  void SaveStateWithPopUp(bool fromMainWindow);

  // Shows the Settings window (after a save or load, or for a faulty
  // extra-words box).
  void ShowSettingsWindow();

  SourceContext& sourceContext() { return sourceContext_; }
  ReportContext& reportContext() { return reportContext_; }
  TextSink& textSink() { return textSink_; }
  WordListContext& wordListContext() { return wordListContext_; }
  SettingsFileContext& settingsFileContext() { return settingsFileContext_; }

  // velt-batch: no windows, and the language record only selects its entry.
  void SetBatchMode(bool batch) { batchMode_ = batch; }

 private:
  // SourceHooks.
  ScannerState& Scanner() override { return scanner_; }
  void ProcessLine(Text line) override;
  void ResetPhrases() override;
  void ResetWordStore(bool folderRun) override;
  void OutputToTxb(TextView text) override;
  void ClearTextbox() override;
  void ReportError(int number, const Text& description, const Text& label) override;
  void ClearPreviousResults() override;
  bool TextWindowFull() const override;
  void ConcealCounters(bool erase) override;
  void EraseCounters() override;

  // ReportHooks (FocusCountButton serves the SourceHooks too).
  void FocusCountButton() override;
  void DisplayFormatChosen() override;
  void SortByNumberOfFilesClicked() override;

  // WordListHooks.
  void ResetCountButton() override;

  // RestoreHooks (SetDefaultValues is public).
  void RememberLastFolder(const Text& folder) override;
  void PatternBoxSet(int index) override;
  void RememberLastInputFile(const Text& path) override;
  void SourceSelected() override;
  void LanguageSelected() override;
  void DisableOutputSwitch() override;
  void CheckInputFileName(const Text& path) override;
  void FolderBoxLostFocus() override;
  void CommitExtraWords() override;
  bool AttemptToReadWords() override;
  void ClearFileWordsInForce() override;
  void SetWordsToIgnoreNotice() override;

  int RestoreWithQuestions(const std::string& path);

  Session session_;
  TextSink textSink_;
  ReportContext reportContext_;
  LibzipReader zip_;
  SourceContext sourceContext_;
  WordRules wordRules_;
  ScannerState scanner_;
  PhraseTable table_;
  ListStatistics stats_;
  TableListing listing_;
  WordListLookups lookups_;
  SourceWordsFiles wordsFiles_;
  StateFile stateFile_;
  SettingsFileContext settingsFileContext_;
  WordListContext wordListContext_;

  // Alive while a count reads its source.
  ReadingPipeline reading_;
  Text currentFile_;  // the input path the table last took as the current file
  bool batchMode_ = false;
  bool countReachedListing_ = false;

  std::unique_ptr<MainWindowController> mainWindow_;
  std::unique_ptr<SettingsWindowController> settingsWindow_;
};

}  // namespace velt
