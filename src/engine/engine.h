// The engine of the program: the session with every subsystem it owns, the
// counting run that drives them, and the operations behind the controls of
// both windows. velt-batch and the tests use it without windows; the Qt
// windows reach it through MainWindowController and SettingsWindowController.
#pragma once

#include <memory>
#include <string>

#include "engine/session.h"
#include "engine/table_listing.h"
#include "phrases/list_statistics.h"
#include "phrases/phrase_assembler.h"
#include "phrases/phrase_table.h"
#include "phrases/run_parameters.h"
#include "phrases/word_ignore_test.h"
#include "platform/zip_reader.h"
#include "reports/report_context.h"
#include "settings/state_file.h"
#include "settings/state_file_hooks.h"
#include "sources/source_hooks.h"
#include "wordlists/ignore_lookup.h"
#include "wordlists/source_words_files.h"
#include "wordlists/words_file_list.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"

namespace velt {

class MainWindowController;
class SettingsWindowController;
enum class WordRuleBox;

struct EngineOptions {
  std::string dataDir;    // velt.dat and the common-words files
  std::string statePath;  // the default state file
  NumberFormat numbers = NumberFormat::FromEnvironment();
};

class Engine final : private SourceHooks, private SettingsFileHooks, private ReportHooks {
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

  // --- start-up and quitting (Initialize and SetDefaultValues are below) ---
  // The one-time control setup and Initialize (start-up steps 2 to 6).
  void SetUpBeforeShow();
  // Restores the state file and asks the start-up questions (steps 7 to 13).
  void StartUpAfterShow();
  void Quit();

  // --- counting (the Count button) ---
  void OnCountClicked();
  // Whether the last Count command reached its listing (also "no phrases").
  bool CountReachedListing() const { return countReachedListing_; }

  // --- what velt-batch does after loading a settings file ---
  // Commits the extra-words, pattern and filter-words boxes.
  void PrepareBatchRun();
  // Loads a settings file as "Load settings from file" does (without dialogs),
  // its words-to-ignore file included: the restore's result code.
  int LoadSettingsFile(const std::string& path);

  // --- shared window actions ---
  void EnableDisableButtons(bool enable) override;
  void EnableListControls(bool enable);
  void EnableRunControls(bool enable);
  // "Save settings" of the main window (fromMainWindow) or of the Settings window.
  void SaveStateWithPopUp(bool fromMainWindow);
  void Timer1_Tick();
  void Timer2_Tick();
  void OnCopyClicked(const Text& selectedText);

  // --- the Settings window's logic ---
  void OnWordRuleClicked(WordRuleBox box);
  void OnSetOrClearCheckboxesClicked(int index);
  void OnRestoreDefaultsClicked();
  void LoadRemoveChosen(LoadRemoveChoice choice);
  void OnSelectWordsFileClicked();
  void OnCommonWordsLanguageChosen();
  void OnExtraWordsLeft();
  void OnClearExtraWordsClicked();
  void OnSaveOrLoadSettingsFileClicked(int index);
  void OnReinitializeClicked();

  SourceContext& sourceContext() { return sourceContext_; }
  ReportContext& reportContext() { return reportContext_; }
  TextSink& textSink() { return textSink_; }

  // velt-batch: no windows, and the language record only selects its entry.
  void SetBatchMode(bool batch) { batchMode_ = batch; }

 private:
  // The counting run.
  void RunCount();
  void CountPhrases();
  bool ReadSource();
  void FinishCount();
  void PublishCounts();
  void StartElapsedTime();
  bool OutputIsInputFile() const;
  bool ThereAreWordsToIgnore() const;

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

  // RestoreHooks / SettingsFileHooks.
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
  void ShowTransientPopup(ControlId below, const Text& text) override;
  void Initialize() override;
  void SetDefaultValues() override;
  void ShowSettingsWindow() override;

  int RestoreWithQuestions(const std::string& path);

  Session session_;
  TextSink textSink_;
  ReportContext reportContext_;
  LibzipReader zip_;
  SourceContext sourceContext_;
  WordRules wordRules_;
  ScannerState scanner_;
  PhraseTable table_;
  PhraseRunParameters params_;
  ListStatistics stats_;
  TableListing listing_;
  WordListLookups lookups_;
  SourceWordsFiles wordsFiles_;
  StateFile stateFile_;

  // Alive while a count reads its source.
  std::unique_ptr<WordIgnoreTest> ignoreTest_;
  std::unique_ptr<PhraseAssembler> assembler_;
  std::unique_ptr<CountingSink> countingSink_;
  Text currentFile_;  // the input path the table last took as the current file
  bool batchMode_ = false;
  bool countReachedListing_ = false;
  // Which "Save settings" button asked for the confirming pop-up.
  bool popUpFromMainWindow_ = false;

  std::unique_ptr<MainWindowController> mainWindow_;
  std::unique_ptr<SettingsWindowController> settingsWindow_;
};

}  // namespace velt
